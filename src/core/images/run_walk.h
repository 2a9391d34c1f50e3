#pragma once
// Reading image run data back, row by row, as the display does.

#include "images/image.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pw {

// How far a walk got through the data.
struct RunWalkResult {
    int rowsEnded = 0;         // rows closed by a row end byte that is really there
    std::size_t bytesUsed = 0; // bytes of Data read
};

namespace run_walk {

// Every read past the end of the data acts as a row end, so damaged data can never lead a
// reader outside the buffer.
class Reader {
public:
    explicit Reader(const std::vector<std::uint8_t>& data) : data_(data) {}

    bool AtEnd() const { return pos_ >= data_.size(); }
    std::size_t Pos() const { return pos_; }
    std::uint8_t Byte() { return AtEnd() ? kRowEnd : data_[pos_++]; }
    // Takes the next byte when it is a row end that is really there.
    bool TakeRowEnd() {
        if (AtEnd() || data_[pos_] != kRowEnd) return false;
        ++pos_;
        return true;
    }

    // A run length, or -1 for a row end. A row end is never added to a length; a length
    // that damaged data makes huge stops growing at a bound no row comes near, so the sums
    // of its reader stay far from overflowing.
    int Length() {
        std::uint8_t b = Byte();
        if (b == kRowEnd) return -1;
        int length = b;
        while (b == kLengthContinues) {
            b = Byte();
            if (b == kRowEnd) break;
            if (length < kLengthBound) length += b;
        }
        return length;
    }

    static constexpr int kLengthBound = 1 << 28;

private:
    const std::vector<std::uint8_t>& data_;
    std::size_t pos_ = 0;
};

} // namespace run_walk

// Walks the image's rows from the top, calling span(row, x1, x2, value) for every run of
// pixels x1..x2 (0-based from the image's left edge, both included, x2 >= x1) of that row.
// value is the code of a colour-code run, and 0 for a set, 1 for a clear run of a two-colour
// image. A row's last run, closed by the row end, reaches the right edge; a run that passes
// the right edge (only damaged data holds one) is given as it stands and ends its row; runs
// that end exactly on the right edge (damaged data too) still take the row end after them. Runs
// of length 0 give no call, and neither does what is missing when the data stops short.
template <class Span> RunWalkResult WalkRuns(const cImage& image, Span&& span) {
    run_walk::Reader in(image.Data);
    RunWalkResult result;
    const int right = image.Width - 1;
    for (int row = 0; row < image.Height && !in.AtEnd(); ++row) {
        int x = 0;
        int value = 0; // the two-colour state: set first
        for (;;) {
            if (image.Bits == 8) value = in.Byte();
            const bool real = !in.AtEnd();
            const int length = in.Length();
            if (length < 0) {
                if (!real) break;
                if (x <= right) span(row, x, right, value);
                ++result.rowsEnded;
                break;
            }
            if (length > 0) span(row, x, x + length - 1, value);
            x += length;
            if (x > right) {
                if (x == right + 1 && in.TakeRowEnd()) ++result.rowsEnded;
                break;
            }
            if (image.Bits != 8) value ^= 1;
        }
    }
    result.bytesUsed = in.Pos();
    return result;
}

} // namespace pw
