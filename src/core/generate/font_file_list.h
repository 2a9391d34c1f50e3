#pragma once
// The font files of a generation: one record per file, and the names they get. Every
// distinct font (face, style and size) of the text windows gets one file with a short name
// made from its face and size, told apart by a suffix letter when two fonts would share it.

#include "platform/text_engine.h"
#include "windows/indexed_texts.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pw {

class cFontFile {
public:
    std::string FontName;   // the face name
    std::string FileName;   // without the ".fnt" extension
    std::string Chars;      // the characters rasterised; empty for the standard set
    std::uint8_t Style = 0; // FontStyleBits
    std::int32_t Size = 0;  // minus the window's FontSize
};

// The records of the last generation, in the order their files were made.
using FontFileRecords = std::vector<cFontFile>;

// The base name for a font: its face without spaces and without any character that cannot
// stand in a file name, leading dots dropped, at most 9 characters, then the character
// height in decimal. Arial at 24 pixels gives Arial24, Times New Roman at 30 TimesNewR30. A
// face name never makes a name outside the folder the file goes to.
std::string FontFileName(const FontDesc& font);

// The FileName of a record for the same face (exactly, case kept), style and size, or "".
std::string FindFontFile(const FontFileRecords& list, const cFontFile& record);

// Whether a record has the record's FileName. Names differing only in case count as the
// same, as they are one file on the file systems the display files go to.
bool FileNameTaken(const FontFileRecords& list, const cFontFile& record);

// When the record's FileName is taken: appends "A", then steps the last letter on (B, C, ...)
// while the name is still taken. Characters that cannot stand in a name are passed over;
// past '~' another "A" is appended, so a free name is always found.
void MakeFileNameFree(const FontFileRecords& list, cFontFile& record);

// Whether a window with these fields gets a font file: it draws text, names a font and has
// at least one text.
bool NeedsFontFile(std::uint8_t drawType, const std::string& fontName, const IndexedTexts& texts);

struct FontFileChoice {
    std::string fntFile; // the name with ".fnt" that the window takes
    bool isNew = false;  // a new record was added: its file is still to be made
};

// The font file for a window's font (FontName, FontStyle, FontSize): the file an earlier
// record of the same font already has, or a new record with a free name, added to the list.
FontFileChoice ChooseFontFile(FontFileRecords& list, const FontDesc& font);

} // namespace pw
