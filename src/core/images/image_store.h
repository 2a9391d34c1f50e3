#pragma once
// The images of the layout, shared by file name and counted once per holder.

#include "images/image.h"

#include <memory>
#include <string>
#include <vector>

namespace pw {

class ImageStore {
public:
    // Exact, case-sensitive name lookup; counts unchanged.
    cImage* FindImage(const std::string& name) const;
    // The stored image of that name with one more count, or a new empty one with count 1
    // appended to the store. None for an empty name.
    cImage* AcquireImage(const std::string& name);
    // One count less; at zero the image leaves the store. The variable becomes none.
    void ReleaseImage(cImage*& image);
    // Destroys every image whatever its count.
    void ReleaseAllImages();
    // Destroys the image of that name and returns the count it had (0 when not stored).
    std::uint32_t DiscardImage(const std::string& name);

    // In the order the images were added, which is the order their files are written. The
    // images are shared: a layout kept aside for undo holds on to the ones it names, so
    // putting it back never reads a file again.
    const std::vector<std::shared_ptr<cImage>>& Images() const { return images_; }
    // Takes these images, in this order, in place of the stored ones; counts as they are.
    void Replace(std::vector<std::shared_ptr<cImage>> images) { images_ = std::move(images); }

private:
    std::vector<std::shared_ptr<cImage>> images_;
};

} // namespace pw
