#include "windows/window.h"

#include "images/image_bank.h"
#include "images/load_image.h"
#include "platform/errors.h"
#include "windows/delimited_text.h"

#include <tuple>

namespace pw {

const char* TypeName(std::uint8_t type) {
    static const char* const names[] = {
        "Background object",  "Position Window",    "Direction Window", "Destination Window",
        "Time and Date Window", "Lift status Window", "Timed Sequence",   "Message Window",
    };
    return type < 8 ? names[type] : "";
}

bool SameContent(const cWindow& a, const cWindow& b) {
    const auto fields = [](const cWindow& w) {
        return std::tie(w.Number, w.Tag, w.Type, w.Parameter, w.Texture, w.DrawType, w.Format,
                        w.FG, w.BG0, w.BG, w.CurIndex, w.FontSize, w.X0, w.Y0, w.X1, w.Y1,
                        w.FontName, w.FntFile, w.FontStyle, w.ImageHeld, w.Text, w.BMP);
    };
    return fields(a) == fields(b);
}

void cWindow::LoadIndexImage(const std::string& fileName, bool dither, int index, int transparent) {
    if (!context_) return;
    ImageBank& images = context_->Images();
    {
        // The Image dialog shows the reader's information line and progress while the file
        // is read, and goes away again whatever happens.
        ProgressScope shown(*images.progress, "Reading " + fileName);
        images.Dither = dither;
        if (!LoadImage(images, fileName)) return;
    }
    if (index < 0 || index >= kIndexCount) return;
    ImageHeld.set(static_cast<std::size_t>(index));
    taken_.push_back({index, fileName});
    if (cImage* image = images.ImageList.FindImage(fileName)) image->Transparent = transparent;
}

void cWindow::AfterRead() {
    if (!context_) return;
    KeepTakenImages();
    // Only the Background object, element 0, holds the display size.
    if (ListPos != 1) return;
    const long long width = static_cast<long long>(X1) + 1, height = static_cast<long long>(Y1) + 1;
    if (width > kMaxDisplaySide || height > kMaxDisplaySide || width < 1 || height < 1)
        throw FormatError("The display size " + std::to_string(width) + " x " +
                          std::to_string(height) + " of this layout is not supported (at most " +
                          std::to_string(kMaxDisplaySide) + " pixels a side).");
    // Forget the width so that the stored size is always applied.
    X1 = 0;
    context_->DisplaySizeRead(static_cast<int>(width), static_cast<int>(height));
}

void cWindow::KeepTakenImages() {
    // An entry holds the count its last load took while the window is an image window. A
    // hand-edited group may load an index twice, name another file for it later, or end with
    // another draw type: the counts no entry keeps are given up, so that the window holds what
    // one read from a file the program wrote would (what it held beyond that would be written,
    // read back as a name alone and lost at the next save).
    ImageStore& store = context_->Images().ImageList;
    ImageHeld.reset();
    for (auto taken = taken_.rbegin(); taken != taken_.rend(); ++taken) {
        const auto i = static_cast<std::size_t>(taken->index);
        if (DrawType == dtImage && BMP[i] == taken->name && !ImageHeld[i]) {
            ImageHeld.set(i);
        } else {
            cImage* image = store.FindImage(taken->name);
            store.ReleaseImage(image);
        }
    }
    taken_.clear();
}

void cWindow::WriteIndexImage(std::string& file, int index) {
    if (!context_) return;
    const cImage* image = context_->Images().ImageList.FindImage(BMP[index]);
    if (!image) return;
    file += "  BMP = " + std::to_string(index) + ", " + std::to_string(image->Transparent) + ", " +
            (image->Dithered ? "1" : "0") + "\r\n";
    AppendDelimited(file, BMP[index]);
}

} // namespace pw
