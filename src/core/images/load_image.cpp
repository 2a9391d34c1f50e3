#include "images/load_image.h"

#include "images/bitmap_reader.h"
#include "platform/errors.h"
#include "platform/files.h"

#include <optional>

namespace pw {

namespace {

// The whole file in one read, or none when it is too large to be a bitmap we could convert:
// refused like any other file that is not one.
std::optional<std::string> ReadBitmapBytes(ImageBank& images, const std::string& name) {
    try {
        return ReadFileBytes(name, kMaxBitmapFileBytes);
    } catch (const FormatError& tooLarge) {
        images.host.ShowMessage(tooLarge.what(), "FILE TYPE ERROR");
        return std::nullopt;
    }
}

} // namespace

cImage* LoadImage(ImageBank& images, const std::string& name) {
    ImageStore& store = images.ImageList;
    cImage* image = store.AcquireImage(name);
    // A stored image is never read again, even when its file has changed since.
    if (!image || image->RefCount > 1) return image;
    if (!FileExists(name)) {
        images.host.ShowMessage("File " + name +
                                " cannot be found. It may need to be copied to the \\KVP\\Work "
                                "directory.");
        return image;
    }
    std::uint32_t size = 0;
    try {
        if (const std::optional<std::string> bytes = ReadBitmapBytes(images, name))
            size = ReadBitmap(images, *image, *bytes);
    } catch (...) {
        store.ReleaseImage(image);
        throw;
    }
    if (size == 0) store.ReleaseImage(image);
    return image;
}

} // namespace pw
