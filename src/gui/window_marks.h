#pragma once
// The windows hidden and locked in a layout, kept per layout file in the user's settings:
// they are the editor's alone, so the layout file and what Generate writes never hold them.

#include "shell/editor.h"

#include <string>

namespace pw {

// Puts the marks kept for the file into the editor (none when nothing is kept).
void ReadWindowMarks(Editor& editor, const std::string& layoutFile);
// Keeps the editor's marks for the file; nothing for a layout never saved.
void WriteWindowMarks(const Editor& editor, const std::string& layoutFile);

} // namespace pw
