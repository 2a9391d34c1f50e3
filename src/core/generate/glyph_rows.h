#pragma once
// The pixel rows of a glyph as the font files hold them. Each row is a sequence of run
// lengths of one byte, alternating between background and ink and starting with background
// (a row that starts with ink starts with 0), ended by the byte 255. The run open at the row
// end is not written: it fills the rest of the cell. A row without ink is the single byte 255.
//
// A byte can hold no run of 255 pixels or more, so such a run is written as 254, then 0 (an
// empty run of the other kind), then the rest, as often as needed.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pw {

constexpr std::uint8_t kGlyphRowEnd = 255;
constexpr int kLongestRunByte = 254;

// Appends a run of the given length, split as above when it is longer than a byte can hold.
void AppendGlyphRun(std::string& out, int length);

// Appends one row of width pixels and its row end. runs(span) calls span(left, right), both
// ends included, for each run of ink in the row, left to right. Returns whether the row has
// ink.
template <class Runs> bool AppendGlyphRow(std::string& out, int width, Runs&& runs) {
    int x = 0; // where the run of background before the next ink starts
    bool anyInk = false;
    runs([&](int left, int right) {
        AppendGlyphRun(out, left - x);
        x = right + 1;
        if (x < width) AppendGlyphRun(out, x - left);
        anyInk = true;
    });
    out += static_cast<char>(kGlyphRowEnd);
    return anyInk;
}

// Reads rows rows of a glyph width pixels wide from rows[at], calling span(row, x0, x1) for
// each run of ink, x0..x1 both included. Returns the position just past the last row end, or
// nothing when the bytes stop before the last row has ended or a row's runs pass the width.
template <class Span>
std::optional<std::size_t> WalkGlyphRows(std::string_view bytes, std::size_t at, int width,
                                         int rows, Span&& span) {
    for (int row = 0; row < rows; ++row) {
        int x = 0;
        bool inInk = false;
        for (;;) {
            if (at >= bytes.size()) return std::nullopt;
            const int b = static_cast<std::uint8_t>(bytes[at++]);
            if (b == kGlyphRowEnd) {
                if (inInk && x < width) span(row, x, width - 1);
                break;
            }
            if (b > width - x) return std::nullopt;
            if (inInk && b > 0) span(row, x, x + b - 1);
            x += b;
            inInk = !inInk;
        }
    }
    return at;
}

} // namespace pw
