#pragma once
// An image of the store as a layout knew it. The image itself is shared, never copied; its
// transparent colour is kept beside it because the layout's file stores that colour and it
// may have been picked anew since.

#include "images/image.h"
#include "images/image_store.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace pw {

struct KeptImage {
    std::shared_ptr<cImage> image;
    std::int32_t transparent;
};

// The store's images, in store order, as they are now.
std::vector<KeptImage> KeepImages(const ImageStore& store);

// Whether both hold the same images, in the same order, with the same transparent colours.
bool SameImages(const std::vector<KeptImage>& a, const std::vector<KeptImage>& b);

} // namespace pw
