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
// AfterRead.
void ReadWindowGroup(cWinFileDescription& w, DcfReader& file);

} // namespace pw
