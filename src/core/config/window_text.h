#pragma once
// One window as text: the lines of its WINDOW group, as Copy puts it on the clipboard.

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

// Reads the text's one WINDOW group; nothing when the text is not exactly one whole group,
// blank lines around it aside. Throws FormatError as the layout reader does.
std::optional<ParsedWindow> ParseWindowText(const std::string& text);

} // namespace pw
