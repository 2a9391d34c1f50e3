#pragma once
// Where the windows of a layout are: a display of a size the displays have, every window on
// it, and none wholly hidden under the opaque windows drawn after it.

#include "check/problem.h"
#include "windows/layout.h"

#include <vector>

namespace pw {

// The sizes the displays come in, width by height.
bool IsDisplaySize(long long width, long long height);

// Appends the problems of the display size and of every window's place, in list order.
void CheckPlacement(const Layout& layout, std::vector<Problem>& out);

} // namespace pw
