#include "layout_reading.h"

#include "config/dcf_file.h"
#include "config/dcf_reader.h"
#include "config/layout_parse.h"
#include "platform/errors.h"
#include "windows/window_images.h"
#include "windows/window_list.h"

namespace pw::fuzz {

void LayoutReading::ImageRead(cWindow& w, int index, bool dither, int transparent) {
    LoadWindowImage(images, w, index, dither, transparent);
}

void LayoutReading::DisplaySizeRead(int width, int height) {
    SizeBackground(layout, width, height);
}

bool ReadLayout(LayoutReading& reading, std::string_view bytes, std::size_t piece) {
    if (bytes.size() > kMaxLayoutFileBytes) return false;
    const std::string whole(piece == 0 ? bytes : std::string_view());
    std::size_t at = 0;
    DcfReader reader = piece == 0 ? DcfReader(whole) : DcfReader([&](std::string& more) {
        if (at >= bytes.size()) return false;
        more.append(bytes.substr(at, piece));
        at += piece;
        return true;
    });
    try {
        ParsedLayout parsed = ParseLayout(reader, reading.layout, reading.host);
        // Load refuses a file without windows: everything expects the Background object.
        if (parsed.layout.WindowList.empty()) return false;
        reading.images.ImageList.ReleaseAllImages();
        reading.layout = std::move(parsed.layout);
        reading.layout.context = &reading;
        for (const auto& w : reading.layout.WindowList) w->SetContext(&reading);
        for (const ImageRequest& request : parsed.images)
            reading.ImageRead(*reading.layout.WindowList[request.window], request.index,
                              request.dither, request.transparent);
        if (parsed.displayWidth > 0)
            reading.DisplaySizeRead(parsed.displayWidth, parsed.displayHeight);
    } catch (const Error&) {
        return false;
    }
    return true;
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
