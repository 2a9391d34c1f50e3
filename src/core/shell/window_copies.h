#pragma once
// Copies of windows: Duplicate, and Cut, Copy and Paste through the clipboard. A window
// travels as the text of its WINDOW group, as a layout file holds it, so it goes from one
// editor to another and into a text editor and back; several windows travel as their groups
// one after another, in drawing order. A copy is a new window: it takes the next number, a
// tag of its own (0 for a Background object, its number otherwise) and a place 10 pixels
// right and down of the original, inside the display. Copies made together keep their order
// and the places they have to one another, and become the selection.

#include "shell/editor.h"

#include <string>

namespace pw {

// What Paste says when the text is not windows.
constexpr const char* kNotAWindow =
    "The clipboard holds no window to paste. Paste takes windows as Copy puts them: the lines "
    "from \"[ WINDOW\" to \"WINDOW END ]\" of a layout file.";

// Appends copies of the selected windows; the copy of the current window becomes current.
// Their images take a count each. Nothing without a current window.
void DuplicateSelection(Editor& editor);

// The WINDOW group texts of the selected windows; empty without a current window.
std::string CopyWindowText(const Layout& layout, const Selection& selection);

// Cut: the WINDOW group texts of the windows Delete takes, which are then deleted, as one
// command. Empty, and nothing deleted, when Delete would take none (the Background object
// stays).
std::string CutWindowText(Editor& editor);

// Appends the windows the text holds; their images are read into the store as a load reads
// them. Text that is not WINDOW groups alone, or would give the layout more windows than a
// layout file may hold, changes nothing and is refused with a message. Returns whether
// windows were pasted.
bool PasteWindowText(Editor& editor, const std::string& text);

} // namespace pw
