#include "images/load_image.h"

#include "images/bitmap_reader.h"
#include "platform/errors.h"
#include "platform/files.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

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

// Tells the user, and says whether the file is there to be read.
bool FileFound(ImageBank& images, const std::string& name) {
    if (FileExists(name)) return true;
    images.host.ShowMessage("File " + name +
                            " cannot be found. It may need to be copied to the \\KVP\\Work "
                            "directory.");
    return false;
}

// Reads and converts the image's file; false when it was refused.
bool ReadImageFile(ImageBank& images, cImage& image) {
    const std::optional<std::string> bytes = ReadBitmapBytes(images, image.FileName);
    return bytes && ReadBitmap(images, image, *bytes) != 0;
}

} // namespace

cImage* LoadImage(ImageBank& images, const std::string& name) {
    ImageStore& store = images.ImageList;
    cImage* image = store.AcquireImage(name);
    // A stored image is never read again, even when its file has changed since.
    if (!image || image->RefCount > 1) return image;
    if (!FileFound(images, name)) return image;
    bool read = false;
    try {
        read = ReadImageFile(images, *image);
    } catch (...) {
        store.ReleaseImage(image);
        throw;
    }
    if (!read) store.ReleaseImage(image);
    return image;
}

cImage* ReloadImage(ImageBank& images, const std::string& name) {
    ImageStore& store = images.ImageList;
    cImage* stored = store.FindImage(name);
    // Read beside the stored image, which stays until the new one is complete: a file that is
    // gone or no longer convertible loses no holder its picture.
    if (!stored || !FileFound(images, name)) return stored;
    auto fresh = std::make_shared<cImage>();
    fresh->FileName = name;
    if (!ReadImageFile(images, *fresh)) return stored;
    fresh->RefCount = stored->RefCount;
    // The old image itself is left as it was: a layout kept aside for undo may still hold it.
    std::vector<std::shared_ptr<cImage>> held = store.Images();
    std::replace_if(
        held.begin(), held.end(), [&](const auto& image) { return image.get() == stored; }, fresh);
    store.Replace(std::move(held));
    return fresh.get();
}

} // namespace pw
