#pragma once
// Text drawn from glyphs rendered once. The first time a character of a font is needed, the
// text engine draws it black on its white cell, together with the other characters then
// needed, and the cell's ink (the pixels a font file for the display counts as ink) is kept
// as spans; from then on every text in that font is drawn from the spans. The screen is the
// display's font file by construction, and no repaint waits on the system's fonts.

#include "platform/raster_canvas.h"
#include "platform/text_engine.h"
#include "windows/ink_runs.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pw {

// The largest display is 800 pixels a side; no cell beyond this many pixels high or wide is a
// font it can show, and the bound keeps a layout's font size from taking memory without end.
constexpr int kMaxGlyphCell = 1000;

// One run of ink in a row of a glyph's cell, both ends included.
struct InkSpan {
    int row, left, right;
};

struct Glyph {
    std::vector<InkSpan> ink; // row by row, left to right
};

// One font's cells: their height, each character's width, and the glyphs drawn so far.
class GlyphFace {
public:
    GlyphFace(TextEngine& engine, const FontDesc& font);

    const FontDesc& Font() const { return font_; }
    int Height() const { return height_; }
    int Width(unsigned char c);
    // Rendered on first use; null for a cell wider than kMaxGlyphCell, or one the engine did
    // not hand over, which the engine draws.
    const Glyph* Of(unsigned char c);
    bool Rendered(unsigned char c) const { return glyphs_[c].has_value(); }
    // Renders those of the characters not rendered yet, in one go: the engine is asked once
    // instead of once a character.
    void Render(std::string_view characters);
    // From now on the glyphs not rendered yet are rendered by this engine.
    void RenderWith(TextEngine& engine) { engine_ = &engine; }

private:
    TextEngine* engine_;
    FontDesc font_;
    int height_;
    std::array<int, 256> widths_;               // -1 until measured
    std::array<std::optional<Glyph>, 256> glyphs_; // empty until rendered
};

// A text engine that draws through the glyphs of the engine beneath it. Fonts are kept by
// face, size and style, so a window given another face or size simply draws from other
// glyphs; a font whose line is beyond kMaxGlyphCell high, which no display can hold, is left
// to the engine beneath.
class GlyphCache final : public TextEngine {
public:
    explicit GlyphCache(TextEngine& engine) : engine_(engine) {}
    // Through an engine of its own.
    explicit GlyphCache(std::unique_ptr<TextEngine> engine)
        : owned_(std::move(engine)), engine_(*owned_) {}

    TextExtent Measure(const FontDesc& font, const std::string& text) override;
    void Draw(RasterCanvas& canvas, const FontDesc& font, int x, int y, const std::string& text,
              std::uint32_t colour, std::optional<std::uint32_t> background) override;
    std::string FaceSubstitute(const std::string& face) override {
        return engine_.FaceSubstitute(face);
    }

    // The font's cells, or null when the engine beneath draws it. Kept until Clear or until
    // many other fonts have been used since.
    GlyphFace* FaceOf(const FontDesc& font);

    // A cache over the engine beneath's engine for another thread, to be used there while
    // this one is used here; null when the engine beneath serves one thread only.
    std::unique_ptr<GlyphCache> ForOtherThread();

    // Whether the font's cells are kept, without making them.
    bool Holds(const FontDesc& font) const;

    // Forgets every glyph, so that each is rendered again when next needed.
    void Clear() { faces_.clear(); }

    // Hands the fonts kept over, as from a cache on another thread, whose engine may then go.
    std::vector<std::unique_ptr<GlyphFace>> TakeFaces() { return std::exchange(faces_, {}); }
    // Keeps fonts another cache handed over, their glyphs rendered from now on by this
    // cache's engine, in place of any it has of the same fonts.
    void Adopt(std::vector<std::unique_ptr<GlyphFace>> faces);

private:
    using Faces = std::vector<std::unique_ptr<GlyphFace>>;
    Faces::const_iterator Kept(const FontDesc& font) const;

    std::unique_ptr<TextEngine> owned_;
    TextEngine& engine_;
    // Most recently used first; a layout uses a few fonts, and those stay rendered.
    Faces faces_;
};

} // namespace pw
