#include "shell/window_change.h"

#include "shell/redraw.h"
#include "windows/draw_area.h"
#include "windows/window_list.h"

namespace pw {

namespace {

// Whether the change of the fields in mask keeps the window one the editor can show.
bool Acceptable(const Layout& layout, const cWindow& w, const WindowFields& v, FieldMask mask) {
    const cWindow* display = Background(layout);
    const bool moveX = mask & (wfX0 | wfX1), moveY = mask & (wfY0 | wfY1);
    if (moveX || moveY) {
        if (!display || IsBackground(layout, &w)) return false;
        // Only the edges that move are held to the display: a window a damaged file left
        // partly off it can still be given its other fields.
        const std::int32_t x0 = mask & wfX0 ? v.X0 : w.X0, x1 = mask & wfX1 ? v.X1 : w.X1;
        const std::int32_t y0 = mask & wfY0 ? v.Y0 : w.Y0, y1 = mask & wfY1 ? v.Y1 : w.Y1;
        if (((mask & wfX0) && x0 < 0) || ((mask & wfY0) && y0 < 0)) return false;
        if (((mask & wfX1) && (x1 < 0 || x1 > display->X1)) ||
            ((mask & wfY1) && (y1 < 0 || y1 > display->Y1)))
            return false;
        if ((moveX && x1 < x0) || (moveY && y1 < y0)) return false;
    }
    if ((mask & wfDrawType) && v.DrawType >= kDrawTypeCount) return false;
    if ((mask & wfCurIndex) && (v.CurIndex < 0 || v.CurIndex >= kIndexCount)) return false;
    if ((mask & wfFontSize) && v.FontSize < 0) return false;
    if ((mask & wfParameter) && v.Parameter < 0) return false;
    return true;
}

// The fields of the mask that differ, or none when their change would leave the window one
// the editor cannot show.
FieldMask Changing(const Layout& layout, const cWindow& w, const WindowFields& v, FieldMask mask) {
    const FieldMask changed = DifferentFields(w, v, mask);
    return changed != wfNone && Acceptable(layout, w, v, changed) ? changed : wfNone;
}

void RedrawCovered(Document& doc, View& view, const Rect& area) {
    ApplyShownValues(doc, view);
    RedrawArea(view, doc.layout, area);
}

// The fields the information dialog shows apart from the position rows and the index box,
// which follow PositionChanged and the user's own typing.
constexpr FieldMask kShownFields = kAllFields & ~kPositionFields & ~wfCurIndex;

} // namespace

Rect CoveredArea(const View& view, const Layout& layout, const cWindow& w) {
    Rect area = WindowArea(view.canvas, w);
    if (!w.HasFlag(fmShared)) return area;
    // Which member of a shared group shows follows the members' indexes.
    std::size_t i = 0;
    while (const cWindow* partner = FindSharedPartner(layout, w, i)) {
        area = area.United(WindowArea(view.canvas, *partner));
        i = static_cast<std::size_t>(IndexOf(layout, partner)) + 1;
    }
    return area;
}

void RedrawChanged(Document& doc, View& view, const cWindow& w, const Rect& was) {
    if (view.Loading) return;
    const Layout& layout = doc.layout;
    // The display's own colours reach every window drawn transparent.
    if (IsBackground(layout, &w)) return RedrawAll(view, doc);
    RedrawCovered(doc, view, was.United(CoveredArea(view, layout, w)));
}

FieldMask ChangeWindow(Document& doc, View& view, WindowId id, const WindowFields& values,
                       FieldMask mask) {
    Layout& layout = doc.layout;
    cWindow* w = FindWindow(layout, id);
    if (!w) return wfNone;
    const FieldMask changed = Changing(layout, *w, values, mask);
    if (changed == wfNone) return wfNone;
    const Rect was = CoveredArea(view, layout, *w);
    CopyFields(*w, values, changed);
    if (changed & kPositionFields) doc.observers.Notify(&EditorObserver::PositionChanged);
    if (changed & kShownFields) doc.observers.Notify(&EditorObserver::WindowChanged);
    // Outside the Design view a new index may change what every window shows (the sharing
    // rule, a simulation's texts); where the view redraws everything anyway, it is asked to.
    if ((changed & wfCurIndex) && view.ViewMode != vmDesign && view.FullRedraw)
        doc.observers.Notify(&EditorObserver::RedrawRequested);
    else
        RedrawChanged(doc, view, *w, was);
    return changed;
}

bool ChangePlaces(Document& doc, View& view, const std::vector<WindowPlace>& places,
                  GroupShown shown) {
    Layout& layout = doc.layout;
    const bool drawn = shown == GroupShown::Drawn && !view.Loading;
    WindowFields values; // made once: a drag's step moves fifty windows
    Rect area;
    bool moved = false;
    for (const WindowPlace& place : places) {
        cWindow* w = FindWindow(layout, place.id);
        if (!w) continue;
        values.X0 = place.at.left;
        values.Y0 = place.at.top;
        values.X1 = place.at.right;
        values.Y1 = place.at.bottom;
        const FieldMask changed = Changing(layout, *w, values, kPositionFields);
        if (changed == wfNone) continue;
        if (drawn) area = area.United(CoveredArea(view, layout, *w));
        CopyFields(*w, values, changed);
        if (drawn) area = area.United(CoveredArea(view, layout, *w));
        moved = true;
    }
    if (!moved) return false;
    doc.observers.Notify(&EditorObserver::PositionChanged);
    if (drawn) RedrawCovered(doc, view, area);
    return true;
}

} // namespace pw
