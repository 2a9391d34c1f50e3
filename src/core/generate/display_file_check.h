#pragma once
// Whether a display file's bytes read back as what its kind must hold, by the same readers the
// editor opens such files with.

#include "generate/fnt_file.h"
#include "images/image.h"
#include "windows/layout.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace pw {

// What the files of a display folder decoded to, by file name, so that what was decoded once
// to check it can be drawn without reading or decoding it again.
struct DecodedDisplayFiles {
    std::optional<Layout> layout; // "Display.dcf"
    std::map<std::string, FntFont> fonts;
    std::map<std::string, cImage> bitmaps;
};

// Decodes the file by its name: a .fnt file as a font, a .bm file as a display bitmap,
// "Display.dcf" as a layout that the reader takes without a message and to its end; any other file
// (the display program) is taken as it is. Throws FormatError naming the file and what is wrong.
// What it decoded is kept in decoded.
void DecodeDisplayFile(const std::string& name, std::string_view bytes,
                       DecodedDisplayFiles& decoded);
// The same, keeping nothing.
void DecodeDisplayFile(const std::string& name, std::string_view bytes);

} // namespace pw
