#include "dialogs/colour_choice.h"

#include <array>

namespace pw {

namespace {

// The field of each target, in target order.
constexpr std::array<std::int32_t WindowColours::*, kColourTargetCount> kTargetFields = {
    &WindowColours::FG, &WindowColours::BG0, &WindowColours::BG};

} // namespace

void ColourChoice::SelectTarget(int target) {
    if (target >= 0 && target < kColourTargetCount) target_ = target;
}

void ColourChoice::SetTargetColour(std::int32_t code) {
    codes.*kTargetFields[static_cast<std::size_t>(target_)] = code;
}

std::int32_t ColourChoice::Code(int target) const {
    return codes.*kTargetFields[static_cast<std::size_t>(target)];
}

} // namespace pw
