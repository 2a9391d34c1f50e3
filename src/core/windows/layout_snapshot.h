#pragma once
// A layout as it was at one moment, to be put back later: by undo, or when a load fails
// half-way. The windows and the job record are held as a value; the images are shared with
// the store, never copied, and their counts are worked out again from the windows' entries
// when the layout is put back.

#include "images/kept_image.h"
#include "images/image_store.h"
#include "windows/layout.h"

#include <vector>

namespace pw {

class LayoutSnapshot {
public:
    // The given layout (typically taken out of the editor) with the store's images.
    LayoutSnapshot(Layout layout, const ImageStore& store);

    const Layout& layout() const { return layout_; }
    Layout& layout() { return layout_; }
    const std::vector<KeptImage>& images() const { return images_; }

private:
    Layout layout_;
    std::vector<KeptImage> images_;
};

// Sets every stored image's count to the number of window entries that hold it, and drops
// the images no entry holds.
void RecountImages(const Layout& layout, ImageStore& store);

} // namespace pw
