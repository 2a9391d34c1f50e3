#pragma once
// One window as text: the lines of its WINDOW group, as Copy puts it on the clipboard.

#include "windows/window.h"

#include <string>

namespace pw {

// Reads the text's one WINDOW group into w; false when the text is not exactly one whole
// group, blank lines around it aside. Throws FormatError as the layout reader does.
bool ReadWindowText(const std::string& text, cWinFileDescription& w);

} // namespace pw
