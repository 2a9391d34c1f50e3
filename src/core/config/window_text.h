#pragma once
// Windows as text: the lines of their WINDOW groups one after another, as Copy puts them on
// the clipboard.

#include "config/image_requests.h"
#include "windows/window.h"

#include <optional>
#include <string>
#include <vector>

namespace pw {

// A window read from text as plain data, and the images its entries end with (window 0).
struct ParsedWindow {
    cWindow window{nullptr};
    std::vector<ImageRequest> images;
};

// Reads the text's WINDOW groups in their order; nothing when the text is not whole groups
// alone, blank lines around them aside, or holds more than a layout may. Throws FormatError
// as the layout reader does.
std::optional<std::vector<ParsedWindow>> ParseWindowText(const std::string& text);

} // namespace pw
