#pragma once
// The three colour codes of a window as the Colour Selection dialog chooses them, and which of
// them a palette click sets. The dialog keeps one choice for the whole run, so it reopens on
// the target it was left on.

#include <cstdint>

namespace pw {

// What a palette click sets (Target).
enum ColourTarget : int {
    ctFG = 0,  // the foreground
    ctBG0 = 1, // the background while the window's index is 0
    ctBG = 2,  // the background at every other index
};
constexpr int kColourTargetCount = 3;

// A window's colours as display colour codes; 256 is transparent.
struct WindowColours {
    std::int32_t FG = 0;
    std::int32_t BG0 = 0;
    std::int32_t BG = 0;
    friend bool operator==(const WindowColours&, const WindowColours&) = default;
};

class ColourChoice {
public:
    WindowColours codes;

    int Target() const { return target_; }
    // A target outside the three is ignored.
    void SelectTarget(int target);
    // The code becomes the colour of the current target.
    void SetTargetColour(std::int32_t code);
    // The code of a target 0..2.
    std::int32_t Code(int target) const;

private:
    int target_ = ctFG;
};

} // namespace pw
