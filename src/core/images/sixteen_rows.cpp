#include "images/sixteen_rows.h"

#include "platform/avx2.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace pw {

#ifdef PW_HAVE_AVX2_TARGET

namespace {

using V = __m256i;

PW_AVX2_INLINE V Lanes(int value) {
    return _mm256_set1_epi16(static_cast<short>(value));
}

// The codes are the bits RRGGBBII with levels 16(4v + I) per channel, so for one grey level
// I each channel picks its own nearest level v. For a component c the level index is
// (c - 16I + 31) / 64 rounded down and kept to 0..3, which gives the lower level on a tie.
struct Level {
    V distance;
    V times64; // v << 6: the red bits of the code where they stand
};
PW_AVX2_INLINE Level NearestLevel(V c, int grey) {
    const V t = _mm256_sub_epi16(c, Lanes(16 * grey));
    const V above = _mm256_max_epi16(_mm256_add_epi16(t, Lanes(31)), _mm256_setzero_si256());
    const V times64 = _mm256_min_epi16(_mm256_and_si256(above, Lanes(~63)), Lanes(192));
    return {_mm256_abs_epi16(_mm256_sub_epi16(t, times64)), times64};
}

// "distance << 8 | code" of the nearest colour of one grey level: the smaller key is the
// nearer colour, the lower code on equal distances.
PW_AVX2_INLINE V GreyKey(V red, V green, V blue, int grey) {
    const Level r = NearestLevel(red, grey), g = NearestLevel(green, grey),
                b = NearestLevel(blue, grey);
    const V distance = _mm256_add_epi16(_mm256_add_epi16(r.distance, g.distance), b.distance);
    const V code = _mm256_or_si256(
        _mm256_or_si256(r.times64, _mm256_srli_epi16(g.times64, 2)),
        _mm256_or_si256(_mm256_srli_epi16(b.times64, 4), Lanes(grey)));
    return _mm256_or_si256(_mm256_slli_epi16(distance, 8), code);
}

// How much further level 2 of grey level 3 (176) is than level 3 (240).
PW_AVX2_INLINE V LevelTwoExtra(V c) {
    return _mm256_sub_epi16(_mm256_abs_epi16(_mm256_sub_epi16(c, Lanes(176))),
                            _mm256_abs_epi16(_mm256_sub_epi16(c, Lanes(240))));
}

// The key of grey level 3 with one channel, whose code bit is bit, moved to level 2.
PW_AVX2_INLINE V MovedToTwo(V three, V c, int bit) {
    return _mm256_add_epi16(three,
                            _mm256_sub_epi16(_mm256_slli_epi16(LevelTwoExtra(c), 8), Lanes(bit)));
}

// The nearest codes of components 0..255.
PW_AVX2_INLINE V NearestCodes(V red, V green, V blue) {
    const V lower = _mm256_min_epu16(
        _mm256_min_epu16(GreyKey(red, green, blue, 0), GreyKey(red, green, blue, 1)),
        GreyKey(red, green, blue, 2));
    V three = GreyKey(red, green, blue, 3);
    // Code 255 is white, not the grey 240 its bits stand for: where grey level 3 came to
    // those bits, its best colour is the one with a single channel moved to level 2, red
    // first on equal distances as that is the lowest code.
    const V without240 =
        _mm256_min_epu16(_mm256_min_epu16(MovedToTwo(three, red, 64), MovedToTwo(three, green, 16)),
                         MovedToTwo(three, blue, 4));
    const V grey240 = _mm256_cmpeq_epi16(_mm256_and_si256(three, Lanes(0xFF)), Lanes(0xFF));
    three = _mm256_blendv_epi8(three, without240, grey240);
    // White as a colour of its own. Every colour has a code within 189, so a white distance
    // kept to 255 loses wherever the true one would.
    const V sum = _mm256_add_epi16(_mm256_add_epi16(red, green), blue);
    const V white = _mm256_min_epi16(_mm256_sub_epi16(Lanes(3 * 255), sum), Lanes(255));
    const V whiteKey = _mm256_or_si256(_mm256_slli_epi16(white, 8), Lanes(0xFF));
    const V best = _mm256_min_epu16(_mm256_min_epu16(lower, three), whiteKey);
    return _mm256_and_si256(best, Lanes(0xFF));
}

// The screen components of codes, 255 being pure white.
struct Rgb {
    V red, green, blue;
};
PW_AVX2_INLINE Rgb CodeColours(V code) {
    const V grey = _mm256_slli_epi16(_mm256_and_si256(code, Lanes(3)), 4);
    const V white = _mm256_and_si256(_mm256_cmpeq_epi16(code, Lanes(0xFF)), Lanes(15));
    const V extra = _mm256_add_epi16(grey, white);
    return {_mm256_add_epi16(_mm256_and_si256(code, Lanes(0xC0)), extra),
            _mm256_add_epi16(_mm256_slli_epi16(_mm256_and_si256(code, Lanes(0x30)), 2), extra),
            _mm256_add_epi16(_mm256_slli_epi16(_mm256_and_si256(code, Lanes(0x0C)), 4), extra)};
}

PW_AVX2_INLINE V Clamp(V c) {
    return _mm256_min_epi16(_mm256_max_epi16(c, _mm256_setzero_si256()), Lanes(255));
}

// The byte at shift of every 32-bit lane of a and b, as sixteen 16-bit lanes.
PW_AVX2_INLINE V Channel(V a, V b, int shift) {
    const V mask = _mm256_set1_epi32(0xFF);
    return _mm256_packus_epi32(_mm256_and_si256(_mm256_srli_epi32(a, shift), mask),
                               _mm256_and_si256(_mm256_srli_epi32(b, shift), mask));
}

// One pixel of each of the sixteen rows. Each lane reads the four bytes at word: pixel x's
// blue, green and red start at byte Shift / 8 of it.
template <int Shift> struct PixelLoad {
    PW_AVX2_INLINE static Rgb At(const std::uint8_t* word, V firstHalf, V secondHalf) {
        const auto* base = reinterpret_cast<const int*>(word);
        const V a = _mm256_i32gather_epi32(base, firstHalf, 1);
        const V b = _mm256_i32gather_epi32(base, secondHalf, 1);
        return {Channel(a, b, Shift + 16), Channel(a, b, Shift + 8), Channel(a, b, Shift)};
    }
};

PW_AVX2 std::array<std::int32_t, 3> Match(const PixelRows& rows, int first, int count,
                                          std::uint8_t* tile) {
    // Lane k reads row first + k; the rows beyond the count repeat the last one. The packing
    // of two eight-lane gathers interleaves their halves, so each takes the rows that put
    // the sixteen back in order.
    std::array<int, kWideRows> offset{};
    for (int k = 0; k < kWideRows; ++k)
        offset[k] = static_cast<int>(std::min(k, count - 1) * rows.step);
    const V firstHalf = _mm256_setr_epi32(offset[0], offset[1], offset[2], offset[3], offset[8],
                                          offset[9], offset[10], offset[11]);
    const V secondHalf = _mm256_setr_epi32(offset[4], offset[5], offset[6], offset[7],
                                           offset[12], offset[13], offset[14], offset[15]);
    const std::uint8_t* top = rows.Row(first);
    Rgb error{_mm256_setzero_si256(), _mm256_setzero_si256(), _mm256_setzero_si256()};
    for (std::int32_t x = 0; x < rows.width; ++x) {
        // The first pixel's word is its own three bytes and the next one's first; every later
        // pixel's word starts at the byte before it, so that no lane reads past its row.
        const Rgb read = x == 0 ? PixelLoad<0>::At(top, firstHalf, secondHalf)
                                : PixelLoad<8>::At(top + 3 * x - 1, firstHalf, secondHalf);
        const Rgb in = {Clamp(_mm256_sub_epi16(read.red, error.red)),
                        Clamp(_mm256_sub_epi16(read.green, error.green)),
                        Clamp(_mm256_sub_epi16(read.blue, error.blue))};
        const V code = NearestCodes(in.red, in.green, in.blue);
        const Rgb chosen = CodeColours(code);
        error = {_mm256_sub_epi16(chosen.red, in.red), _mm256_sub_epi16(chosen.green, in.green),
                 _mm256_sub_epi16(chosen.blue, in.blue)};
        const __m128i bytes =
            _mm_packus_epi16(_mm256_castsi256_si128(code), _mm256_extracti128_si256(code, 1));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(tile + kWideRows * x), bytes);
    }
    std::array<std::array<std::int16_t, kWideRows>, 3> left{};
    _mm256_storeu_si256(reinterpret_cast<V*>(left[0].data()), error.red);
    _mm256_storeu_si256(reinterpret_cast<V*>(left[1].data()), error.green);
    _mm256_storeu_si256(reinterpret_cast<V*>(left[2].data()), error.blue);
    return {left[0][count - 1], left[1][count - 1], left[2][count - 1]};
}

