#include "windows/window.h"

#include "images/load_image.h"
#include "platform/errors.h"
#include "shell/editor.h"
#include "windows/window_list.h"

namespace pw {

const char* TypeName(std::uint8_t type) {
    static const char* const names[] = {
        "Background object",  "Position Window",    "Direction Window", "Destination Window",
        "Time and Date Window", "Lift status Window", "Timed Sequence",   "Message Window",
    };
    return type < 8 ? names[type] : "";
}

void cWindow::LoadIndexImage(const std::string& fileName, bool dither, int index, int transparent) {
    Editor& editor = *owner_;
    {
        // The Image dialog shows the reader's information line and progress while the file
        // is read, and goes away again whatever happens.
        struct ReadingShown {
            Host& host;
            explicit ReadingShown(Host& h) : host(h) { host.ImageReadingStarted(); }
            ~ReadingShown() { host.ImageReadingFinished(); }
        } shown(editor.host);
        editor.Dither = dither;
        if (!LoadImage(editor, fileName)) return;
    }
    if (index < 0 || index >= kIndexCount) return;
    ImageHeld.set(static_cast<std::size_t>(index));
    if (cImage* image = editor.ImageList.FindImage(BMP[index])) image->Transparent = transparent;
}

void cWindow::AfterRead() {
    if (Background(*owner_) != this) return;
    const long long width = static_cast<long long>(X1) + 1, height = static_cast<long long>(Y1) + 1;
    if (width > kMaxDisplaySide || height > kMaxDisplaySide || width < 1 || height < 1)
        throw FormatError("The display size " + std::to_string(width) + " x " +
                          std::to_string(height) + " of this layout is not supported (at most " +
                          std::to_string(kMaxDisplaySide) + " pixels a side).");
    // Forget the width so that the stored size is always applied.
    X1 = 0;
    SetDisplaySize(*owner_, static_cast<int>(width), static_cast<int>(height));
}

void cWindow::WriteIndexImage(std::string& file, int index) {
    const cImage* image = owner_->ImageList.FindImage(BMP[index]);
    if (!image) return;
    file += "  BMP = " + std::to_string(index) + ", " + std::to_string(image->Transparent) + ", " +
            (image->Dithered ? "1" : "0") + "\r\n|" + BMP[index] + "|\r\n";
}

} // namespace pw
