#include "display/text_lines.h"

#include <algorithm>

namespace pw {

unsigned LineCount(std::string_view text) {
    return 1u + static_cast<unsigned>(std::count(text.begin(), text.end(), '\n'));
}

std::string GetLine(std::string_view text, unsigned n) {
    std::size_t pos = 0;
    for (unsigned line = 1; line < n; ++pos) {
        if (pos >= text.size()) return {};
        if (text[pos] == '\n') ++line;
    }
    const std::size_t end = text.find('\r', pos);
    return std::string(
        text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos));
}

} // namespace pw