// Where pixel i's byte of channel (0 blue, 1 green, 2 red) sits within the chunk'th sixteen
// bytes of sixteen pixels; 0x80 (none) where it sits in another chunk.
using Picks = std::array<std::array<std::array<std::int8_t, 16>, 3>, 3>; // [channel][chunk]
constexpr Picks ChunkPicks() {
    Picks picks{};
    for (int channel = 0; channel < 3; ++channel)
        for (int chunk = 0; chunk < 3; ++chunk)
            for (int i = 0; i < 16; ++i) {
                const int at = 3 * i + channel - 16 * chunk;
                picks[channel][chunk][i] = static_cast<std::int8_t>(at >= 0 && at < 16 ? at : 0x80);
            }
    return picks;
}
alignas(16) constexpr Picks kChunkPicks = ChunkPicks();

PW_AVX2_INLINE V ChannelOfSixteen(const __m128i (&chunks)[3], int channel) {
    __m128i bytes = _mm_setzero_si128();
    for (int chunk = 0; chunk < 3; ++chunk) {
        const auto* picks = reinterpret_cast<const __m128i*>(kChunkPicks[channel][chunk].data());
        bytes = _mm_or_si128(bytes, _mm_shuffle_epi8(chunks[chunk], _mm_load_si128(picks)));
    }
    return _mm256_cvtepu8_epi16(bytes);
}

