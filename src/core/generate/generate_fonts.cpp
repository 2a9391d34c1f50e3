#include "generate/generate_fonts.h"

#include "generate/font_rasteriser.h"
#include "generate/font_uses.h"
#include "platform/errors.h"

#include <bitset>

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

std::size_t CheckLayoutFonts(TextEngine& engine, const Layout& layout) {
    FontFileRecords names;
    const std::vector<FontUse> uses = FontUses(layout, names);
    for (const FontUse& use : uses) {
        try {
            CheckFontCells(engine, use.font);
        } catch (const FormatError& error) {
            throw FormatError(std::string(error.what()) + " " +
                              WindowName(*layout.WindowList[use.windows.front()]) + " uses it.");
        }
    }
    return uses.size();
}

FontFilesMade GenerateFonts(TextEngine& engine, Layout& layout, FontFileRecords& list,
                            ProgressSteps& steps) {
    list.clear();
    const std::vector<FontUse> uses = FontUses(layout, list);
    for (const FontUse& use : uses)
        for (const std::size_t i : use.windows) layout.WindowList[i]->FntFile = use.fntFile;

    FontFilesMade made;
    for (std::size_t k = 0; k < uses.size(); ++k) {
        const FontUse& use = uses[k];
        cFontFile& record = list[k];
        steps.Next("Making the font file " + use.fntFile);
        const auto firstAttempt = [&] {
            return RasteriseGlyphs(engine, use.font, "", kFirstAttemptLimit);
        };
        // A face too high for its standard set is not drawn whole only to find that out.
        const bool tooHigh = StandardSetTooHigh(engine.Measure(use.font, "").height);
        RasterisedGlyphs glyphs = tooHigh ? RasterisedGlyphs() : firstAttempt();
        if (tooHigh ||
            StandardSetTooLarge(glyphs.dataSize + static_cast<std::int32_t>(kFntRecordsStart))) {
            record.Chars = CharsUsedBy(layout, record.FileName);
            // Characters that all lie beyond the slots give no glyph; the first file stands.
            RasterisedGlyphs used = RasteriseGlyphs(engine, use.font, record.Chars, 0);
            if (used.dataSize > 0)
                glyphs = std::move(used);
            else if (tooHigh)
                glyphs = firstAttempt();
        }
        if (glyphs.dataSize > 0) made.files.push_back({use.fntFile, FontFileBytes(glyphs.font)});
        if (std::string message = UnshownCharacters(layout, use); !message.empty())
            made.unshown.push_back(std::move(message));
    }
    return made;
}

} // namespace pw
