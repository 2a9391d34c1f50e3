#pragma once
// Work that a window's first frame need not wait for: it runs once the window is on the
// screen and that frame has been painted, so that the window appears as soon as it can.

#include <functional>

class QWindow;

namespace pw {

// Runs `then` once, after the window's first exposure has been painted. A window the system
// never exposes (one shown minimised) gets it a moment later all the same.
void WhenOnScreen(QWindow& window, std::function<void()> then);

} // namespace pw
