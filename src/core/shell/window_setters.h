#pragma once
// The property setters: the rule of each field a user types or drags. Each refuses invalid
// values silently; otherwise it changes the window through ChangeWindow.

#include "shell/editor.h"

#include <cstdint>

namespace pw {

// Moves sideways keeping the width.
void SetX0(Editor& editor, cWindow& w, std::int32_t value);
// Moves to (x0, y0) keeping the size, in one change; an axis SetX0 or SetY0 would refuse
// stays where it is.
void MoveTo(Editor& editor, cWindow& w, std::int32_t x0, std::int32_t y0);
// Moves vertically keeping the height.
void SetY0(Editor& editor, cWindow& w, std::int32_t value);
void SetX1(Editor& editor, cWindow& w, std::int32_t value);
void SetY1(Editor& editor, cWindow& w, std::int32_t value);
void SetFontSize(Editor& editor, cWindow& w, std::int32_t value);
void SetFormat(Editor& editor, cWindow& w, std::int32_t value);
void SetParameter(Editor& editor, cWindow& w, std::int32_t value);
void SetDrawType(Editor& editor, cWindow& w, std::int32_t value);
// Indexes 0..99 only; Background objects keep theirs. Swaps Shared partners as needed.
void SetCurIndex(Editor& editor, cWindow& w, std::int32_t value);

} // namespace pw
