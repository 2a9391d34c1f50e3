#pragma once
// Text as a display draws it: from the glyphs of its font files, not from any system font.

#include "generate/fnt_file.h"
#include "platform/text_engine.h"

#include <utility>
#include <vector>

namespace pw {

class FntTextEngine final : public TextEngine {
public:
    // The font file that stands for the font; a font added again keeps its first file.
    void Add(const FontDesc& font, FntFont file);
    bool Has(const FontDesc& font) const { return Find(font) != nullptr; }

    // The cells of the characters the file has a glyph for, side by side; a character
    // without one takes no room. A font without a file measures and draws nothing.
    TextExtent Measure(const FontDesc& font, const std::string& text) override;
    void Draw(RasterCanvas& canvas, const FontDesc& font, int x, int y, const std::string& text,
              std::uint32_t colour, std::optional<std::uint32_t> background) override;
    // The display has only the faces of its font files: none stands in for another.
    std::string FaceSubstitute(const std::string& face) override { return face; }

private:
    const FntFont* Find(const FontDesc& font) const;
    std::vector<std::pair<FontDesc, FntFont>> fonts_;
};

} // namespace pw
