#include "windows/random.h"

namespace pw {

std::uint32_t NextRandom(Editor& editor, std::uint32_t n) {
    const std::uint32_t s = editor.RandomState;
    editor.RandomState = (s >> 31) + ((s << 1) ^ editor.RandomMask);
    return editor.RandomState % n;
}

} // namespace pw
