#pragma once
// A text engine with fixed metrics, for core tests that must not depend on system fonts:
// every character is height / 2 pixels wide and a line is height pixels high. Drawing fills
// each character cell (with the background when there is one) and draws the glyph as a
// one-pixel bar along the cell's baseline.

#include "platform/text_engine.h"

#include <set>
#include <vector>

namespace pw {

class FakeTextEngine : public TextEngine {
public:
    struct Drawn {
        FontDesc font;
        int x, y;
        std::string text;
        std::uint32_t colour;
        std::optional<std::uint32_t> background;
    };
    std::vector<Drawn> drawn;
    // A line's height as a share of the font's height; real faces' lines are higher.
    int linePercent = 100;
    // Faces this engine has not got; "Fallback" draws them.
    std::set<std::string> missingFaces;

    static int CharWidth(const FontDesc& font) { return font.height / 2; }

    TextExtent Measure(const FontDesc& font, const std::string& text) override;
    void Draw(RasterCanvas& canvas, const FontDesc& font, int x, int y, const std::string& text,
              std::uint32_t colour, std::optional<std::uint32_t> background) override;
    std::string FaceSubstitute(const std::string& face) override {
        return missingFaces.count(face) ? "Fallback" : "";
    }
};

} // namespace pw
