#include "windows/draw_mat.h"

#include "display/colour.h"
#include "images/nearest_code.h"
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

private:
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
    for (; y + static_cast<int>(kMatLanes) - 1 <= shown.bottom; y += static_cast<int>(kMatLanes))
        rows.Draw<kMatLanes>(y, starts.data() + (y - r.top));
    for (; y <= shown.bottom; ++y) rows.Draw<1>(y, starts.data() + (y - r.top));
    canvas.MarkDirty(shown);
    // The simulation goes on from where the mat left the generator.
    view.random.RandomState = starts.back();
}

} // namespace pw
