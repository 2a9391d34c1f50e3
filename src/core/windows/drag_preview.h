#pragma once
// What a group drag shows between the press and the release. Drawing fifty windows again at
// every mouse step costs far more than a step may take, and nothing in them but their place
// changes while they are dragged; so each is drawn once, as dragged, when the drag starts,
// and every step erases them where they were and copies their pixels to where they are now.
// The release redraws the whole layout as after any drag.

#include "platform/geometry.h"
#include "windows/layout.h"
#include "windows/view.h"

#include <cstdint>
#include <vector>

namespace pw {

class DragPreview {
public:
    // Draws each window on a canvas of its own and keeps its pixels; the windows are taken
    // in drawing order.
    void Capture(View& view, const Layout& layout, const std::vector<const cWindow*>& windows);
    // Erases the windows where the last step put them (with the display's background colour,
    // as erasing a window does) and copies them there offset by (dx, dy) from their captured
    // places, telling the view's observers which pixels changed.
    void Show(View& view, std::int32_t backgroundColour, int dx, int dy);
    bool Empty() const { return sprites_.empty(); }
    void Clear() { *this = DragPreview(); }

private:
    struct Sprite {
        Rect at; // where it was captured
        std::vector<std::uint32_t> pixels;
    };
    std::vector<Sprite> sprites_;
    int dx_ = 0, dy_ = 0; // the offset shown last
};

} // namespace pw
