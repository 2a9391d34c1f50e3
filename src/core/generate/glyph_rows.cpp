#include "generate/glyph_rows.h"

namespace pw {

void AppendGlyphRun(std::string& out, int length) {
    for (; length > kLongestRunByte; length -= kLongestRunByte) {
        out += static_cast<char>(kLongestRunByte);
        out += '\0';
    }
    out += static_cast<char>(length);
}

} // namespace pw
