#pragma once
// The WINDOW group of a layout file: one window. Images are reached only through the
// window's three virtual operations.

#include "config/dcf_reader.h"
#include "windows/window.h"

#include <string>

namespace pw {

// Appends the group, its end line and the empty line after it.
void WriteWindowGroup(cWinFileDescription& w, std::string& file);
// Reads the lines after a "[ WINDOW" header up to and including "WINDOW END ]", then calls
// AfterRead. The lines of the Text and BMP entries go to lines when given.
void ReadWindowGroup(cWinFileDescription& w, DcfReader& file, FileLines* lines = nullptr);

} // namespace pw
