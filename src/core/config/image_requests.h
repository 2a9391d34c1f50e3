#pragma once
// The images the BMP lines of windows being read ask for, taken down to be read once the
// windows are whole. A hand-edited group may ask twice for an entry, name another bitmap for
// it later or end with another draw type; only the image an entry ends with is read, so that
// a window takes the counts one read back from the file the program writes would take.

#include "windows/window.h"

#include <cstddef>
#include <string>
#include <vector>

namespace pw {

// An image a BMP line asks for: entry index of the window at that place in the list, naming
// the bitmap name.
struct ImageRequest {
    std::size_t window;
    int index;
    bool dither;
    int transparent;
    std::string name;
};

// Adds the request in place of an earlier one for the same entry of the same window: an
// entry holds the image its last BMP line asks for. The requests of a window follow one
// another, those of earlier windows come before.
void AddImageRequest(std::vector<ImageRequest>& requests, ImageRequest request);

// Whether the window ends its group with the requested image: it is an image window whose
// entry still names that bitmap.
bool EndsWithImage(const cWindow& w, const ImageRequest& request);

} // namespace pw
