#include "dialogs/unstorable.h"

#include "platform/win1252.h"

#include <algorithm>

namespace pw {

namespace {

bool IsHigh(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLow(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

} // namespace

Unstorable FindUnstorable(std::u16string_view text) {
    Unstorable out;
    for (std::size_t i = 0; i < text.size();) {
        const bool pair = IsHigh(text[i]) && i + 1 < text.size() && IsLow(text[i + 1]);
        const std::size_t length = pair ? 2 : 1;
        const char32_t u = pair ? 0x10000 + ((char32_t{text[i]} - 0xD800) << 10) +
                                      (char32_t{text[i + 1]} - 0xDC00)
                                : char32_t{text[i]};
        if (!InWin1252(u)) {
            out.spans.push_back({i, length});
            std::u16string character(text.substr(i, length));
            if (std::find(out.distinct.begin(), out.distinct.end(), character) ==
                out.distinct.end())
                out.distinct.push_back(std::move(character));
        }
        i += length;
    }
    return out;
}

} // namespace pw
