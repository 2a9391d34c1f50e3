#include "dialogs/bitmap_copy.h"

#include "images/bitmap_writer.h"
#include "images/load_image.h"
#include "images/picture_file.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace pw {

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/' || c == ':';
}

// The folder as the user reads it: without its last separator, unless that is a root's.
std::string FolderText(const std::string& path) {
    std::string folder = path.substr(0, NameStart(path));
    if (folder.size() > 1 && IsSeparator(folder.back()) && !IsSeparator(folder[folder.size() - 2]))
        folder.pop_back();
    return folder;
}

bool EndsWithBmp(const std::string& path) {
    const std::size_t dot = ExtensionPos(path);
    if (dot == std::string::npos || path.size() - dot != 4) return false;
    std::string ext = path.substr(dot + 1);
    for (char& c : ext) c = static_cast<char>(c | 0x20);
    return ext == "bmp";
}

std::string BaseName(const std::string& path) {
    const std::string name = FileNamePart(path);
    return name.substr(0, name.rfind('.'));
}

} // namespace

std::string BitmapCopyPath(const std::string& picture) {
    const std::string folder = picture.substr(0, NameStart(picture));
    const std::string base = BaseName(picture);
    return folder + base + (EndsWithBmp(picture) ? "_24.bmp" : ".bmp");
}

std::string BitmapCopyQuestion(const std::string& picture, const std::string& copy, bool replaces) {
    return FileNamePart(picture) + " is not a 24-bit bitmap. Make a 24-bit copy \"" +
           FileNamePart(copy) + "\" in " + FolderText(copy) +
           (replaces ? ", replacing the file of that name there," : "") + " and use it ?";
}

std::optional<std::string> BitmapToLoad(ImageBank& images, const std::string& chosen) {
    PictureFile file = ReadPictureFile(images, chosen);
    if (file.kind == PictureFile::Kind::Bitmap) return chosen;
    if (file.kind == PictureFile::Kind::Refused) return std::nullopt;
    const std::string copy = BitmapCopyPath(chosen);
    if (images.host.Ask(BitmapCopyQuestion(chosen, copy, FileExists(copy)), Buttons::YesNo) !=
        Answer::Yes)
        return std::nullopt;
    WriteFileAtomically(copy, Bitmap24FileBytes(file.picture));
    // A copy made before may still be in the store: it takes the new pixels, for every
    // window that shows it, as the file now holds them.
    if (images.ImageList.FindImage(copy)) ReloadImage(images, copy);
    return copy;
}

} // namespace pw
