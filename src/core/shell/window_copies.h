#pragma once
// Copies of a window: Duplicate, and Copy and Paste through the clipboard. A window travels
// as the text of its WINDOW group, as a layout file holds it, so it goes from one editor to
// another and into a text editor and back. A copy is a new window: it takes the next number,
// a tag of its own (0 for a Background object, its number otherwise) and a place 10 pixels
// right and down of the original, inside the display.

#include "shell/editor.h"

#include <string>

namespace pw {

// What Paste says when the text is not one window.
constexpr const char* kNotAWindow =
    "The clipboard holds no window to paste. Paste takes one window as Copy puts it: the lines "
    "from \"[ WINDOW\" to \"WINDOW END ]\" of a layout file.";

// Appends a copy of the current window, which becomes current; its images take a count each.
// Nothing without a current window.
void DuplicateWindow(Editor& editor);

// The WINDOW group text of the current window; empty without one.
std::string CopyWindowText(Editor& editor);

// Cut: the WINDOW group text of the current window, which is then deleted, as one command.
// Empty, and nothing deleted, without a current window that can be deleted (the Background
// object stays).
std::string CutWindowText(Editor& editor);

// Appends the window the text holds, which becomes current; its images are read into the
// store as a load reads them. Text that is not one WINDOW group changes nothing and is
// refused with kNotAWindow. Returns whether a window was pasted.
bool PasteWindowText(Editor& editor, const std::string& text);

} // namespace pw
