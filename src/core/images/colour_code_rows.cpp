#include "images/colour_code_rows.h"

#include "images/palette_match.h"
#include "images/sixteen_rows.h"
#include "platform/page_backed.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace pw {

namespace {

// Appends one row of colour codes as runs: each code, then its run's length, the last run
// ending the row. Neighbouring pixels of a photograph change code too irregularly for a
// branch to be predicted, so every pixel writes its would-be length and code and the output
// only moves on where the code changed.
void AppendCodeRuns(std::vector<std::uint8_t>& data, const std::vector<std::uint8_t>& row) {
    const std::uint8_t* codes = row.data();
    const std::size_t count = row.size();
    const std::size_t start = data.size();
    // Each run but the last takes at most two bytes a pixel, the first code and the row end
    // one each: the row never needs more than this, the speculative writes included.
    data.resize(start + 2 * count + 2);
    std::uint8_t* out = data.data() + start;
    *out++ = codes[0];
    std::uint32_t run = 1;
    for (std::size_t x = 1; x < count;) {
        x = AppendRunsWide(codes, x, count, out, run);
        // Eight pixels, or what is left, one at a time: a long run in hand, or the row's end.
        std::uint8_t current = codes[x - 1];
        for (const std::size_t end = std::min(count, x + 8); x < end; ++x) {
            const std::uint8_t code = codes[x];
            // Arithmetic rather than conditions, which the compiler would turn back into jumps.
            const std::uint32_t changed = code != current;
            if ((changed & (run >= kLengthContinues)) != 0) [[unlikely]]
                for (; run >= kLengthContinues; run -= kLengthContinues) *out++ = kLengthContinues;
            out[0] = static_cast<std::uint8_t>(run);
            out[1] = code;
            out += changed << 1;
            run = (run & (changed - 1)) + 1; // 1 after a change, else one more
            current = code;
        }
    }
    *out++ = kRowEnd;
    data.resize(static_cast<std::size_t>(out - data.data()));
}

// Rows converted side by side. The dither error starts afresh at every row, so the rows of a
// group never wait for one another: the processor overlaps their chains of dependent steps,
// where one row alone would leave it waiting on each pixel's error.
constexpr int kRowGroup = 4;
using RowCodes = std::array<std::vector<std::uint8_t>, kRowGroup>;

// The codes of count rows from first, each dithered from no error. Returns the error the last
// of them left.
std::array<std::int32_t, 3> DitherRows(const PixelRows& pixels, int first, int count,
                                       RowCodes& codes) {
    std::array<const std::uint8_t*, kRowGroup> rows{};
    for (int k = 0; k < count; ++k) rows[k] = pixels.Row(first + k);
    std::array<std::array<std::int32_t, 3>, kRowGroup> error{};
    for (std::size_t x = 0; x < codes[0].size(); ++x) {
        for (int k = 0; k < count; ++k) {
            const std::uint8_t* p = rows[k] + 3 * x; // blue, green, red
            codes[k][x] =
                static_cast<std::uint8_t>(DitheredPaletteCode(error[k], p[2], p[1], p[0]));
        }
    }
    return error[count - 1];
}

void MatchRow(const std::uint8_t* p, std::vector<std::uint8_t>& codes) {
    const auto width = static_cast<std::int32_t>(codes.size());
    if (SixteenWideFit(width)) return MatchSixteenWide(p, width, codes.data());
    for (std::uint8_t& code : codes) {
        code = static_cast<std::uint8_t>(NearestPaletteCode(p[2], p[1], p[0]));
        p += 3;
    }
}

// Every tenth row is shown on the progress.
void RowDone(ImageBank& images, int done, int height) {
    if (done % 10 == 0)
        images.progress->Step(done, height,
                              "Row " + std::to_string(done) + " of " + std::to_string(height));
}

void DitherSixteenRows(ImageBank& images, cImage& image, const PixelRows& rows) {
    const auto width = static_cast<std::size_t>(rows.width);
    std::vector<std::uint8_t> tile(kWideRows * width), codes(width);
    for (int r = 0; r < rows.height; r += kWideRows) {
        const int count = std::min(kWideRows, rows.height - r);
        images.DitherError = MatchSixteenRows(rows, r, count, tile.data());
        for (int k = 0; k < count; ++k) {
            for (std::size_t x = 0; x < width; ++x) codes[x] = tile[kWideRows * x + k];
            AppendCodeRuns(image.Data, codes);
            RowDone(images, r + k + 1, rows.height);
        }
    }
}

} // namespace

void EncodeColourCodes(ImageBank& images, cImage& image, const PixelRows& rows) {
    // Room for the most the rows can take, asked for once: growing by doubling would copy a
    // large picture's runs again and again into fresh memory, each page of it a fault. Only
    // what the runs fill is ever touched.
    ReserveInHugePages(image.Data, static_cast<std::size_t>(rows.height) *
                                       (2 * static_cast<std::size_t>(rows.width) + 2));
    // Nothing can change the switch while a picture is read, so it is looked at once.
    const bool dither = images.Dither;
    if (dither && SixteenRowsFit(rows)) return DitherSixteenRows(images, image, rows);
    const std::int32_t height = rows.height;
    RowCodes codes;
    for (auto& row : codes) row.resize(static_cast<std::size_t>(rows.width));
    for (int r = 0; r < height; r += kRowGroup) {
        const int count = std::min(kRowGroup, height - r);
        if (dither)
            images.DitherError = DitherRows(rows, r, count, codes);
        else
            for (int k = 0; k < count; ++k) MatchRow(rows.Row(r + k), codes[k]);
        for (int k = 0; k < count; ++k) {
            AppendCodeRuns(image.Data, codes[k]);
            RowDone(images, r + k + 1, height);
        }
    }
}

} // namespace pw
