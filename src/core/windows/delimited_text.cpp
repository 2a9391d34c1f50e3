#include "windows/delimited_text.h"

#include "platform/errors.h"

#include <bitset>

namespace pw {

namespace {

// "|" when the text lacks it, else the first printable character it lacks, else any byte.
int DelimiterFor(std::string_view text) {
    // Nearly every text: one fast search, no table.
    if (text.find('|') == std::string_view::npos) return '|';
    std::bitset<256> used;
    for (const char c : text) used.set(static_cast<unsigned char>(c));
    if (!used['|']) return '|';
    for (int c = '!'; c <= '~'; ++c)
        if (!used[static_cast<std::size_t>(c)]) return c;
    for (int c = 0; c < 256; ++c)
        if (!used[static_cast<std::size_t>(c)]) return c;
    return -1;
}

} // namespace

void AppendDelimited(std::string& file, std::string_view text) {
    const int delimiter = DelimiterFor(text);
    if (delimiter < 0)
        throw FormatError("A text of " + std::to_string(text.size()) +
                          " characters holds every one of the 256 character codes, so no "
                          "delimiter can end it in the layout file; take one of them out.");
    const char d = static_cast<char>(delimiter);
    file.append(1, d).append(text).append(1, d).append("\r\n");
}

} // namespace pw
