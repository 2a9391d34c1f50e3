#pragma once
// Whether the bitmaps a layout names are there for the displays: read into the image store,
// and no larger than the window that shows them.

#include "check/problem.h"
#include "images/image_store.h"
#include "windows/layout.h"

#include <vector>

namespace pw {

// Appends the problems of every bitmap of every window drawn as an image, in list order.
void CheckBitmaps(const Layout& layout, const ImageStore& images, std::vector<Problem>& out);

} // namespace pw
