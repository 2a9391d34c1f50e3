#include "images/kept_image.h"

namespace pw {

std::vector<KeptImage> KeepImages(const ImageStore& store) {
    std::vector<KeptImage> kept;
    kept.reserve(store.Images().size());
    for (const auto& image : store.Images()) kept.push_back({image, image->Transparent});
    return kept;
}

bool SameImages(const std::vector<KeptImage>& a, const std::vector<KeptImage>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].image != b[i].image || a[i].transparent != b[i].transparent) return false;
    return true;
}

} // namespace pw
