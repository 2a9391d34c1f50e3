#include "cli/inspect_font.h"

#include "cli/picture_file.h"
#include "generate/fnt_file.h"
#include "generate/fnt_text.h"
#include "platform/files.h"
#include "platform/win1252.h"
#include "display/colour.h"

#include <algorithm>

namespace pw {

namespace {

// A font of 128 glyphs of the largest cells is far below this.
constexpr std::size_t kMaxFntFileBytes = std::size_t{1} << 30;
constexpr int kSheetColumns = 16;

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
    std::vector<int> codes;
    int widest = 0;
    for (int c = 0; c < kGlyphSlots; ++c) {
        if (!font.glyphs[c]) continue;
        codes.push_back(c);
        widest = std::max<int>(widest, font.glyphs[c]->width);
    }
    // One pixel of face colour around every cell.
    const long long cellHeight = static_cast<long long>(font.topMargin) + font.rowsPerGlyph;
    const long long columns = std::min<long long>(kSheetColumns, codes.size());
    const long long lines =
        (static_cast<long long>(codes.size()) + kSheetColumns - 1) / kSheetColumns;
    const long long width = codes.empty() ? 0 : columns * (widest + 1) + 1;
    const long long height = codes.empty() ? 0 : lines * (cellHeight + 1) + 1;
    CheckPictureSize(width, height, "font");
    RasterCanvas sheet(static_cast<int>(width), static_cast<int>(height), kButtonFace);
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const int x = 1 + static_cast<int>(i % kSheetColumns) * (widest + 1);
        const int y = 1 + static_cast<int>(i / kSheetColumns) * static_cast<int>(cellHeight + 1);
        const FntGlyph& glyph = *font.glyphs[codes[i]];
        sheet.FillRect({x, y, x + glyph.width - 1, y + static_cast<int>(cellHeight) - 1},
                       MakeColour(255, 255, 255));
        PaintFntText(font, std::string(1, static_cast<char>(codes[i])), sheet, x, y,
                     MakeColour(0, 0, 0));
    }
    SavePicture(sheet, path);
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
