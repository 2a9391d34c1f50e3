#include "shell/window_setters.h"

#include "shell/window_change.h"
#include "windows/shown_values.h"
#include "windows/window_list.h"

namespace pw {

namespace {

// One field of the window takes value.
template <typename T>
void Set(Document& doc, View& view, cWindow& w, T WindowFields::*field, T value, FieldMask bit) {
    WindowFields values;
    values.*field = value;
    ChangeWindow(doc, view, w.Id, values, bit);
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

void Move(Document& doc, View& view, cWindow& w, std::int32_t value, Coord nearEdge, Coord farEdge,
          FieldMask bits) {
    WindowFields values;
    const FieldMask mask = Move(doc.layout, w, value, nearEdge, farEdge, bits, values);
    if (mask != wfNone) ChangeWindow(doc, view, w.Id, values, mask);
}

// Moves the far edge (X1 or Y1) alone, never before the near edge nor off the display.
void Stretch(Document& doc, View& view, cWindow& w, std::int32_t value, Coord nearEdge,
             Coord farEdge, FieldMask bit) {
    if (value < 0 || value == w.*farEdge || IsBackground(doc.layout, &w) || value < w.*nearEdge)
        return;
    if (value > Background(doc.layout)->*farEdge) return;
    Set(doc, view, w, farEdge, value, bit);
}

void SetX0(Document& doc, View& view, cWindow& w, std::int32_t value) {
    Move(doc, view, w, value, &WindowFields::X0, &WindowFields::X1, wfX0 | wfX1);
}

void SetY0(Document& doc, View& view, cWindow& w, std::int32_t value) {
    Move(doc, view, w, value, &WindowFields::Y0, &WindowFields::Y1, wfY0 | wfY1);
}

void SetX1(Document& doc, View& view, cWindow& w, std::int32_t value) {
    Stretch(doc, view, w, value, &WindowFields::X0, &WindowFields::X1, wfX1);
}

void SetY1(Document& doc, View& view, cWindow& w, std::int32_t value) {
    Stretch(doc, view, w, value, &WindowFields::Y0, &WindowFields::Y1, wfY1);
}

void SetFontSize(Document& doc, View& view, cWindow& w, std::int32_t value) {
    if (w.DrawType == dtImage) return;
    Set(doc, view, w, &WindowFields::FontSize, value, wfFontSize);
}

void SetFormat(Document& doc, View& view, cWindow& w, std::int32_t value) {
    Set(doc, view, w, &WindowFields::Format, value, wfFormat);
}

void SetParameter(Document& doc, View& view, cWindow& w, std::int32_t value) {
    if (value < 0 || value == w.Parameter) return;
    WindowFields values;
    values.Parameter = value;
    FieldMask mask = wfParameter;
    if (w.Type == wtTimeDate) {
        values.Text = w.Text;
        values.Text.Set(0, TimeDateSample(value));
        mask |= wfText;
    }
    ChangeWindow(doc, view, w.Id, values, mask);
}

void SetDrawType(Document& doc, View& view, cWindow& w, std::int32_t value) {
    // Taken as the byte the field holds, as the file's number is.
    Set(doc, view, w, &WindowFields::DrawType, static_cast<std::uint8_t>(value), wfDrawType);
}

void SetCurIndex(Document& doc, View& view, cWindow& w, std::int32_t value) {
    // Background objects keep theirs.
    if (w.Type == wtBackground) return;
    Set(doc, view, w, &WindowFields::CurIndex, value, wfCurIndex);
}

} // namespace

void MoveTo(Document& doc, View& view, cWindow& w, std::int32_t x0, std::int32_t y0) {
    const Layout& layout = doc.layout;
    WindowFields values;
    const FieldMask mask =
        Move(layout, w, x0, &WindowFields::X0, &WindowFields::X1, wfX0 | wfX1, values) |
        Move(layout, w, y0, &WindowFields::Y0, &WindowFields::Y1, wfY0 | wfY1, values);
    if (mask != wfNone) ChangeWindow(doc, view, w.Id, values, mask);
}

void SetValue(Document& doc, View& view, cWindow& w, WindowField field, std::int32_t value) {
    switch (field) {
    case wfX0: return SetX0(doc, view, w, value);
    case wfY0: return SetY0(doc, view, w, value);
    case wfX1: return SetX1(doc, view, w, value);
    case wfY1: return SetY1(doc, view, w, value);
    case wfFontSize: return SetFontSize(doc, view, w, value);
    case wfFormat: return SetFormat(doc, view, w, value);
    case wfParameter: return SetParameter(doc, view, w, value);
    case wfDrawType: return SetDrawType(doc, view, w, value);
    case wfCurIndex: return SetCurIndex(doc, view, w, value);
    default: return;
    }
}

} // namespace pw
