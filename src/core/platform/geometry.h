#pragma once
// Inclusive pixel rectangles, the way window positions are held.

#include <algorithm>

namespace pw {

struct Rect {
    int left = 0, top = 0, right = -1, bottom = -1; // inclusive; right < left means empty

    bool Empty() const { return right < left || bottom < top; }
    int Width() const { return Empty() ? 0 : right - left + 1; }
    int Height() const { return Empty() ? 0 : bottom - top + 1; }

    Rect United(const Rect& o) const {
        if (Empty()) return o;
        if (o.Empty()) return *this;
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
                std::max(bottom, o.bottom)};
    }
    Rect Intersected(const Rect& o) const {
        return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
                std::min(bottom, o.bottom)};
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace pw
