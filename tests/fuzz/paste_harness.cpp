// Clipboard text that pastes as windows copies and pastes again as the same windows.

#include "harnesses.h"
#include "layout_reading.h"

#include "config/window_group.h"
#include "config/window_text.h"
#include "platform/errors.h"

#include <optional>
#include <string>
#include <vector>

namespace pw::fuzz {

namespace {

// Reads the text as Paste does: whole as plain data, then the images its entries end with.
std::optional<std::vector<cWindow>> Paste(const std::string& text, LayoutReading& reading) {
    std::optional<std::vector<ParsedWindow>> parsed;
    try {
        parsed = ParseWindowText(text);
    } catch (const Error&) {
        return std::nullopt;
    }
    if (!parsed) return std::nullopt;
    reading.images.ImageList.ReleaseAllImages();
    std::vector<cWindow> pasted;
    for (const ParsedWindow& p : *parsed) {
        cWindow& w = pasted.emplace_back(p.window);
        w.SetContext(&reading);
        try {
            for (const ImageRequest& request : p.images)
                reading.ImageRead(w, request.index, request.dither, request.transparent);
        } catch (const Error&) {
            // A bitmap that cannot be read ends a paste.
            return std::nullopt;
        }
    }
    return pasted;
}

} // namespace

void FuzzPaste(std::string_view bytes) {
    LayoutReading first;
    std::optional<std::vector<cWindow>> pasted = Paste(std::string(bytes), first);
    if (!pasted) return;

    std::string copied;
    try {
        for (cWindow& w : *pasted) WriteWindowGroup(w, copied);
    } catch (const Error&) {
        PropertyFailed("windows that paste can be copied");
    }
    LayoutReading second;
    const std::optional<std::vector<cWindow>> again = Paste(copied, second);
    Require(again.has_value() && again->size() == pasted->size(), "copied windows paste");
    for (std::size_t i = 0; i < pasted->size(); ++i)
        Require(SameWindowAsWritten((*pasted)[i], first.images.ImageList, (*again)[i],
                                    second.images.ImageList),
                "copied windows paste as the same windows");
}

} // namespace pw::fuzz
