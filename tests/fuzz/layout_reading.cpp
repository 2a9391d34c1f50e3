#include "layout_reading.h"

#include "config/dcf_file.h"
#include "config/layout_file.h"
#include "platform/errors.h"
#include "windows/window_list.h"

namespace pw::fuzz {

void LayoutReading::DisplaySizeRead(int width, int height) {
    SizeBackground(layout, width, height);
}

bool ReadLayout(LayoutReading& reading, std::string_view bytes) {
    if (bytes.size() > kMaxLayoutFileBytes) return false;
    reading.images.ImageList.ReleaseAllImages();
    DcfReader reader(bytes);
    try {
        ReadGroups(reading.layout, reader, reading.host);
    } catch (const Error&) {
        return false;
    }
    // Load refuses a file without windows: everything expects the Background object.
    return !reading.layout.WindowList.empty();
}

namespace {

cWindow AsWritten(const cWindow& w, const ImageStore& images) {
    cWindow kept(w);
    for (int i = 0; i < kIndexCount; ++i)
        if (!images.FindImage(kept.BMP[i])) kept.BMP[i].clear();
    // Whether an entry holds a count depends on the order of the lines, which the writer sets.
    kept.ImageHeld.reset();
    return kept;
}

} // namespace

bool SameWindowAsWritten(const cWindow& a, const ImageStore& aImages, const cWindow& b,
                         const ImageStore& bImages) {
    // Most windows are alike as they stand; copies are made only to tell the others.
    if (a.ImageHeld == b.ImageHeld && SameContent(a, b)) return true;
    return SameContent(AsWritten(a, aImages), AsWritten(b, bImages));
}

} // namespace pw::fuzz