PW_AVX2_INLINE void MatchRowWide(const std::uint8_t* row, std::int32_t width,
                                  std::uint8_t* codes) {
    // The last sixteen pixels are matched again where the width is no multiple of sixteen:
    // the same pixels give the same codes.
    for (std::int32_t x = 0; x < width; x += 16) {
        x = std::min(x, width - 16);
        const std::uint8_t* p = row + 3 * x;
        const __m128i chunks[3] = {_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)),
                                   _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16)),
                                   _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 32))};
        const V code = NearestCodes(ChannelOfSixteen(chunks, 2), ChannelOfSixteen(chunks, 1),
                                    ChannelOfSixteen(chunks, 0));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(codes + x),
                         _mm_packus_epi16(_mm256_castsi256_si128(code),
                                          _mm256_extracti128_si256(code, 1)));
    }
}

// A run this long or shorter in hand before eight pixels keeps every length they end below
// the mark of a continued one, and every position within a byte.
constexpr int kShortRun = 100;

// For each pattern of changed pixels among eight, the bytes of their (length, code) pairs,
// in order, packed to the front.
using Packing = std::array<std::array<std::int8_t, 16>, 256>;
constexpr Packing Packings() {
    Packing packing{};
    for (int changed = 0; changed < 256; ++changed) {
        int to = 0;
        for (int i = 0; i < 8; ++i)
            if (changed & (1 << i)) {
                packing[changed][to++] = static_cast<std::int8_t>(2 * i);
                packing[changed][to++] = static_cast<std::int8_t>(2 * i + 1);
            }
        while (to < 16) packing[changed][to++] = static_cast<std::int8_t>(0x80);
    }
    return packing;
}
alignas(16) constexpr Packing kPackings = Packings();

