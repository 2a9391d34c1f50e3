#pragma once
// Font rasterising done the plain way: for every character the whole 800 x 800 work area is
// cleared to grey, the character is drawn black on its white cell, the cell is measured by
// counting pixels up to the grey, and every pixel is read with Pixel(x, y) and every byte
// pushed on its own. It states what the rasteriser must produce and is what it is timed
// against. It trusts its input: only for the fonts the benchmarks and tests choose.

#include "platform/raster_canvas.h"
#include "platform/text_engine.h"
#include "display/colour.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace pw::reference {

struct FontFile {
    std::string bytes; // empty when no glyph was rendered
    std::int32_t result = 0;
};

inline FontFile RasteriseFontFile(TextEngine& engine, const FontDesc& font,
                                  const std::string& characters, std::int32_t limit) {
    const ScreenColour grey = MakeColour(128, 128, 128);
    std::vector<int> codes;
    if (characters.empty()) {
        for (int c = 32; c <= 127; ++c) codes.push_back(c);
    } else {
        for (const char ch : characters)
            if (static_cast<unsigned char>(ch) < 128) codes.push_back(ch);
    }
    RasterCanvas area(800, 800, grey);
    std::vector<std::uint8_t> data;
    std::array<int, 128> start{}, end{};
    std::array<bool, 128> present{};
    int cellHeight = 0, topMargin = 10000;
    // The cell height, measured once on a space: the first character may be a line break,
    // whose cell has no width to count down.
    engine.Draw(area, font, 0, 0, " ", MakeColour(0, 0, 0), MakeColour(255, 255, 255));
    while (cellHeight < 1000 && area.Pixel(0, cellHeight) != grey) ++cellHeight;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const int c = codes[i];
        const bool last =
            i + 1 == codes.size() || (limit != 0 && static_cast<std::int32_t>(data.size()) > limit);
        area.FillRect({0, 0, 799, 799}, grey);
        engine.Draw(area, font, 0, 0, std::string(1, static_cast<char>(c)), MakeColour(0, 0, 0),
                    MakeColour(255, 255, 255));
        present[c] = true;
        int width = 0;
        while (width < 1000 && area.Pixel(width, 0) != grey) ++width;
        start[c] = static_cast<int>(data.size());
        data.push_back(static_cast<std::uint8_t>(width & 0xFF));
        data.push_back(static_cast<std::uint8_t>(width >> 8));
        int blankRows = 0;
        bool inked = false;
        for (int y = 0; y < cellHeight; ++y) {
            bool ink = false, rowInk = false;
            int run = 0;
            for (int x = 0; x < width; ++x) {
                const bool pixelInk = Blue(area.Pixel(x, y)) < 176;
                rowInk = rowInk || pixelInk;
                if (pixelInk != ink) {
                    while (run > 254) {
                        data.push_back(254);
                        data.push_back(0);
                        run -= 254;
                    }
                    data.push_back(static_cast<std::uint8_t>(run));
                    run = 0;
                    ink = pixelInk;
                }
                ++run;
            }
            data.push_back(255);
            if (rowInk && !inked) {
                inked = true;
                topMargin = std::min(topMargin, blankRows);
            }
            if (!inked) ++blankRows;
        }
        end[c] = static_cast<int>(data.size());
        if (last) break;
    }
    if (topMargin == 10000) topMargin = 0;

    FontFile file;
    file.result = static_cast<std::int32_t>(data.size()) + 528;
    if (data.empty()) return file;
    const auto put32 = [&](std::uint32_t v) {
        for (int b = 0; b < 4; ++b) file.bytes.push_back(static_cast<char>(v >> (8 * b)));
    };
    put32(static_cast<std::uint32_t>(cellHeight - topMargin));
    put32(static_cast<std::uint32_t>(topMargin));
    put32(static_cast<std::uint32_t>(font.height));
    put32(0);
    std::uint32_t offset = 528;
    for (int c = 0; c < 128; ++c) {
        put32(present[c] ? offset : 0);
        if (present[c]) offset += end[c] - start[c] - topMargin;
    }
    for (int c = 0; c < 128; ++c) {
        if (!present[c]) continue;
        file.bytes.push_back(static_cast<char>(data[start[c]]));
        file.bytes.push_back(static_cast<char>(data[start[c] + 1]));
        for (int at = start[c] + 2 + topMargin; at < end[c]; ++at)
            file.bytes.push_back(static_cast<char>(data[at]));
    }
    return file;
}

} // namespace pw::reference
