#include "generate/generate_fonts.h"

#include "generate/font_rasteriser.h"
#include "generate/font_uses.h"
#include "platform/background.h"
#include "platform/errors.h"
#include "windows/glyph_cache.h"

#include <algorithm>
#include <bitset>
#include <exception>
#include <memory>
#include <optional>
#include <thread>

namespace pw {

std::string CharsUsedBy(const Layout& layout, const std::string& baseName) {
    const std::string fntFile = baseName + ".fnt";
    std::bitset<256> used;
    for (const auto& w : layout.WindowList)
        if (w->FntFile == fntFile)
            for (const std::string_view text : w->Text)
                for (const char c : text) used.set(static_cast<unsigned char>(c));
    std::string chars;
    for (int c = 0; c < 256; ++c)
        if (used[c]) chars += static_cast<char>(c);
    return chars;
}

std::size_t FontFileCount(const Layout& layout) {
    FontFileRecords names;
    return FontUses(layout, names).size();
}

namespace {

// One font's file as it was made, or what stopped it.
struct FontMade {
    std::exception_ptr unusable; // no file can be made of the font
    std::exception_ptr failed;   // making it failed otherwise
    std::optional<DisplayFile> file;
    std::string unshown;
};

FontMade MakeFontFile(TextEngine& engine, const Layout& layout, const FontUse& use,
                      cFontFile& record) {
    FontMade made;
    // The cells of the standard set are checked whatever set the file holds.
    try {
        CheckFontCells(engine, use.font);
    } catch (const FormatError& error) {
        made.unusable = std::make_exception_ptr(
            FormatError(std::string(error.what()) + " " +
                        WindowName(*layout.WindowList[use.windows.front()]) + " uses it."));
        return made;
    } catch (...) {
        made.unusable = std::current_exception();
        return made;
    }
    try {
        std::optional<RasterisedGlyphs> standard = StandardSetThatFits(engine, use.font);
        RasterisedGlyphs glyphs;
        if (standard) {
            glyphs = std::move(*standard);
        } else {
            record.Chars = CharsUsedBy(layout, record.FileName);
            glyphs = RasteriseGlyphs(engine, use.font, record.Chars, 0);
            // Characters that all lie beyond the slots give no glyph; the first file stands.
            if (glyphs.dataSize == 0)
                glyphs = RasteriseGlyphs(engine, use.font, "", kFirstAttemptLimit);
        }
        if (glyphs.dataSize > 0) made.file = DisplayFile{use.fntFile, FontFileBytes(glyphs.font)};
        made.unshown = UnshownCharacters(layout, use);
    } catch (...) {
        made.failed = std::current_exception();
    }
    return made;
}

} // namespace

FontFilesMade GenerateFonts(TextEngine& engine, Layout& layout, FontFileRecords& list,
                            ProgressSteps& steps) {
    list.clear();
    const std::vector<FontUse> uses = FontUses(layout, list);
    for (const FontUse& use : uses)
        for (const std::size_t i : use.windows) layout.WindowList[i]->FntFile = use.fntFile;

    // Fonts the editor has glyphs of are made from them, here. The others are rendered from
    // nothing, which takes milliseconds a font: they are made at the same time in lanes on the
    // other processors, each with a cache and fonts of its own and on a thread of its own, which
    // takes the fonts with it when it ends; their glyphs join the editor's afterwards.
    std::vector<FontMade> made(uses.size());
    const auto next = [&](std::size_t k) { steps.Next("Making the font file " + uses[k].fntFile); };
    auto* cache = dynamic_cast<GlyphCache*>(&engine);
    std::vector<std::size_t> fresh;
    for (std::size_t k = 0; k < uses.size(); ++k) {
        if (cache && !cache->Holds(uses[k].font)) {
            fresh.push_back(k);
            continue;
        }
        next(k);
        made[k] = MakeFontFile(engine, layout, uses[k], list[k]);
    }
    std::vector<std::unique_ptr<GlyphCache>> others; // lane l > 0 has others[l - 1]
    const std::size_t lanes =
        std::min<std::size_t>(fresh.size(), std::max(1u, std::thread::hardware_concurrency()));
    for (std::size_t l = 1; l < lanes; ++l) {
        std::unique_ptr<GlyphCache> other = cache->ForOtherThread();
        if (!other) break;
        others.push_back(std::move(other));
    }
    std::size_t shown = 0; // the fresh fonts whose step this thread has shown
    ShareOut(
        fresh.size(), others.size() + 1,
        [&](std::size_t lane, std::size_t item) {
            const std::size_t k = fresh[item];
            if (lane == 0)
                while (shown <= item) next(fresh[shown++]);
            made[k] =
                MakeFontFile(lane == 0 ? engine : *others[lane - 1], layout, uses[k], list[k]);
        },
        LaneThreads::OwnEach);
    while (shown < fresh.size()) next(fresh[shown++]);
    for (auto& other : others) cache->Adopt(other->TakeFaces());

    // As if made one after the other: a font none can be made of stops the generation
    // before any other failure does.
    for (const FontMade& font : made)
        if (font.unusable) std::rethrow_exception(font.unusable);
    FontFilesMade out;
    for (FontMade& font : made) {
        if (font.failed) std::rethrow_exception(font.failed);
        if (font.file) out.files.push_back(std::move(*font.file));
        if (!font.unshown.empty()) out.unshown.push_back(std::move(font.unshown));
    }
    return out;
}

} // namespace pw
