#pragma once
// Measuring and drawing text. One engine serves the canvas preview and the font files, so
// what the preview shows is what the display draws.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace pw {

class RasterCanvas;

// Font style bits as the layout stores them.
enum FontStyleBits : std::uint8_t {
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeOut = 8,
};

// No display is taller than this; text is never drawn larger, whatever a layout says.
constexpr int kMaxFontHeight = 4096;

struct FontDesc {
    std::string face;      // Windows-1252 bytes
    int height = 20;       // character height in pixels
    std::uint8_t style = 0;
    friend bool operator==(const FontDesc&, const FontDesc&) = default;
};

struct TextExtent {
    int width = 0;
    int height = 0;
};

// Every character has a cell of its own: as wide as the character measures alone, as high
// as a line. A line is its characters' cells side by side, with no kerning, and nothing is
// drawn outside them, so the font files can hold each character's cell as it is drawn.
class TextEngine {
public:
    virtual ~TextEngine() = default;
    // Width (the sum of the characters' cell widths) and cell height of one line of text.
    virtual TextExtent Measure(const FontDesc& font, const std::string& text) = 0;
    // Draws one line with its cell's top-left corner at (x, y), clipped to the canvas. With a
    // background the cells are filled first (opaque mode); without, only the glyphs are drawn.
    virtual void Draw(RasterCanvas& canvas, const FontDesc& font, int x, int y,
                      const std::string& text, std::uint32_t colour,
                      std::optional<std::uint32_t> background) = 0;
    // The face that would draw text in a face this system does not have, or "" when it has
    // it or a stand-in made to the same measures.
    virtual std::string FaceSubstitute(const std::string& face) = 0;

    // Draws each of the characters alone, black on its white cell at the top-left corner of a
    // canvas, as Draw draws a one-character text there, and hands the canvas over before the
    // next is drawn; only the cell's pixels of it count. An engine may keep one canvas and
    // what it draws with for all of them.
    using CellDrawn = std::function<void(unsigned char c, const RasterCanvas& canvas)>;
    virtual void DrawEachAlone(const FontDesc& font, std::string_view characters,
                               const CellDrawn& drawn);

    // An engine that measures and draws as this one does, for another thread to use while
    // this one is used here: its own fonts, nothing shared but what the system shares safely.
    // Null when this engine serves one thread only. Made on this engine's thread, it is used
    // on the other and may be destroyed on either.
    virtual std::unique_ptr<TextEngine> NewForOtherThread() { return nullptr; }
};

} // namespace pw
