#include "images/image_store.h"

#include <algorithm>

namespace pw {

cImage* ImageStore::FindImage(const std::string& name) const {
    for (const auto& image : images_)
        if (image->FileName == name) return image.get();
    return nullptr;
}

cImage* ImageStore::AcquireImage(const std::string& name) {
    if (name.empty()) return nullptr;
    if (cImage* image = FindImage(name)) {
        ++image->RefCount;
        return image;
    }
    auto image = std::make_shared<cImage>();
    image->FileName = name;
    images_.push_back(std::move(image));
    return images_.back().get();
}

void ImageStore::ReleaseImage(cImage*& image) {
    if (image && --image->RefCount == 0) {
        std::erase_if(images_, [&](const auto& held) { return held.get() == image; });
    }
    image = nullptr;
}

void ImageStore::ReleaseAllImages() {
    while (!images_.empty()) {
        cImage* first = images_.front().get();
        first->RefCount = 1;
        ReleaseImage(first);
    }
}

std::uint32_t ImageStore::DiscardImage(const std::string& name) {
    cImage* image = FindImage(name);
    if (!image) return 0;
    const std::uint32_t count = image->RefCount;
    image->RefCount = 1;
    ReleaseImage(image);
    return count;
}

} // namespace pw
