#pragma once
// What a layout is: the windows in drawing order with the current one, the job record, the
// display's background colour and the source of window numbers. It is a value: a copy holds
// windows of its own, so that undo can keep a layout aside and put it back. The images the
// windows name are not part of it; they stay in the editor's store, shared.

#include "windows/job_record.h"
#include "windows/window.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace pw {

class Layout {
public:
    // Windows made for this layout reach their images and the display through the context.
    explicit Layout(WindowContext* context = nullptr) : context(context) {}
    // A copy selects the window at the same place in the list.
    Layout(const Layout& other);
    Layout& operator=(const Layout& other);
    Layout(Layout&&) noexcept = default;
    Layout& operator=(Layout&&) noexcept = default;

    WindowContext* context;

    // Element 0 is the Background object that covers the display.
    std::vector<std::unique_ptr<cWindow>> WindowList;
    cWindow* CurWindow = nullptr;
    // Source of window numbers; never goes back while the layout lives on.
    std::uint32_t NextWindowNumber = 1;
    std::int32_t BackgroundColour = 0;
    cInputSpec InputSpec;
};

// Takes the windows, and the selection with them, out of the layout into a layout of their
// own; the job record, colour and numbering stay and are copied along.
Layout TakeWindows(Layout& layout);

// The Background object (element 0), or none for an empty list.
cWindow* Background(const Layout& layout);

// Whether w is the Background object, which is selected and edited but never moved, resized,
// raised or deleted.
bool IsBackground(const Layout& layout, const cWindow* w);

// The current window when it may be moved or deleted: none, or the Background object, gives
// nothing.
cWindow* MovableCurrent(const Layout& layout);

} // namespace pw
