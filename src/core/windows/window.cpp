#include "windows/window.h"

#include "images/image_store.h"
#include "platform/errors.h"

#include <atomic>

namespace pw {

WindowIdentity::WindowIdentity() {
    static std::atomic<WindowId> next{1};
    value_ = next.fetch_add(1, std::memory_order_relaxed);
}

const char* TypeName(std::uint8_t type) {
    static const char* const names[] = {
        "Background object",  "Position Window",    "Direction Window", "Destination Window",
        "Time and Date Window", "Lift status Window", "Timed Sequence",   "Message Window",
    };
    return type < 8 ? names[type] : "";
}

bool SameContent(const cWindow& a, const cWindow& b) {
    return a.ImageHeld == b.ImageHeld && SameFields(a, b);
}

void cWindow::LoadIndexImage(const std::string&, bool dither, int index, int transparent) {
    if (context_) context_->ImageRead(*this, index, dither, transparent);
}

void cWindow::AfterRead() {
    // Only the Background object, element 0, holds the display size.
    if (!context_ || ListPos != 1) return;
    const long long width = static_cast<long long>(X1) + 1, height = static_cast<long long>(Y1) + 1;
    if (width > kMaxDisplaySide || height > kMaxDisplaySide || width < 1 || height < 1)
        throw FormatError("The display size " + std::to_string(width) + " x " +
                          std::to_string(height) + " of this layout is not supported (at most " +
                          std::to_string(kMaxDisplaySide) + " pixels a side).");
    // Forget the width so that the stored size is always applied.
    X1 = 0;
    context_->DisplaySizeRead(static_cast<int>(width), static_cast<int>(height));
}

void cWindow::WriteIndexImage(std::string& file, int index) {
    if (!context_) return;
    const cImage* image = context_->Images().FindImage(BMP[index]);
    if (!image) return;
    file += "  BMP = " + std::to_string(index) + ", " + std::to_string(image->Transparent) + ", " +
            (image->Dithered ? "1" : "0") + "\r\n|" + BMP[index] + "|\r\n";
}

} // namespace pw
