// Clipboard text that pastes as a window copies and pastes again as the same window.

#include "harnesses.h"
#include "layout_reading.h"

#include "config/window_group.h"
#include "config/window_text.h"
#include "platform/errors.h"

#include <optional>
#include <string>

namespace pw::fuzz {

namespace {

// Reads the text as Paste does: whole as plain data, then the images its entries end with.
std::optional<cWindow> Paste(const std::string& text, LayoutReading& reading) {
    std::optional<ParsedWindow> parsed;
    try {
        parsed = ParseWindowText(text);
    } catch (const Error&) {
        return std::nullopt;
    }
    if (!parsed) return std::nullopt;
    cWindow pasted = parsed->window;
    pasted.SetContext(&reading);
    reading.images.ImageList.ReleaseAllImages();
    try {
        for (const ImageRequest& request : parsed->images)
            reading.ImageRead(pasted, request.index, request.dither, request.transparent);
    } catch (const Error&) {
        // A bitmap that cannot be read ends a paste.
        return std::nullopt;
    }
    return pasted;
}

} // namespace

void FuzzPaste(std::string_view bytes) {
    LayoutReading first;
    std::optional<cWindow> pasted = Paste(std::string(bytes), first);
    if (!pasted) return;

    std::string copied;
    try {
        WriteWindowGroup(*pasted, copied);
    } catch (const Error&) {
        PropertyFailed("a window that pastes can be copied");
    }
    LayoutReading second;
    const std::optional<cWindow> again = Paste(copied, second);
    Require(again.has_value(), "a copied window pastes");
    Require(SameWindowAsWritten(*pasted, first.images.ImageList, *again, second.images.ImageList),
            "a copied window pastes as the same window");
}

} // namespace pw::fuzz
