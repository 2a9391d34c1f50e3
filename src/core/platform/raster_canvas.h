#pragma once
// A canvas whose pixels are plain memory: 32-bit 0xFFRRGGBB values, row after row. The main
// canvas has the display's size and the renderer draws on it in layout coordinates; the
// canvas widget shows it. Every operation clips to the buffer, so no coordinate a layout can
// hold writes outside it, and to the clip rectangle, so that part of a layout can be drawn
// again without touching the pixels around it.

#include "platform/geometry.h"
#include "platform/page_backed.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pw {

// count pixels from first become colour.
void FillPixels(std::uint32_t* first, std::size_t count, std::uint32_t colour);

class RasterCanvas {
public:
    RasterCanvas() = default;
    RasterCanvas(int width, int height, std::uint32_t fill) { Resize(width, height, fill); }

    // New size; every pixel becomes fill.
    void Resize(int width, int height, std::uint32_t fill);
    // New size; what the pixels hold is left unsaid, for a caller that paints every one.
    void Resize(int width, int height);
    void Fill(std::uint32_t colour);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rect Bounds() const { return {0, 0, width_ - 1, height_ - 1}; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // Where drawing may write: the whole canvas unless narrowed. Reading is never clipped.
    const Rect& Clip() const { return clip_; }
    void SetClip(const Rect& r) { clip_ = r.Intersected(Bounds()); }
    void ClearClip() { clip_ = Bounds(); }

    // Row y, unchecked; Width() pixels. Who writes through it keeps to Clip().
    std::uint32_t* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    const std::uint32_t* Row(int y) const {
        return pixels_.data() + static_cast<std::size_t>(y) * width_;
    }
    std::uint32_t* Bits() { return pixels_.data(); }
    const std::uint32_t* Bits() const { return pixels_.data(); }

    // The pixel, or 0 outside the canvas.
    std::uint32_t Pixel(int x, int y) const { return Contains(x, y) ? Row(y)[x] : 0; }
    void SetPixel(int x, int y, std::uint32_t colour);

    // Filled inclusive rectangle.
    void FillRect(const Rect& r, std::uint32_t colour);
    // Pixels x0..x1 of row y, both included; nothing when x1 < x0.
    void HSpan(int x0, int x1, int y, std::uint32_t colour);
    // A line that paints its start point and stops before its end point, as a pen does.
    void Line(int x0, int y0, int x1, int y1, std::uint32_t colour);
    // One-pixel ring just inside the inclusive rectangle.
    void FrameRect(const Rect& r, std::uint32_t colour);

    // The area drawn since the last call, and forget it.
    Rect TakeDirty();
    void MarkDirty(const Rect& r);

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t, PageBackedAllocator<std::uint32_t>> pixels_;
    Rect clip_;
    Rect dirty_;
};

} // namespace pw
