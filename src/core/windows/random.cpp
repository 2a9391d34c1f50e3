#include "windows/random.h"

namespace pw {

std::uint32_t NextRandom(Random& random, std::uint32_t n) {
    random.RandomState = NextState(random.RandomState, random.RandomMask);
    return random.RandomState % n;
}

} // namespace pw
