#include "windows/random.h"

namespace pw {

std::uint32_t NextRandom(Editor& editor, std::uint32_t n) {
    editor.RandomState = NextState(editor.RandomState, editor.RandomMask);
    return editor.RandomState % n;
}

} // namespace pw
