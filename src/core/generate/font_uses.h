#pragma once
// Which text windows use which font file, as a generation names the files, and the
// characters of their texts that no font file can hold.

#include "generate/font_file_list.h"
#include "windows/layout.h"

#include <cstddef>
#include <string>
#include <vector>

namespace pw {

struct FontUse {
    FontDesc font;
    std::string fntFile;              // "Arial24.fnt"
    std::vector<std::size_t> windows; // places in the window list, in list order
};

// Every distinct font (face, style and size) of the windows that need a font file, in the
// order of first use, with the windows that use it. A record is added to list for each, so
// the files are named as a generation names them.
std::vector<FontUse> FontUses(const Layout& layout, FontFileRecords& list);

// A window as the user knows it: its kind and number ("Message Window 3").
std::string WindowName(const cWindow& w);

// Font files have no slot above code 127, so the display cannot show such characters. Says
// which of them each window using the font holds; "" when there are none.
std::string UnshownCharacters(const Layout& layout, const FontUse& use);

} // namespace pw
