#pragma once
// The font files of a layout: one per distinct font of its text windows, named in the windows'
// FntFile fields. A font whose standard set makes too large a file is made of the characters
// its windows use.

#include "generate/display_file.h"
#include "generate/font_file_list.h"
#include "platform/progress.h"
#include "platform/text_engine.h"
#include "windows/layout.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pw {

// The characters of every text of the windows whose FntFile is baseName + ".fnt", whatever
// they draw, each once, in ascending order of code (line breaks included).
std::string CharsUsedBy(const Layout& layout, const std::string& baseName);

// How many font files the layout needs.
std::size_t FontFileCount(const Layout& layout);

struct FontFilesMade {
    DisplayFileSet files; // in the order of the records
    // What UnshownCharacters says of each font, where it says something.
    std::vector<std::string> unshown;
};

// Makes the layout's font files, one step of steps each, and lists them in list, which is
// emptied first. Every window that needs a font file names it in FntFile before any file is
// made, so that a font made of the characters in use has those of all its windows. Throws
// FormatError naming the font and a window that uses it when no file can be made for one of
// them, before any other error, so that a generation stops before it touches anything.
FontFilesMade GenerateFonts(TextEngine& engine, Layout& layout, FontFileRecords& list,
                            ProgressSteps& steps);

} // namespace pw
