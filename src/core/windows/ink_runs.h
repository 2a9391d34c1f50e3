#pragma once
// The ink of a row of a glyph's cell drawn black on white, as runs: what the glyph cache
// keeps of a glyph and what a font file encodes.

#include "display/colour.h"

#include <algorithm>
#include <bit>
#include <cstdint>

#if defined(__x86_64__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace pw {

// A pixel of a glyph drawn black on white is ink when its blue component is below this:
// black text and dark greys.
constexpr int kInkBlueBelow = 176;
constexpr bool IsInk(ScreenColour pixel) {
    return Blue(pixel) < kInkBlueBelow;
}

// Bit k set when pixel k of the count (at most 64) is ink.
inline std::uint64_t InkMask(const ScreenColour* pixels, int count) {
    std::uint64_t mask = 0;
    int k = 0;
#if defined(__x86_64__) || defined(_M_X64)
    // Four pixels a step: their blue bytes compared at once, one bit each.
    const __m128i blue = _mm_set1_epi32(0xFF), below = _mm_set1_epi32(kInkBlueBelow);
    for (; k + 4 <= count; k += 4) {
        const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + k));
        const __m128i ink = _mm_cmplt_epi32(_mm_and_si128(four, blue), below);
        mask |= static_cast<std::uint64_t>(_mm_movemask_ps(_mm_castsi128_ps(ink))) << k;
    }
#endif
    for (; k < count; ++k) mask |= static_cast<std::uint64_t>(IsInk(pixels[k])) << k;
    return mask;
}

// Calls run(left, right), both ends included, for each run of ink among the first width
// pixels of the row, left to right. The row is taken 64 pixels at a time as a mask of its
// ink, whose runs are found a whole run at a time rather than a pixel at a time.
template <class Run> void ForEachInkRun(const ScreenColour* row, int width, Run&& run) {
    int open = -1; // the left end of a run that goes on into the next 64 pixels
    for (int base = 0; base < width; base += 64) {
        const int count = std::min(64, width - base);
        const std::uint64_t ink = InkMask(row + base, count);
        const std::uint64_t inside = count == 64 ? ~0ULL : (1ULL << count) - 1;
        const std::uint64_t gaps = ~ink & inside;
        int k = 0; // below 64 wherever a mask is shifted by it
        while (k < count) {
            if (open < 0) {
                const std::uint64_t ahead = ink >> k;
                if (ahead == 0) break;
                k += std::countr_zero(ahead);
                open = base + k;
            }
            const std::uint64_t ends = gaps >> k;
            if (ends == 0) break;
            k += std::countr_zero(ends);
            run(open, base + k - 1);
            open = -1;
        }
    }
    if (open >= 0) run(open, width - 1);
}

} // namespace pw
