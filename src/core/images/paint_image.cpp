#include "images/paint_image.h"

#include "shell/colour.h"

namespace pw {

namespace {

// Walks the run data; every read past the end acts as a row end, so damaged data can never
// read outside the buffer.
class RunReader {
public:
    explicit RunReader(const std::vector<std::uint8_t>& data) : data_(data) {}

    bool AtEnd() const { return pos_ >= data_.size(); }
    std::uint8_t Byte() { return AtEnd() ? kRowEnd : data_[pos_++]; }

    // A run length, or -1 for the row end.
    int Length() {
        std::uint8_t b = Byte();
        if (b == kRowEnd) return -1;
        int length = b;
        while (b == kLengthContinues) {
            b = Byte();
            if (b == kRowEnd) break; // a row end never joins a sum
            length += b;
        }
        return length;
    }

private:
    const std::vector<std::uint8_t>& data_;
    std::size_t pos_ = 0;
};

void Span(RasterCanvas& canvas, int x1, int x2, int y, int code) {
    canvas.HSpan(x1, x2, y, ColourOf(code));
}

} // namespace

void PaintImage(const cImage& image, int x0, int y0, RasterCanvas& canvas, int lineColour,
                int fillColour) {
    RunReader in(image.Data);
    const int right = x0 + image.Width - 1;
    for (int row = 0; row < image.Height && !in.AtEnd(); ++row) {
        const int y = y0 + row;
        int x = x0;
        if (image.Bits == 8) {
            for (;;) {
                const int code = in.Byte();
                const int length = in.Length();
                if (length < 0) {
                    if (code != image.Transparent) Span(canvas, x, right, y, code);
                    break;
                }
                if (length > 0 && code != image.Transparent)
                    Span(canvas, x, x + length - 1, y, code);
                x += length;
                if (x > right) break;
            }
        } else {
            int colour = fillColour;
            for (;;) {
                const int length = in.Length();
                if (length < 0) {
                    if (colour != kTransparent) Span(canvas, x, right, y, colour);
                    break;
                }
                if (colour != kTransparent && length > 0) Span(canvas, x, x + length - 1, y, colour);
                x += length;
                if (x > right) break;
                colour = colour == fillColour ? lineColour : fillColour;
            }
        }
    }
}

} // namespace pw
