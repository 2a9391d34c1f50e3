#include "dialogs/unstorable.h"

#include "platform/win1252.h"

#include <algorithm>

namespace pw {

namespace {

// The layout file writes every text between two of these.
constexpr char16_t kTextDelimiter = u'|';

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
        if (u == kTextDelimiter || !InWin1252(u)) {
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

std::u16string UnstorableMessage(const Unstorable& found) {
    std::u16string outside;
    bool delimiter = false;
    for (const std::u16string& character : found.distinct) {
        if (character.size() == 1 && character[0] == kTextDelimiter) {
            delimiter = true;
            continue;
        }
        if (!outside.empty()) outside += u' ';
        outside += character;
    }
    std::u16string message;
    if (!outside.empty())
        message = u"These characters cannot be stored in a layout file and were left out: " +
                  outside;
    if (delimiter) {
        if (!message.empty()) message += u"\n\n";
        message += u"\"|\" was left out: a layout file marks the start and the end of every "
                   u"text with it, so a text cannot hold one.";
    }
    return message;
}

} // namespace pw
