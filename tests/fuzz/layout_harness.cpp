// A layout file that reads writes and reads back as the same layout, and what it holds stays
// within the memory bound whatever the file.

#include "harnesses.h"
#include "layout_reading.h"

#include "config/dcf_file.h"
#include "platform/errors.h"

#include <string>

namespace pw::fuzz {

namespace {

// What a layout may take beyond its texts and names.
constexpr std::size_t kWindowsBound = 100u << 20;

void CheckSameLayout(const LayoutReading& first, const LayoutReading& second) {
    const Layout& a = first.layout;
    const Layout& b = second.layout;
    Require(a.InputSpec == b.InputSpec, "the job record reads back the same");
    Require(a.BackgroundColour == b.BackgroundColour, "the background colour reads back");
    Require(a.WindowList.size() == b.WindowList.size(), "as many windows read back");
    for (std::size_t i = 0; i < a.WindowList.size(); ++i)
        Require(SameWindowAsWritten(*a.WindowList[i], first.images.ImageList, *b.WindowList[i],
                                    second.images.ImageList),
                "every window reads back the same");
}

std::string Written(const Layout& layout) {
    try {
        return WriteLayoutText(layout);
    } catch (const Error&) {
        PropertyFailed("a layout that reads can be written");
    }
}

} // namespace

void FuzzLayout(std::string_view bytes) {
    LayoutReading first, inPieces;
    const bool read = ReadLayout(first, bytes);
    // As a file arrives: a few bytes at a time, so that lines and texts span the pieces.
    Require(ReadLayout(inPieces, bytes, 1 + bytes.size() % 5) == read,
            "a layout read in pieces reads as it reads whole");
    if (!read) return;
    Require(first.layout.WindowList.size() <= kMaxLayoutWindows, "the window limit holds");
    Require(first.layout.WindowList.size() * sizeof(cWindow) <= kWindowsBound,
            "the windows stay within the memory bound");

    const std::string text = Written(first.layout);
    Require(Written(inPieces.layout) == text, "a layout read in pieces is the layout read whole");
    LayoutReading second;
    Require(ReadLayout(second, text), "a written layout reads");
    CheckSameLayout(first, second);
    Require(Written(second.layout) == text, "a layout read back writes the same text");
}

} // namespace pw::fuzz
