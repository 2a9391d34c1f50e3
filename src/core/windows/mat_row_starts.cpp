#include "windows/mat_row_starts.h"

#include "windows/random.h"

#include <cstddef>
#include <vector>

namespace pw {

namespace {

struct Starts {
    std::uint32_t mask;
    int rowLength;
    std::vector<std::uint32_t> states; // states[0] is the restart
};

// More textures than this at once are rare; the oldest then makes room.
constexpr std::size_t kKeptTextures = 16;

} // namespace

std::span<const std::uint32_t> MatRowStarts(std::uint32_t mask, int rowLength, int rows) {
    thread_local std::vector<Starts> kept;
    Starts* found = nullptr;
    for (Starts& s : kept)
        if (s.mask == mask && s.rowLength == rowLength) found = &s;
    if (!found) {
        if (kept.size() == kKeptTextures) kept.erase(kept.begin());
        found = &kept.emplace_back(Starts{mask, rowLength, {0}});
    }
    std::vector<std::uint32_t>& states = found->states;
    const auto wanted = static_cast<std::size_t>(rows) + 1;
    if (states.size() < wanted) {
        states.reserve(wanted);
        std::uint32_t state = states.back();
        while (states.size() < wanted) {
            for (int j = 0; j < rowLength; ++j) state = NextState(state, mask);
            states.push_back(state);
        }
    }
    return {states.data(), wanted};
}

} // namespace pw
