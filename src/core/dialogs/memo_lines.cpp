#include "dialogs/memo_lines.h"

namespace pw {

std::string CrLfLines(const std::string& lfText) {
    std::string text;
    text.reserve(lfText.size());
    for (const char c : lfText) {
        if (c == '\n') text += '\r';
        text += c;
    }
    return text;
}

} // namespace pw
