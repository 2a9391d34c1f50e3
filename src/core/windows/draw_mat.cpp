#include "windows/draw_mat.h"

#include "display/colour.h"
#include "images/nearest_code.h"
#include "platform/avx2.h"
#include "windows/draw_placeholder.h"
#include "windows/mat_row_starts.h"
#include "windows/random.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <span>
#include <utility>

namespace pw {

std::uint32_t MatMask(std::int32_t texture) {
    if (texture < 0) return TextureSeeds[0];
    if (texture < static_cast<std::int32_t>(TextureSeeds.size())) return TextureSeeds[texture];
    return static_cast<std::uint32_t>(texture);
}

namespace {

// A transparent end of the gradient has no colour of its own; it takes the display's
// background colour, which stands in for transparency everywhere else.
ScreenColour LevelEnd(std::int32_t backgroundColour, int code) {
    return ColourOf(code == kTransparent ? backgroundColour : code);
}

// x mod d for a divisor fixed for a whole mat, by a multiplication and shifts instead of a
// division per pixel (the method compilers use for constant divisors, exact for every 32-bit
// x): with l = ceil(log2 d) and m = floor(2^32 (2^l - d) / d) + 1, the quotient is
// (t + (x - t) / 2) >> (l - 1) where t = (m x) >> 32.
class Modulo {
public:
    explicit Modulo(std::uint32_t d)
        : d_(d), shift_(std::bit_width(d - 1) - 1),
          m_(static_cast<std::uint32_t>(((std::uint64_t{1} << 32) *
                                         ((std::uint64_t{1} << (shift_ + 1)) - d)) / d + 1)) {}
    std::uint32_t Of(std::uint32_t x) const {
        const auto t = static_cast<std::uint32_t>((static_cast<std::uint64_t>(m_) * x) >> 32);
        return x - ((t + ((x - t) >> 1)) >> shift_) * d_;
    }
#ifdef PW_HAVE_AVX2_TARGET
    // The same for the eight numbers of the lanes.
    PW_AVX2_INLINE __m256i Of(__m256i x) const {
        const __m256i m = _mm256_set1_epi32(static_cast<int>(m_));
        const __m256i even = _mm256_srli_epi64(_mm256_mul_epu32(x, m), 32);
        const __m256i odd = _mm256_mul_epu32(_mm256_srli_epi64(x, 32), m);
        const __m256i t = _mm256_blend_epi32(even, odd, 0xAA);
        const __m256i q =
            _mm256_srl_epi32(_mm256_add_epi32(t, _mm256_srli_epi32(_mm256_sub_epi32(x, t), 1)),
                             _mm_cvtsi32_si128(shift_));
        return _mm256_sub_epi32(x, _mm256_mullo_epi32(q, _mm256_set1_epi32(static_cast<int>(d_))));
    }
#endif

private:
    std::uint32_t d_;
    int shift_; // l - 1; d is at least 2
    std::uint32_t m_;
};

// Rows drawn side by side: each row's numbers follow one another, but rows whose starts are
// known do not wait for each other.
constexpr std::size_t kMatLanes = 2;

struct MatRows {
    RasterCanvas& canvas;
    Rect shown;
    int skipLeft; // numbers of each row left of the canvas
    std::uint32_t mask;
    Modulo level;
    const ScreenColour* levels;

    template <std::size_t Lanes> void Draw(int top, const std::uint32_t* start) const {
        Lanes_(top, start, std::make_index_sequence<Lanes>{});
    }
#ifdef PW_HAVE_AVX2_TARGET
    // Eight rows at once, one in each lane: eight numbers of every row are made, and the
    // block of 8 x 8 pixels is turned so that each row's eight are stored together.
    PW_AVX2 void DrawEight(int top, const std::uint32_t* start) const {
        const __m256i m = _mm256_set1_epi32(static_cast<int>(mask));
        const auto* table = reinterpret_cast<const int*>(levels);
        __m256i state = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(start));
        for (int j = 0; j < skipLeft; ++j) state = Next(state, m);
        std::uint32_t* pixel[8];
        for (int k = 0; k < 8; ++k) pixel[k] = canvas.Row(top + k) + shown.left;
        const int width = shown.Width();
        int x = 0;
        for (; x + 8 <= width; x += 8) {
            __m256i block[8];
            for (__m256i& column : block) {
                state = Next(state, m);
                column = _mm256_i32gather_epi32(table, level.Of(state), 4);
            }
            Turn(block);
            for (int k = 0; k < 8; ++k)
                _mm256_storeu_si256(reinterpret_cast<__m256i*>(pixel[k] + x), block[k]);
        }
        for (; x < width; ++x) {
            state = Next(state, m);
            alignas(32) std::uint32_t column[8];
            _mm256_store_si256(reinterpret_cast<__m256i*>(column),
                               _mm256_i32gather_epi32(table, level.Of(state), 4));
            for (int k = 0; k < 8; ++k) pixel[k][x] = column[k];
        }
    }
#endif

private:
#ifdef PW_HAVE_AVX2_TARGET
    PW_AVX2_INLINE static __m256i Next(__m256i state, __m256i mask) {
        return _mm256_add_epi32(_mm256_srli_epi32(state, 31),
                                _mm256_xor_si256(_mm256_slli_epi32(state, 1), mask));
    }
    // Rows become columns: block[j] lane k goes to block[k] lane j.
    PW_AVX2_INLINE static void Turn(__m256i* block) {
        __m256i a[8], b[8];
        for (int i = 0; i < 8; i += 2) {
            a[i] = _mm256_unpacklo_epi32(block[i], block[i + 1]);
            a[i + 1] = _mm256_unpackhi_epi32(block[i], block[i + 1]);
        }
        for (int i = 0; i < 8; i += 4)
            for (int h = 0; h < 2; ++h) {
                b[i + 2 * h] = _mm256_unpacklo_epi64(a[i + h], a[i + 2 + h]);
                b[i + 2 * h + 1] = _mm256_unpackhi_epi64(a[i + h], a[i + 2 + h]);
            }
        for (int i = 0; i < 4; ++i) {
            block[i] = _mm256_permute2x128_si256(b[i], b[i + 4], 0x20);
            block[i + 4] = _mm256_permute2x128_si256(b[i], b[i + 4], 0x31);
        }
    }
#endif
    // Each lane spelt out, so that the compiler keeps every row's state in a register.
    template <std::size_t... K>
    void Lanes_(int top, const std::uint32_t* start, std::index_sequence<K...>) const {
        std::uint32_t state[] = {start[K]...};
        std::uint32_t* pixel[] = {(canvas.Row(top + static_cast<int>(K)) + shown.left)...};
        for (int j = 0; j < skipLeft; ++j) ((state[K] = NextState(state[K], mask)), ...);
        const int width = shown.Width();
        for (int x = 0; x < width; ++x)
            ((state[K] = NextState(state[K], mask), pixel[K][x] = levels[level.Of(state[K])]), ...);
    }
};

} // namespace

