#pragma once
// The fonts as the displays will have them: for each face, style and size, what Generate
// files would make of it, measured once and kept, so that every text of a layout can be
// measured after every command at the cost of a table look-up per character.

#include "generate/font_rasteriser.h"
#include "platform/text_engine.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

namespace pw {

class DisplayFont {
public:
    // Why Generate files would make no font file of it; "" when it would.
    std::string refusal;
    // The face that draws it when its own face is not installed here; "" otherwise.
    std::string substitute;
    int lineHeight = 0; // of a line of cells, at least 1

    // The cell width of a character as the display draws it from the font file: 0 for a
    // character the file has no glyph for.
    int Width(unsigned char c) const { return widths_[c]; }
    // Whether a control character (below 32, where the standard set starts) takes room: only
    // in a font file made of the characters in use.
    bool ControlsTakeRoom(TextEngine& engine);

private:
    friend class DisplayFonts;
    FontDesc desc_;
    std::array<int, 256> widths_{};   // the standard set's widths, 0 above 127 and below 32
    std::array<int, 32> controls_{};  // the control characters' cells, for a font of those in use
    std::optional<bool> standardSet_; // whether the file holds the standard set, once known
};

class DisplayFonts {
public:
    // The font of that face, style and size as Generate files would make it.
    DisplayFont& Of(TextEngine& engine, const FontDesc& font);

private:
    std::map<std::tuple<std::string, int, std::uint8_t>, DisplayFont> fonts_;
};

} // namespace pw
