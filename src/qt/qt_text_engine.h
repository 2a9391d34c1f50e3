#pragma once
// Text through Qt's fonts, drawn straight into a canvas buffer without antialiasing.
//
// Every character is drawn on its own, at the integer width its cell has alone and clipped to
// that cell, with no kerning between neighbours. The font files hold each glyph the same way,
// so a text on the canvas and the same text composed from the font file's glyphs are the same
// pixels.

#include "platform/text_engine.h"

#include <QFont>
#include <QFontMetrics>

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace pw {

class QtTextEngine : public TextEngine {
public:
    TextExtent Measure(const FontDesc& font, const std::string& text) override;
    void Draw(RasterCanvas& canvas, const FontDesc& font, int x, int y, const std::string& text,
              std::uint32_t colour, std::optional<std::uint32_t> background) override;
    std::string FaceSubstitute(const std::string& face) override;
    void DrawEachAlone(const FontDesc& font, std::string_view characters,
                       const CellDrawn& drawn) override;
    // Qt draws text into images on any thread, each with fonts of its own.
    std::unique_ptr<TextEngine> NewForOtherThread() override {
        return std::make_unique<QtTextEngine>();
    }

    // The Qt font for a layout font: pixel height, style bits, no antialiasing.
    static QFont MakeFont(const FontDesc& font);

private:
    // A font with its metrics and the cell widths of the characters measured so far.
    struct Face {
        explicit Face(const FontDesc& desc);
        int CellWidth(unsigned char c);

        FontDesc desc;
        QFont font;
        QFontMetrics metrics;
        std::array<int, 256> widths; // -1 until measured
    };

    // The face for a font; the few in use stay measured, most recently used first.
    Face& FaceOf(const FontDesc& font);

    std::vector<std::unique_ptr<Face>> faces_;
};

} // namespace pw
