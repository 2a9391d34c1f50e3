#pragma once
// The inspect command's view of a display font file.

#include "cli/commands.h"

#include <string>

namespace pw {

// Prints the font file's header and the characters it holds; with a png path, also draws a
// sheet of its glyphs there, 16 to a line in order of code, each black on its white cell.
// Throws FormatError for a damaged file.
void InspectFontFile(CliContext& context, const std::string& path, const std::string& png);

} // namespace pw
