#include "check/display_fonts.h"

#include "platform/errors.h"

#include <algorithm>

namespace pw {

namespace {

constexpr int kFirstStandard = 32;

} // namespace

bool DisplayFont::ControlsTakeRoom(TextEngine& engine) {
    // Only a font whose standard set makes too large a file is made of the characters in
    // use; finding out takes a rasterisation, so it is done only for a text that needs it.
    if (!standardSet_) {
        standardSet_ = StandardSetThatFits(engine, desc_).has_value();
        if (!*standardSet_) std::copy(controls_.begin(), controls_.end(), widths_.begin());
    }
    return !*standardSet_;
}

DisplayFont& DisplayFonts::Of(TextEngine& engine, const FontDesc& font) {
    const auto key = std::make_tuple(font.face, font.height, font.style);
    if (const auto found = fonts_.find(key); found != fonts_.end()) return found->second;
    DisplayFont& made = fonts_[key];
    made.desc_ = font;
    made.substitute = engine.FaceSubstitute(font.face);
    std::bitset<kGlyphSlots> standard, controls;
    for (int c = 0; c < kGlyphSlots; ++c) (c < kFirstStandard ? controls : standard).set(c);
    try {
        const GlyphCells cells = MeasureGlyphCells(engine, font, standard);
        made.lineHeight = std::max(1, cells.height);
        std::copy(cells.widths.begin(), cells.widths.end(), made.widths_.begin());
    } catch (const FormatError& error) {
        made.refusal = error.what();
        return made;
    }
    try {
        const GlyphCells cells = MeasureGlyphCells(engine, font, controls);
        std::copy(cells.widths.begin(), cells.widths.begin() + kFirstStandard,
                  made.controls_.begin());
    } catch (const FormatError&) {
        // A control character too large for any cell is left out, as the standard set does.
    }
    return made;
}

} // namespace pw