PW_AVX2 std::size_t RunsWide(const std::uint8_t* codes, std::size_t x, std::size_t count,
                             std::uint8_t*& out, std::uint32_t& run) {
    if (run > kShortRun) return x;
    const __m128i position = _mm_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 0, 0, 0, 0, 0, 0, 0, 0);
    // Where the run in hand began, counted from the first of the eight pixels.
    int begun = -static_cast<int>(run);
    for (; x + 8 <= count && begun >= -kShortRun; x += 8) {
        const __m128i now = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(codes + x));
        const __m128i before = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(codes + x - 1));
        const __m128i same = _mm_cmpeq_epi8(now, before);
        const auto changed = static_cast<unsigned>(~_mm_movemask_epi8(same)) & 0xFFu;
        // Each pixel's run began at the last change up to it: a running maximum of the
        // changed pixels' positions, shifted in from where the run in hand began.
        const __m128i from = _mm_set1_epi8(static_cast<char>(begun));
        __m128i began = _mm_blendv_epi8(position, from, same);
        began = _mm_max_epi8(began, _mm_alignr_epi8(began, from, 15));
        began = _mm_max_epi8(began, _mm_alignr_epi8(began, from, 14));
        began = _mm_max_epi8(began, _mm_alignr_epi8(began, from, 12));
        // A changed pixel ends the run that began before it.
        const __m128i length = _mm_sub_epi8(position, _mm_alignr_epi8(began, from, 15));
        const auto* packing = reinterpret_cast<const __m128i*>(kPackings[changed].data());
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out),
                         _mm_shuffle_epi8(_mm_unpacklo_epi8(length, now), _mm_load_si128(packing)));
        out += 2 * __builtin_popcount(changed);
        begun = static_cast<std::int8_t>(_mm_extract_epi8(began, 7)) - 8;
    }
    run = static_cast<std::uint32_t>(-begun);
    return x;
}

PW_AVX2 void MatchRowAvx2(const std::uint8_t* row, std::int32_t width, std::uint8_t* codes) {
    MatchRowWide(row, width, codes);
}
// The same instructions with twice the registers to keep the constants and keys in.
#define PW_AVX512 __attribute__((target("avx2,popcnt,avx512f,avx512vl,avx512bw")))
PW_AVX512 void MatchRowAvx512(const std::uint8_t* row, std::int32_t width, std::uint8_t* codes) {
    MatchRowWide(row, width, codes);
}

bool HasAvx512() {
    static const bool has = __builtin_cpu_supports("avx512vl") && __builtin_cpu_supports("avx512bw");
    return has;
}

} // namespace

bool SixteenRowsFit(const PixelRows& rows) {
    const std::ptrdiff_t reach = std::abs(rows.step) * (kWideRows - 1);
    return ProcessorHasAvx2() && rows.width >= 2 && reach <= std::numeric_limits<int>::max();
}

std::array<std::int32_t, 3> MatchSixteenRows(const PixelRows& rows, int first, int count,
                                             std::uint8_t* tile) {
    return Match(rows, first, count, tile);
}

bool SixteenWideFit(std::int32_t width) {
    return ProcessorHasAvx2() && width >= 16;
}

void MatchSixteenWide(const std::uint8_t* row, std::int32_t width, std::uint8_t* codes) {
    (HasAvx512() ? MatchRowAvx512 : MatchRowAvx2)(row, width, codes);
}

std::size_t AppendRunsWide(const std::uint8_t* codes, std::size_t x, std::size_t count,
                           std::uint8_t*& out, std::uint32_t& run) {
    return ProcessorHasAvx2() ? RunsWide(codes, x, count, out, run) : x;
}

#else

// Other processors convert a pixel at a time: SixteenRowsFit says no and nothing calls here.
bool SixteenRowsFit(const PixelRows&) {
    return false;
}

std::array<std::int32_t, 3> MatchSixteenRows(const PixelRows&, int, int, std::uint8_t*) {
    std::abort();
}

bool SixteenWideFit(std::int32_t) {
    return false;
}

void MatchSixteenWide(const std::uint8_t*, std::int32_t, std::uint8_t*) {
    std::abort();
}

std::size_t AppendRunsWide(const std::uint8_t*, std::size_t x, std::size_t, std::uint8_t*&,
                           std::uint32_t&) {
    return x;
}

#endif

} // namespace pw
