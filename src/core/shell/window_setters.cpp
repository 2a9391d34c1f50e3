#include "shell/window_setters.h"

#include "shell/redraw.h"
#include "windows/shown_values.h"
#include "windows/window_list.h"

namespace pw {

namespace {

// Erase, change, refresh, draw: the protocol every accepted change follows.
template <typename Change>
void Apply(Editor& editor, cWindow& w, Change change) {
    DrawWindow(editor, w, DrawMode::Erase);
    change();
    DrawWindow(editor, w, DrawMode::Draw);
}

using Coord = std::int32_t cWinFileDescription::*;

// Moves the window along one axis, keeping its extent: the near edge (X0 or Y0) becomes
// value and the far edge (X1 or Y1) follows, which must stay within the display.
void Move(Editor& editor, cWindow& w, std::int32_t value, Coord nearEdge, Coord farEdge) {
    if (value == w.*nearEdge || IsBackground(editor.doc.layout, &w) || value < 0) return;
    const long long far = static_cast<long long>(w.*farEdge) + value - w.*nearEdge;
    if (far > Background(editor.doc.layout)->*farEdge) return;
    Apply(editor, w, [&] {
        w.*farEdge = static_cast<std::int32_t>(far);
        w.*nearEdge = value;
        editor.observers.Notify(&EditorObserver::PositionChanged);
    });
}

// Moves the far edge (X1 or Y1) alone, never before the near edge nor off the display.
void Stretch(Editor& editor, cWindow& w, std::int32_t value, Coord nearEdge, Coord farEdge) {
    if (value < 0 || value == w.*farEdge || IsBackground(editor.doc.layout, &w) || value < w.*nearEdge) return;
    if (value > Background(editor.doc.layout)->*farEdge) return;
    Apply(editor, w, [&] {
        w.*farEdge = value;
        editor.observers.Notify(&EditorObserver::PositionChanged);
    });
}

} // namespace

void SetX0(Editor& editor, cWindow& w, std::int32_t value) {
    Move(editor, w, value, &cWinFileDescription::X0, &cWinFileDescription::X1);
}

void SetY0(Editor& editor, cWindow& w, std::int32_t value) {
    Move(editor, w, value, &cWinFileDescription::Y0, &cWinFileDescription::Y1);
}

void SetX1(Editor& editor, cWindow& w, std::int32_t value) {
    Stretch(editor, w, value, &cWinFileDescription::X0, &cWinFileDescription::X1);
}

void SetY1(Editor& editor, cWindow& w, std::int32_t value) {
    Stretch(editor, w, value, &cWinFileDescription::Y0, &cWinFileDescription::Y1);
}

void SetFontSize(Editor& editor, cWindow& w, std::int32_t value) {
    if (value < 0 || value == w.FontSize || w.DrawType == dtImage) return;
    Apply(editor, w, [&] {
        w.FontSize = value;
        editor.observers.Notify(&EditorObserver::WindowChanged);
    });
}

void SetFormat(Editor& editor, cWindow& w, std::int32_t value) {
    if (value == w.Format) return;
    Apply(editor, w, [&] {
        w.Format = value;
        editor.observers.Notify(&EditorObserver::WindowChanged);
    });
}

void SetParameter(Editor& editor, cWindow& w, std::int32_t value) {
    if (value < 0 || value == w.Parameter) return;
    Apply(editor, w, [&] {
        if (w.Type == wtTimeDate) w.Text[0] = TimeDateSample(value);
        w.Parameter = value;
    });
}

void SetDrawType(Editor& editor, cWindow& w, std::int32_t value) {
    const auto type = static_cast<std::uint8_t>(value);
    if (type >= kDrawTypeCount || type == w.DrawType) return;
    Apply(editor, w, [&] { w.DrawType = type; });
}

void SetCurIndex(Editor& editor, cWindow& w, std::int32_t value) {
    if (value < 0 || value >= kIndexCount || value == w.CurIndex || w.Type == wtBackground)
        return;
    const bool design = editor.view.ViewMode == vmDesign;
    if (design) DrawWindow(editor, w, DrawMode::Erase);
    if (value == 0 || (w.CurIndex == 0 && w.HasFlag(fmShared))) {
        if (cWindow* partner = FindSharedPartner(editor.doc.layout, w, 0))
            DrawWindow(editor, *partner, DrawMode::Erase);
    }
    w.CurIndex = value;
    if (design) {
        DrawWindow(editor, w, DrawMode::Draw);
    } else if (editor.view.FullRedraw) {
        editor.observers.Notify(&EditorObserver::RedrawRequested);
    } else {
        DrawWindow(editor, w, DrawMode::Erase);
        DrawWindow(editor, w, DrawMode::Draw);
    }
}

} // namespace pw