std::vector<ScreenColour> MatLevels(View& view, std::int32_t backgroundColour, const cWindow& w, int n) {
    const ScreenColour c0 = LevelEnd(backgroundColour, w.BG0), c1 = LevelEnd(backgroundColour, w.BG);
    const auto blend = [n](int i, int a, int b) { return ((n - 1 - i) * a + i * b) / (n - 1); };
    std::vector<ScreenColour> levels(n);
    for (int i = 0; i < n; ++i)
        levels[i] =
            ColourOf(NearestCode(view.images, blend(i, Red(c0), Red(c1)), blend(i, Green(c0), Green(c1)),
                                 blend(i, Blue(c0), Blue(c1))));
    return levels;
}

namespace {

bool ShownAsPlaceholder(const View& view, const cWindow& w) {
    // In floating point: the sides of a window from a hand-edited file can each span the
    // whole int range, and their product would leave even a long long.
    const double area = static_cast<double>(static_cast<long long>(w.X1) - w.X0) *
                        static_cast<double>(static_cast<long long>(w.Y1) - w.Y0);
    return view.ViewMode == vmDesign && area >= kLargeMatArea;
}

bool LevelsInRange(const cWindow& w) {
    return w.Parameter >= 2 && w.Parameter <= 255;
}

} // namespace

bool MatCoversArea(const View& view, const cWindow& w) {
    return LevelsInRange(w) && !ShownAsPlaceholder(view, w);
}

void DrawMat(View& view, std::int32_t backgroundColour, const cWindow& w, const Rect& r) {
    const int n = w.Parameter;
    if (!LevelsInRange(w)) return;
    if (ShownAsPlaceholder(view, w))
        return DrawPlaceholder(view, backgroundColour, r,
                               "Mat " + std::to_string(w.FontSize) + ", " + std::to_string(n));

    const std::uint32_t mask = MatMask(w.Texture);
    view.random.RandomMask = mask;
    const std::vector<ScreenColour> levels = MatLevels(view, backgroundColour, w, n);

    // Pixels go straight into the buffer. The texture stays anchored at the mat's corner, rows
    // and columns off the canvas counting their numbers, so the part that shows is the part
    // the whole mat would show.
    RasterCanvas& canvas = view.canvas;
    const Rect shown = r.Intersected(canvas.Clip());
    if (shown.Empty()) {
        view.random.RandomState = 0;
        return;
    }
    const int rowLength = std::max(MatRowLength, r.Width());
    const std::span<const std::uint32_t> starts =
        MatRowStarts(mask, rowLength, shown.bottom - r.top + 1);
    const MatRows rows{
        canvas,       shown, shown.left - r.left, mask, Modulo(static_cast<std::uint32_t>(n)),
        levels.data()};
    int y = shown.top;
#ifdef PW_HAVE_AVX2_TARGET
    if (ProcessorHasAvx2())
        for (; y + 7 <= shown.bottom; y += 8) rows.DrawEight(y, starts.data() + (y - r.top));
#endif
    for (; y + static_cast<int>(kMatLanes) - 1 <= shown.bottom; y += static_cast<int>(kMatLanes))
        rows.Draw<kMatLanes>(y, starts.data() + (y - r.top));
    for (; y <= shown.bottom; ++y) rows.Draw<1>(y, starts.data() + (y - r.top));
    canvas.MarkDirty(shown);
    // The simulation goes on from where the mat left the generator.
    view.random.RandomState = starts.back();
}

} // namespace pw
