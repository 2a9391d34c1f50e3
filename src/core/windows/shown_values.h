#pragma once
// What a window shows where its file leaves something open: a text window without a face or
// size shows in Arial 20, and outside the Dynamic view a Time and Date Window shows a fixed
// sample of its clock instead of the time. The renderer draws with these values without
// storing them; the shell stores them in the windows that show (ApplyShownValues), so that
// the Window Information dialog, the file and the display say what the canvas draws.

#include "windows/window.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace pw {

// The clock sample that Design and Static view show, by the clock's Parameter.
const char* TimeDateSample(std::int32_t parameter);

struct ShownText {
    std::string_view text; // empty: the window shows no text
    std::string fontName;
    std::int32_t fontSize;
};

// What a text window shows in the view: the text of its index (the clock's sample outside
// the Dynamic view) with the face and size it is drawn in.
ShownText ShownTextOf(const cWindow& w, std::uint8_t viewMode);

// Whether the window's stored values differ from what it shows, and storing them.
bool DiffersFromShown(const cWindow& w, std::uint8_t viewMode);
void ApplyShownValues(cWindow& w, std::uint8_t viewMode);

} // namespace pw
