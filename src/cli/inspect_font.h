#pragma once
// Shows what a display font file holds, so that a generated font can be checked by eye.

#include "cli/commands.h"

#include <string>

namespace pw {

// Prints the font file's header and the characters it holds; with a png path, also draws a
// sheet of its glyphs there (see font_sheet.h).
// Throws FormatError for a damaged file.
void InspectFontFile(CliContext& context, const std::string& path, const std::string& png);

} // namespace pw
