#pragma once
// The property setters. Each refuses invalid values silently; otherwise it erases the window,
// changes the field, refreshes the information dialog where needed and draws the window.

#include "shell/editor.h"

#include <cstdint>

namespace pw {

// Moves sideways keeping the width.
void SetX0(Editor& editor, cWindow& w, std::int32_t value);
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
