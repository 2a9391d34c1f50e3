#include "platform/raster_canvas.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace pw {

void FillPixels(std::uint32_t* first, std::size_t count, std::uint32_t colour) {
    // Filled a pixel at a time, a screen takes a quarter of a millisecond. Copied in blocks the
    // compiler stores whole vector registers: eight times as fast for rows of some length.
    constexpr std::size_t kBlock = 16;
    if (count >= 4 * kBlock) {
        std::uint32_t block[kBlock];
        std::fill_n(block, kBlock, colour);
        for (; count >= kBlock; count -= kBlock, first += kBlock)
            std::memcpy(first, block, sizeof block);
    }
    std::fill_n(first, count, colour);
}

void RasterCanvas::Resize(int width, int height, std::uint32_t fill) {
    // Every pixel is filled anew, so a canvas that grows need not copy what it held.
    pixels_.clear();
    Resize(width, height);
    FillPixels(pixels_.data(), pixels_.size(), fill);
}

void RasterCanvas::Resize(int width, int height) {
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    pixels_.resize(static_cast<std::size_t>(width_) * height_);
    clip_ = Bounds();
    dirty_ = Bounds();
}

void RasterCanvas::Fill(std::uint32_t colour) {
    FillRect(Bounds(), colour);
}

void RasterCanvas::SetPixel(int x, int y, std::uint32_t colour) {
    if (x < clip_.left || x > clip_.right || y < clip_.top || y > clip_.bottom) return;
    Row(y)[x] = colour;
    MarkDirty({x, y, x, y});
}

void RasterCanvas::FillRect(const Rect& r, std::uint32_t colour) {
    const Rect c = r.Intersected(clip_);
    if (c.Empty()) return;
    const auto width = static_cast<std::size_t>(c.right - c.left + 1);
    for (int y = c.top; y <= c.bottom; ++y) FillPixels(Row(y) + c.left, width, colour);
    MarkDirty(c);
}

void RasterCanvas::HSpan(int x0, int x1, int y, std::uint32_t colour) {
    FillRect({x0, y, x1, y}, colour);
}

void RasterCanvas::Line(int x0, int y0, int x1, int y1, std::uint32_t colour) {
    if (y0 == y1) {
        if (x1 > x0) HSpan(x0, x1 - 1, y0, colour);
        else if (x1 < x0) HSpan(x1 + 1, x0, y0, colour);
        return;
    }
    if (x0 == x1) {
        if (y1 > y0) FillRect({x0, y0, x0, y1 - 1}, colour);
        else FillRect({x0, y1 + 1, x0, y0}, colour);
        return;
    }
    // Bresenham, end point excluded.
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    int x = x0, y = y0;
    while (x != x1 || y != y1) {
        SetPixel(x, y, colour);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void RasterCanvas::FrameRect(const Rect& r, std::uint32_t colour) {
    if (r.Empty()) return;
    HSpan(r.left, r.right, r.top, colour);
    HSpan(r.left, r.right, r.bottom, colour);
    FillRect({r.left, r.top, r.left, r.bottom}, colour);
    FillRect({r.right, r.top, r.right, r.bottom}, colour);
}

Rect RasterCanvas::TakeDirty() {
    const Rect d = dirty_;
    dirty_ = Rect{};
    return d;
}

void RasterCanvas::MarkDirty(const Rect& r) { dirty_ = dirty_.United(r.Intersected(Bounds())); }

} // namespace pw
