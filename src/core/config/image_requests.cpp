#include "config/image_requests.h"

namespace pw {

void AddImageRequest(std::vector<ImageRequest>& requests, ImageRequest request) {
    for (auto earlier = requests.rbegin();
         earlier != requests.rend() && earlier->window == request.window; ++earlier) {
        if (earlier->index == request.index) {
            *earlier = std::move(request);
            return;
        }
    }
    requests.push_back(std::move(request));
}

bool EndsWithImage(const cWindow& w, const ImageRequest& request) {
    return w.DrawType == dtImage && w.BMP[static_cast<std::size_t>(request.index)] == request.name;
}

} // namespace pw
