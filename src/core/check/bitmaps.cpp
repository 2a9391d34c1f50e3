#include "check/bitmaps.h"

#include <algorithm>

namespace pw {

void CheckBitmaps(const Layout& layout, const ImageStore& images, std::vector<Problem>& out) {
    for (const auto& window : layout.WindowList) {
        const cWindow& w = *window;
        if (w.DrawType != dtImage) continue;
        for (int index = 0; index < kIndexCount; ++index) {
            const std::string& name = w.BMP[index];
            if (name.empty()) continue;
            const auto add = [&](ProblemKind kind, std::string message,
                                 std::optional<long long> pixels) {
                out.push_back({Severity::Error, kind, w.Number, index, w.Lines.bmp[index],
                               std::move(message), pixels});
            };
            const cImage* image = images.FindImage(name);
            // Reading leaves an image without data for a file that is not there, and none for
            // one it refused or could not read.
            if (!image) {
                add(ProblemKind::BitmapUnreadable, "The bitmap " + name + " could not be read.",
                    std::nullopt);
                continue;
            }
            if (image->Data.empty()) {
                add(ProblemKind::BitmapMissing, "The bitmap " + name + " is not on disk.",
                    std::nullopt);
                continue;
            }
            const long long width = static_cast<long long>(w.X1) - w.X0 + 1;
            const long long height = static_cast<long long>(w.Y1) - w.Y0 + 1;
            const long long past = std::max(image->Width - width, image->Height - height);
            if (past > 0)
                add(ProblemKind::BitmapTooLarge,
                    "The bitmap " + name + " is " + std::to_string(image->Width) + " x " +
                        std::to_string(image->Height) + " pixels, larger than the window's " +
                        std::to_string(width) + " x " + std::to_string(height) + ".",
                    past);
        }
    }
}

} // namespace pw
