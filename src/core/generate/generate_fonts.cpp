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
            for (const std::string& text : w->Text)
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

std::vector<std::string> GenerateFonts(Layout& layout, FontFileRecords& FontFileList,
                                       TextEngine& engine, const std::string& directory,
                                       ProgressSteps& steps) {
    FontFileList.clear();
    const std::vector<FontUse> uses = FontUses(layout, FontFileList);
    for (const FontUse& use : uses)
        for (const std::size_t i : use.windows) layout.WindowList[i]->FntFile = use.fntFile;

    std::vector<std::string> unshown;
    for (std::size_t k = 0; k < uses.size(); ++k) {
        const FontUse& use = uses[k];
        cFontFile& record = FontFileList[k];
        steps.Next("Making the font file " + use.fntFile);
        const RasteriseResult first = RasteriseFont(engine, use.font, directory,
                                                    use.fntFile, "", kFirstAttemptLimit);
        if (StandardSetTooLarge(first.size)) {
            record.Chars = CharsUsedBy(layout, record.FileName);
            RasteriseFont(engine, use.font, directory, use.fntFile, record.Chars, 0);
        }
        if (std::string message = UnshownCharacters(layout, use); !message.empty())
            unshown.push_back(std::move(message));
    }
    return unshown;
}

} // namespace pw
