#pragma once
// The nearest palette code to a screen colour, without a search.
//
// Every code but 255 is the colour (16(4R+I), 16(4G+I), 16(4B+I)) of its bits RRGGBBII. For a
// fixed grey level I the distance |r - red| + |g - green| + |b - blue| splits into three
// independent channel terms, so each channel picks its own nearest level. One table per
// channel holds, for each component value, the four answers (one per grey level) as 16-bit
// keys "distance << 8 | the channel's code bits"; adding the three tables' words adds the
// distances and assembles the codes, and the smallest of the four keys is the nearest code,
// the lower code winning a tie exactly as an ascending search does.
//
// Code 255 is pure white, not the (240, 240, 240) its bits stand for, so that grey exists in
// no key's place: a key whose code is 255 is replaced by the best of the grey level 3 colours
// that differ from it, and white is compared as a colour of its own.

#include "display/colour.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace pw {

namespace palette_match {

constexpr int Level(int value, int grey) {
    return 16 * (4 * value + grey);
}
constexpr int Distance(int a, int b) {
    return a < b ? b - a : a - b;
}

// shift: where the channel's two bits sit in the code (6 red, 4 green, 2 blue). The red
// table also carries the grey bits, so each code is assembled exactly once.
constexpr std::array<std::uint64_t, 256> ChannelTable(int shift) {
    std::array<std::uint64_t, 256> table{};
    for (int c = 0; c < 256; ++c) {
        std::uint64_t word = 0;
        for (int grey = 0; grey < 4; ++grey) {
            int best = 0;
            for (int v = 1; v < 4; ++v)
                if (Distance(c, Level(v, grey)) < Distance(c, Level(best, grey))) best = v;
            const int bits = (best << shift) | (shift == 6 ? grey : 0);
            const auto key =
                static_cast<std::uint64_t>((Distance(c, Level(best, grey)) << 8) | bits);
            word |= key << (16 * grey);
        }
        table[c] = word;
    }
    return table;
}

inline constexpr std::array<std::uint64_t, 256> kRed = ChannelTable(6);
inline constexpr std::array<std::uint64_t, 256> kGreen = ChannelTable(4);
inline constexpr std::array<std::uint64_t, 256> kBlue = ChannelTable(2);

constexpr unsigned Lane(std::uint64_t word, int grey) {
    return static_cast<unsigned>(word >> (16 * grey)) & 0xFFFFu;
}
// Written out so that it compiles to conditional moves, not branches: the matches of
// neighbouring pixels are too irregular to predict.
constexpr unsigned Min(unsigned a, unsigned b) {
    return b < a ? b : a;
}

// Grey level 3 when every channel chose level 3 (the grey 240 the palette lacks): the best
// colour left changes one channel to level 2. Each channel is strictly nearer to level 3, so
// changing more than one only adds distance; on equal distances red goes first, as it gives
// the lowest code (191, then 239, then 251).
constexpr unsigned GreyThreeWithoutGrey240(unsigned distance, int red, int green, int blue) {
    const auto extra = [](int c) {
        return static_cast<unsigned>(Distance(c, Level(2, 3)) - Distance(c, Level(3, 3)));
    };
    return Min(
        Min(((distance + extra(red)) << 8) | 0xBFu, ((distance + extra(green)) << 8) | 0xEFu),
        ((distance + extra(blue)) << 8) | 0xFBu);
}

} // namespace palette_match

// The nearest code 0..255 to a colour whose components are 0..255.
inline int NearestPaletteCode(int red, int green, int blue) {
    using namespace palette_match;
    const std::uint64_t word = kRed[red] + kGreen[green] + kBlue[blue];
    const unsigned lower = Min(Min(Lane(word, 0), Lane(word, 1)), Lane(word, 2));
    unsigned best = Min(lower, Lane(word, 3));
    // Only grey level 3 can produce the bits 255; when it won with them, look again without.
    if ((best & 0xFFu) == kWhiteCode) [[unlikely]]
        best = Min(lower, GreyThreeWithoutGrey240(best >> 8, red, green, blue));
    const auto white = static_cast<unsigned>(((3 * 255 - red - green - blue) << 8) | kWhiteCode);
    return static_cast<int>(Min(best, white) & 0xFFu);
}

// The screen components of the palette codes, for the dither error.
struct PaletteRgb {
    std::uint8_t red, green, blue;
};
constexpr std::array<PaletteRgb, 256> MakePaletteRgb() {
    std::array<PaletteRgb, 256> table{};
    for (int code = 0; code < 256; ++code) {
        const ScreenColour c = code == kWhiteCode ? MakeColour(255, 255, 255) : BitRuleColour(code);
        table[code] = {static_cast<std::uint8_t>(Red(c)), static_cast<std::uint8_t>(Green(c)),
                       static_cast<std::uint8_t>(Blue(c))};
    }
    return table;
}
inline constexpr std::array<PaletteRgb, 256> kPaletteRgb = MakePaletteRgb();

// One dithered match: the components are corrected by the running error, clamped, matched,
// and the error the chosen code leaves behind is kept for the next pixel.
inline int DitheredPaletteCode(std::array<std::int32_t, 3>& error, int red, int green, int blue) {
    red = std::clamp(red - error[0], 0, 255);
    green = std::clamp(green - error[1], 0, 255);
    blue = std::clamp(blue - error[2], 0, 255);
    const int code = NearestPaletteCode(red, green, blue);
    const PaletteRgb chosen = kPaletteRgb[code];
    error = {chosen.red - red, chosen.green - green, chosen.blue - blue};
    return code;
}

} // namespace pw
