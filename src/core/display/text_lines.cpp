#include "display/text_lines.h"

#include <algorithm>

namespace pw {

unsigned LineCount(const std::string& text) {
    return 1u + static_cast<unsigned>(std::count(text.begin(), text.end(), '\n'));
}

std::string GetLine(const std::string& text, unsigned n) {
    std::size_t pos = 0;
    for (unsigned line = 1; line < n; ++pos) {
        if (pos >= text.size()) return {};
        if (text[pos] == '\n') ++line;
    }
    const std::size_t end = text.find('\r', pos);
    return text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
}

} // namespace pw
