#pragma once
// Whether a display file's bytes read back as what its kind must hold, by the same readers the
// editor opens such files with.

#include <string>
#include <string_view>

namespace pw {

// Decodes the file by its name: a .fnt file as a font, a .bm file as a display bitmap,
// "Display.dcf" as a layout that the reader takes without a message and to its end; any other file
// (the display program) is taken as it is. Throws FormatError naming the file and what is wrong.
void DecodeDisplayFile(const std::string& name, std::string_view bytes);

} // namespace pw
