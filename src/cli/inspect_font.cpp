#include "cli/inspect_font.h"

#include "cli/picture_file.h"
#include "generate/fnt_file.h"
#include "generate/font_sheet.h"
#include "platform/files.h"
#include "platform/win1252.h"

#include <algorithm>

namespace pw {

namespace {

// A font of 128 glyphs of the largest cells is far below this.
constexpr std::size_t kMaxFntFileBytes = std::size_t{1} << 30;

// The codes present as ranges, "32-127" or "48-57 65-90".
std::string CodeRanges(const FntFont& font) {
    std::string out;
    for (int c = 0; c < kGlyphSlots; ++c) {
        if (!font.glyphs[c]) continue;
        int last = c;
        while (last + 1 < kGlyphSlots && font.glyphs[last + 1]) ++last;
        if (!out.empty()) out += ' ';
        out += std::to_string(c);
        if (last > c) out += '-' + std::to_string(last);
        c = last;
    }
    return out;
}

// The printable characters present, as text.
std::string PrintableCharacters(const FntFont& font) {
    std::string out;
    for (int c = '!'; c <= '~'; ++c)
        if (font.glyphs[c]) out += static_cast<char>(c);
    return out;
}

void WriteSheet(const FntFont& font, const std::string& path) {
    const SheetSize size = FontSheetSize(font);
    CheckPictureSize(size.width, size.height, "font");
    SavePicture(DrawFontSheet(font), path);
}

} // namespace

void InspectFontFile(CliContext& context, const std::string& path, const std::string& png) {
    const FntFont font = ParseFontFile(ReadFileBytes(path, kMaxFntFileBytes), path);
    const auto present = std::count_if(font.glyphs.begin(), font.glyphs.end(),
                                       [](const auto& glyph) { return glyph.has_value(); });
    context.out << Win1252ToUtf8(path) << '\n'
                << "  Rows per glyph = " << font.rowsPerGlyph << '\n'
                << "  Top margin     = " << font.topMargin << '\n'
                << "  Size           = " << font.size << '\n'
                << "  Reserved       = " << font.reserved << '\n'
                << "  Glyphs         = " << present << '\n'
                << "  Codes          = " << CodeRanges(font) << '\n'
                << "  Characters     = " << PrintableCharacters(font) << '\n';
    if (!png.empty()) WriteSheet(font, png);
}

} // namespace pw
