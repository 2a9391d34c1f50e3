#include "shell/window_setters.h"

#include "shell/window_change.h"
#include "windows/shown_values.h"
#include "windows/window_list.h"

namespace pw {

namespace {

// One field of the window takes value.
template <typename T>
void Set(Editor& editor, cWindow& w, T WindowFields::*field, T value, FieldMask bit) {
    WindowFields values;
    values.*field = value;
    ChangeWindow(editor, w.Id, values, bit);
}

using Coord = std::int32_t WindowFields::*;

// Moves the window along one axis in values, keeping its extent: the near edge (X0 or Y0)
// becomes value and the far edge (X1 or Y1) follows, which must stay within the display.
// Returns the fields that take the move; none when it is refused.
FieldMask Move(const Layout& layout, const cWindow& w, std::int32_t value, Coord nearEdge,
               Coord farEdge, FieldMask bits, WindowFields& values) {
    if (value == w.*nearEdge || IsBackground(layout, &w) || value < 0) return wfNone;
    const long long far = static_cast<long long>(w.*farEdge) + value - w.*nearEdge;
    if (far > Background(layout)->*farEdge) return wfNone;
    values.*nearEdge = value;
    values.*farEdge = static_cast<std::int32_t>(far);
    return bits;
}

void Move(Editor& editor, cWindow& w, std::int32_t value, Coord nearEdge, Coord farEdge,
          FieldMask bits) {
    WindowFields values;
    const FieldMask mask = Move(editor.doc.layout, w, value, nearEdge, farEdge, bits, values);
    if (mask != wfNone) ChangeWindow(editor, w.Id, values, mask);
}

// Moves the far edge (X1 or Y1) alone, never before the near edge nor off the display.
void Stretch(Editor& editor, cWindow& w, std::int32_t value, Coord nearEdge, Coord farEdge,
             FieldMask bit) {
    if (value < 0 || value == w.*farEdge || IsBackground(editor.doc.layout, &w) || value < w.*nearEdge) return;
    if (value > Background(editor.doc.layout)->*farEdge) return;
    Set(editor, w, farEdge, value, bit);
}

} // namespace

void SetX0(Editor& editor, cWindow& w, std::int32_t value) {
    Move(editor, w, value, &WindowFields::X0, &WindowFields::X1, wfX0 | wfX1);
}

void SetY0(Editor& editor, cWindow& w, std::int32_t value) {
    Move(editor, w, value, &WindowFields::Y0, &WindowFields::Y1, wfY0 | wfY1);
}

void MoveTo(Editor& editor, cWindow& w, std::int32_t x0, std::int32_t y0) {
    const Layout& layout = editor.doc.layout;
    WindowFields values;
    const FieldMask mask =
        Move(layout, w, x0, &WindowFields::X0, &WindowFields::X1, wfX0 | wfX1, values) |
        Move(layout, w, y0, &WindowFields::Y0, &WindowFields::Y1, wfY0 | wfY1, values);
    if (mask != wfNone) ChangeWindow(editor, w.Id, values, mask);
}

void SetX1(Editor& editor, cWindow& w, std::int32_t value) {
    Stretch(editor, w, value, &WindowFields::X0, &WindowFields::X1, wfX1);
}

void SetY1(Editor& editor, cWindow& w, std::int32_t value) {
    Stretch(editor, w, value, &WindowFields::Y0, &WindowFields::Y1, wfY1);
}

void SetFontSize(Editor& editor, cWindow& w, std::int32_t value) {
    if (w.DrawType == dtImage) return;
    Set(editor, w, &WindowFields::FontSize, value, wfFontSize);
}

void SetFormat(Editor& editor, cWindow& w, std::int32_t value) {
    Set(editor, w, &WindowFields::Format, value, wfFormat);
}

void SetParameter(Editor& editor, cWindow& w, std::int32_t value) {
    if (value < 0 || value == w.Parameter) return;
    WindowFields values;
    values.Parameter = value;
    FieldMask mask = wfParameter;
    if (w.Type == wtTimeDate) {
        values.Text = w.Text;
        values.Text[0] = TimeDateSample(value);
        mask |= wfText;
    }
    ChangeWindow(editor, w.Id, values, mask);
}

void SetDrawType(Editor& editor, cWindow& w, std::int32_t value) {
    // Taken as the byte the field holds, as the file's number is.
    Set(editor, w, &WindowFields::DrawType, static_cast<std::uint8_t>(value), wfDrawType);
}

void SetCurIndex(Editor& editor, cWindow& w, std::int32_t value) {
    // Background objects keep theirs.
    if (w.Type == wtBackground) return;
    Set(editor, w, &WindowFields::CurIndex, value, wfCurIndex);
}

} // namespace pw
