#include "windows/glyph_cache.h"

#include "display/colour.h"

#include <algorithm>
#include <bitset>
#include <climits>

namespace pw {

namespace {

// Fonts beyond this many are forgotten, least recently used first, so that stepping a
// window's size through many values does not keep every size rendered.
constexpr std::size_t kFacesKept = 64;

} // namespace

GlyphFace::GlyphFace(TextEngine& engine, const FontDesc& font)
    : engine_(&engine), font_(font), height_(std::max(0, engine.Measure(font, "").height)) {
    widths_.fill(-1);
}

int GlyphFace::Width(unsigned char c) {
    if (widths_[c] < 0)
        widths_[c] =
            std::max(0, engine_->Measure(font_, std::string(1, static_cast<char>(c))).width);
    return widths_[c];
}

const Glyph* GlyphFace::Of(unsigned char c) {
    const int width = Width(c);
    if (width > kMaxGlyphCell) return nullptr;
    if (!glyphs_[c]) Render(std::string_view(reinterpret_cast<const char*>(&c), 1));
    // An engine that did not hand the cell over leaves the character to be drawn by it.
    return glyphs_[c] ? &*glyphs_[c] : nullptr;
}

void GlyphFace::Render(std::string_view characters) {
    std::bitset<256> taken;
    std::string cells;
    for (const char ch : characters) {
        const auto c = static_cast<unsigned char>(ch);
        if (glyphs_[c] || taken[c] || Width(c) > kMaxGlyphCell) continue;
        taken.set(c);
        if (Width(c) == 0 || height_ == 0)
            glyphs_[c].emplace();
        else
            cells += ch;
    }
    if (cells.empty()) return;
    // The ink is what the canvas draws and the font file holds. Each glyph is kept once
    // drawn, so that a failure leaves the others to be drawn again.
    engine_->DrawEachAlone(font_, cells, [&](unsigned char c, const RasterCanvas& cell) {
        Glyph glyph;
        for (int y = 0; y < height_; ++y)
            ForEachInkRun(cell.Row(y), widths_[c], [&](int left, int right) {
                glyph.ink.push_back({y, left, right});
            });
        glyphs_[c].emplace(std::move(glyph));
    });
}

std::unique_ptr<GlyphCache> GlyphCache::ForOtherThread() {
    std::unique_ptr<TextEngine> beneath = engine_.NewForOtherThread();
    if (!beneath) return nullptr;
    return std::make_unique<GlyphCache>(std::move(beneath));
}

GlyphCache::Faces::const_iterator GlyphCache::Kept(const FontDesc& font) const {
    return std::find_if(faces_.begin(), faces_.end(),
                        [&](const auto& face) { return face->Font() == font; });
}

bool GlyphCache::Holds(const FontDesc& font) const {
    return Kept(font) != faces_.end();
}

void GlyphCache::Adopt(std::vector<std::unique_ptr<GlyphFace>> faces) {
    for (auto& face : faces) {
        if (const auto kept = Kept(face->Font()); kept != faces_.end()) faces_.erase(kept);
        face->RenderWith(engine_);
        faces_.insert(faces_.begin(), std::move(face));
    }
    if (faces_.size() > kFacesKept) faces_.resize(kFacesKept);
}

GlyphFace* GlyphCache::FaceOf(const FontDesc& font) {
    const auto found = faces_.begin() + (Kept(font) - faces_.cbegin());
    if (found == faces_.end()) {
        if (faces_.size() == kFacesKept) faces_.pop_back();
        faces_.insert(faces_.begin(), std::make_unique<GlyphFace>(engine_, font));
    } else if (found != faces_.begin()) {
        std::rotate(faces_.begin(), found, found + 1);
    }
    GlyphFace& face = *faces_.front();
    return face.Height() > kMaxGlyphCell ? nullptr : &face;
}

TextExtent GlyphCache::Measure(const FontDesc& font, const std::string& text) {
    GlyphFace* face = FaceOf(font);
    if (!face) return engine_.Measure(font, text);
    long long width = 0;
    for (const char c : text) width += face->Width(static_cast<unsigned char>(c));
    return {static_cast<int>(std::min<long long>(width, INT_MAX)), face->Height()};
}

void GlyphCache::Draw(RasterCanvas& canvas, const FontDesc& font, int x, int y,
                      const std::string& text, std::uint32_t colour,
                      std::optional<std::uint32_t> background) {
    GlyphFace* face = FaceOf(font);
    if (!face) return engine_.Draw(canvas, font, x, y, text, colour, background);
    const int height = face->Height();
    // Only the rows and columns of the cells inside the canvas's clip are touched.
    const Rect& clip = canvas.Clip();
    if (clip.Empty() || static_cast<long long>(y) + height <= clip.top || y > clip.bottom)
        return;
    const int top = std::max(0, clip.top - y), bottom = std::min(height, clip.bottom + 1 - y);
    face->Render(text); // the glyphs not drawn yet, all in one go
    long long left = x;
    Rect drawn;
    for (const char ch : text) {
        if (left > clip.right) break;
        const auto c = static_cast<unsigned char>(ch);
        const int width = face->Width(c);
        if (width > 0 && left + width > 0) {
            // Here left > -width, so the cell's columns fit an int.
            const int cellLeft = static_cast<int>(left);
            const Glyph* glyph = face->Of(c);
            if (!glyph) {
                engine_.Draw(canvas, font, cellLeft, y, std::string(1, ch), colour, background);
            } else {
                const int x0 = std::max(clip.left, cellLeft);
                const int x1 = std::min(clip.right, cellLeft + width - 1);
                if (x0 > x1) {
                    left += width;
                    continue;
                }
                if (background)
                    for (int row = top; row < bottom; ++row)
                        FillPixels(canvas.Row(y + row) + x0, static_cast<std::size_t>(x1 - x0 + 1),
                                   *background);
                for (const InkSpan& span : glyph->ink) {
                    if (span.row < top || span.row >= bottom) continue;
                    const int from = std::max(x0, cellLeft + span.left);
                    const int to = std::min(x1, cellLeft + span.right);
                    if (from <= to)
                        std::fill(canvas.Row(y + span.row) + from, canvas.Row(y + span.row) + to + 1,
                                  colour);
                }
                drawn = drawn.United({x0, y + top, x1, y + bottom - 1});
            }
        }
        left += width;
    }
    canvas.MarkDirty(drawn);
}

} // namespace pw
