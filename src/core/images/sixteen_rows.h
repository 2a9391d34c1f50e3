#pragma once
// Colour codes sixteen at a time, in the 16-bit lanes of a 256-bit vector, on processors that
// have such vectors: the same answers as a pixel at a time, byte for byte, in a fraction of
// the time. Plain matching takes sixteen neighbouring pixels of a row. Dithering carries an
// error along each row, so there each lane is a row of its own: the rows' errors never meet,
// and one row's chain of dependent steps runs beside fifteen others.

#include "images/colour_code_rows.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace pw {

constexpr int kWideRows = 16;

// Whether this processor and row width can go through MatchSixteenWide.
bool SixteenWideFit(std::int32_t width);

// The nearest codes of a row's width pixels (blue, green, red) into codes.
void MatchSixteenWide(const std::uint8_t* row, std::int32_t width, std::uint8_t* codes);

// Appends the runs of codes[x..count) as a pixel at a time would, eight pixels at a time for
// as long as the run in hand is short: out is where the bytes go, run the length of the run
// in hand, which codes[x - 1] is the last pixel of. Returns where it stopped, which is x
// where it cannot start.
std::size_t AppendRunsWide(const std::uint8_t* codes, std::size_t x, std::size_t count,
                           std::uint8_t*& out, std::uint32_t& run);

// Whether this processor and picture can go through MatchSixteenRows: rows of at least two
// pixels, no further apart than a vector's offsets reach.
bool SixteenRowsFit(const PixelRows& rows);

// The dithered codes of count (1..16) rows from first into tile, sixteen bytes a pixel:
// tile[16x + k] is row first + k's code at x, each row dithered from no error. Returns the
// error the last of them left, as a pixel-at-a-time match would.
std::array<std::int32_t, 3> MatchSixteenRows(const PixelRows& rows, int first, int count,
                                             std::uint8_t* tile);

} // namespace pw
