#include "generate/font_sheet.h"

#include "display/colour.h"
#include "generate/fnt_text.h"

#include <algorithm>
#include <vector>

namespace pw {

namespace {

constexpr int kSheetColumns = 16;

struct Sheet {
    std::vector<int> codes; // of the glyphs present, ascending
    int widest = 0;
    SheetSize size;
};

Sheet PlanSheet(const FntFont& font) {
    Sheet sheet;
    for (int c = 0; c < kGlyphSlots; ++c) {
        if (!font.glyphs[c]) continue;
        sheet.codes.push_back(c);
        sheet.widest = std::max<int>(sheet.widest, font.glyphs[c]->width);
    }
    if (sheet.codes.empty()) return sheet;
    const auto count = static_cast<long long>(sheet.codes.size());
    const long long columns = std::min<long long>(kSheetColumns, count);
    const long long lines = (count + kSheetColumns - 1) / kSheetColumns;
    sheet.size = {columns * (sheet.widest + 1) + 1, lines * (font.rowsPerGlyph + 1LL) + 1};
    return sheet;
}

} // namespace

SheetSize FontSheetSize(const FntFont& font) {
    return PlanSheet(font).size;
}

RasterCanvas DrawFontSheet(const FntFont& font) {
    const Sheet plan = PlanSheet(font);
    RasterCanvas sheet(static_cast<int>(plan.size.width), static_cast<int>(plan.size.height),
                       kButtonFace);
    // The margin is left out by drawing each glyph that many rows higher.
    const int cellHeight = font.rowsPerGlyph;
    for (std::size_t i = 0; i < plan.codes.size(); ++i) {
        const int x = 1 + static_cast<int>(i % kSheetColumns) * (plan.widest + 1);
        const int y = 1 + static_cast<int>(i / kSheetColumns) * (cellHeight + 1);
        const FntGlyph& glyph = *font.glyphs[plan.codes[i]];
        sheet.FillRect({x, y, x + glyph.width - 1, y + cellHeight - 1}, MakeColour(255, 255, 255));
        PaintFntText(font, std::string(1, static_cast<char>(plan.codes[i])), sheet, x,
                     y - font.topMargin, MakeColour(0, 0, 0));
    }
    return sheet;
}

} // namespace pw
