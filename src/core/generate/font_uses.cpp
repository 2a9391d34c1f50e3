#include "generate/font_uses.h"

#include "generate/fnt_file.h"

#include <algorithm>
#include <bitset>

namespace pw {

std::vector<FontUse> FontUses(const Layout& layout, FontFileRecords& list) {
    std::vector<FontUse> uses;
    for (std::size_t i = 0; i < layout.WindowList.size(); ++i) {
        const cWindow& w = *layout.WindowList[i];
        if (!NeedsFontFile(w.DrawType, w.FontName, w.Text)) continue;
        const FontDesc font{w.FontName, w.FontSize, w.FontStyle};
        const FontFileChoice choice = ChooseFontFile(list, font);
        if (choice.isNew) uses.push_back({font, choice.fntFile, {}});
        const auto use = std::find_if(uses.begin(), uses.end(), [&](const FontUse& u) {
            return u.fntFile == choice.fntFile;
        });
        use->windows.push_back(i);
    }
    return uses;
}

std::string WindowName(const cWindow& w) {
    return std::string(TypeName(w.Type)) + " " + std::to_string(w.Number);
}

std::string UnshownCharacters(const Layout& layout, const FontUse& use) {
    std::string found;
    for (const std::size_t i : use.windows) {
        const cWindow& w = *layout.WindowList[i];
        std::bitset<256> above;
        for (const std::string_view text : w.Text)
            for (const char c : text)
                if (static_cast<unsigned char>(c) >= kGlyphSlots)
                    above.set(static_cast<unsigned char>(c));
        if (above.none()) continue;
        std::string chars;
        for (int c = kGlyphSlots; c < 256; ++c)
            if (above[c]) chars += static_cast<char>(c);
        found += (found.empty() ? "" : ", ") + ("\"" + chars + "\" in " + WindowName(w));
    }
    if (found.empty()) return "";
    return "The font file " + use.fntFile +
           " holds no characters above code 127, so the display cannot show " + found + ".";
}

} // namespace pw
