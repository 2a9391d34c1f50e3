#include "shell/canvas_editing.h"

#include "display/colour.h"
#include "shell/canvas_group.h"
#include "shell/place_mode.h"
#include "shell/selection_commands.h"
#include "shell/redraw.h"
#include "shell/window_commands.h"
#include "windows/window_list.h"
#include "shell/window_setters.h"
#include "windows/shown_values.h"

#include <algorithm>
#include <limits>

namespace pw {

namespace {

constexpr int kEdgeBand = 2; // pixels on either side of an edge that grab it
constexpr int kDefaultWidth = 120, kDefaultHeight = 30;
constexpr int kWideWidth = 250, kClockWidth = 330;

// A coordinate a drag step computes, held in the range a window field takes. Only a
// hand-edited layout comes near the limits, and the setters refuse such values anyway.
std::int32_t Held(long long v) {
    return static_cast<std::int32_t>(std::clamp<long long>(
        v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

bool Inside(const cWindow& w, int x, int y) {
    return w.X0 < x && x < w.X1 && w.Y0 < y && y < w.Y1;
}

// The Type a Place choice makes.
std::uint8_t KindOf(std::uint8_t placeMode) {
    switch (placeMode) {
    case pmPosition: return wtPosition;
    case pmDirection: return wtDirection;
    case pmDestination: return wtDestination;
    case pmTimeDate: return wtTimeDate;
    case pmLiftStatus: return wtLiftStatus;
    case pmMessage: return wtMessage;
    case pmTimedSequence: return wtTimedSequence;
    default: return wtBackground; // Background Obj, Rectangle and Mat surface
    }
}

void Place(Editor& editor, int x, int y) {
    if (editor.pointer.PlaceMode == pmDestinationStatus) {
        const cWindow& destination = PlaceNewWindow(editor, wtDestination, x, y, 0, true);
        PlaceNewWindow(editor, wtLiftStatus, x, y, destination.Tag, true);
    } else {
        PlaceNewWindow(editor, KindOf(editor.pointer.PlaceMode), x, y, 0, false);
    }
}

void BackgroundDefaults(Editor& editor, cWindow& w) {
    const std::int32_t colour = editor.doc.layout.BackgroundColour;
    w.Tag = 0;
    switch (editor.pointer.PlaceMode) {
    case pmBackgroundRect:
        // A bevel a little lighter and darker than the display around it.
        w.FG = kTransparent;
        w.DrawType = dtRectangle;
        w.FontSize = 2;
        w.BG0 = colour <= 253 ? colour + 2 : 255;
        w.BG = colour >= 2 ? colour - 2 : 0;
        w.Parameter = 1;
        break;
    case pmMatSurface:
        w.FontSize = 1;
        w.Parameter = 16;
        w.BG0 = colour;
        w.BG = 0;
        w.DrawType = dtMat;
        break;
    default: break;
    }
}

void ContentDefaults(cWindow& w, int x, std::uint32_t tag, bool shared) {
    if (tag != 0) w.Tag = tag;
    w.BG = kTransparent;
    w.CurIndex = 1;
    w.Format = fmCentre | fmVCentre | (shared ? fmShared : 0);
    switch (w.Type) {
    case wtPosition:
        w.Text.Set(0, "unknown");
        w.Text.Set(1, "lowest floor");
        break;
    case wtDirection: w.DrawType = dtArrows; break;
    case wtDestination:
        w.Text.Set(0, "running");
        w.Text.Set(1, "lowest floor");
        break;
    case wtTimeDate:
        w.CurIndex = 0;
        w.Text.Set(0, TimeDateSample(0));
        w.X1 = x + kClockWidth;
        break;
    case wtLiftStatus:
        w.Text.Set(1, "OVERLOAD");
        w.Text.Set(2, "FIRE SERVICE");
        w.Text.Set(3, "INDEPENDENT SERVICE");
        w.Text.Set(4, "DOOR HELD");
        w.Text.Set(5, "LIFT RECALLED");
        w.Text.Set(6, "LIFT CANNOT RUN");
        w.BG = 195;
        w.X1 = x + kWideWidth;
        break;
    case wtTimedSequence:
        w.CurIndex = 0;
        w.Parameter = 5;
        w.Text.Set(0, "first 5 seconds");
        w.Text.Set(1, "next 5 seconds...");
        w.X1 = x + kWideWidth;
        break;
    case wtMessage:
        w.Text.Set(0, "Default Message");
        w.X1 = x + kWideWidth;
        w.CurIndex = 0;
        break;
    default: break;
    }
}

} // namespace

bool OnDisplay(const Layout& layout, int x, int y) {
    const cWindow* background = Background(layout);
    return background && x >= 0 && y >= 0 && x <= background->X1 && y <= background->Y1;
}

void FormMouseDown(Editor& editor, MouseButton, ShiftState shift, int x, int y) {
    Layout& layout = editor.doc.layout;
    editor.pointer.drag = GroupDrag();
    const cWindow* current = layout.CurWindow;
    const bool locked = current && editor.selection.IsLocked(*current);
    const std::set<std::uint32_t> unpickable = Unpickable(editor.selection, editor.view);
    if (PlaceArmed(editor.pointer)) {
        // Beside the display a window could only be clipped inside out; the choice waits for
        // a press on the display.
        if (OnDisplay(layout, x, y)) Place(editor, x, y);
    } else if (shift & ssShift) {
        // A press on a window would move it; with Shift it starts a band anywhere.
        StartBand(editor.pointer.drag, x, y);
    } else if (shift & ssCtrl) {
        if (cWindow* w = HitWindow(layout, x, y, &unpickable)) ToggleSelected(editor, *w);
    } else if (cWindow* w = locked ? nullptr : HitRightEdge(layout, x, y)) {
        w->DragMode = dmRightEdge;
        if (Snapping(editor.pointer.snap, shift))
            StartResize(editor.pointer.drag, layout, editor.view, x, y);
    } else if (cWindow* w = locked ? nullptr : HitBottomEdge(layout, x, y)) {
        w->DragMode = dmBottomEdge;
        if (Snapping(editor.pointer.snap, shift))
            StartResize(editor.pointer.drag, layout, editor.view, x, y);
    } else if (cWindow* w = HitWindow(layout, x, y, &unpickable)) {
        const bool inGroup = InGroup(layout, editor.selection, *w);
        if (inGroup) {
            SelectWindow(editor.doc, editor.view, w);
        } else if (editor.selection.Size() > 1) {
            SelectOnly(editor, w); // the group gives way to the window
        } else {
            editor.selection.Assign({w->Id});
            SelectWindow(editor.doc, editor.view, w);
        }
        if (IsBackground(layout, w)) {
            // Only the Background object is under the pointer: a drag draws a band.
            StartBand(editor.pointer.drag, x, y);
        } else {
            w->DragMode = dmMoving;
            if (inGroup || Snapping(editor.pointer.snap, shift)) StartMove(editor, x, y);
        }
    } else {
        editor.selection.Clear();
        layout.CurWindow = nullptr;
        RedrawAll(editor.view, editor.doc);
    }
    editor.pointer.LastMouseX = x;
    editor.pointer.LastMouseY = y;
}

void FormMouseMove(Editor& editor, ShiftState shift, int x, int y) {
    cWindow* w = editor.doc.layout.CurWindow;
    if ((shift & ssLeft) && GroupDragStep(editor, shift, x, y)) {
        // The drag from the press, with snapping, or the band.
    } else if ((shift & ssLeft) && w) {
        const long long dx = static_cast<long long>(x) - editor.pointer.LastMouseX;
        const long long dy = static_cast<long long>(y) - editor.pointer.LastMouseY;
        switch (w->DragMode) {
        case dmMoving:
            if (w->X0 + dx >= 0 && w->Y0 + dy >= 0)
                MoveTo(editor.doc, editor.view, *w, Held(w->X0 + dx), Held(w->Y0 + dy));
            break;
        case dmRightEdge: SetValue(editor.doc, editor.view, *w, wfX1, Held(w->X1 + dx)); break;
        case dmBottomEdge: SetValue(editor.doc, editor.view, *w, wfY1, Held(w->Y1 + dy)); break;
        default: break;
        }
    }
    editor.pointer.LastMouseX = x;
    editor.pointer.LastMouseY = y;
}

void FormMouseUp(Editor& editor, MouseButton, ShiftState, int, int) {
    EndGroupDrag(editor);
    cWindow* w = editor.doc.layout.CurWindow;
    if (!w) return;
    w->DragMode = dmIdle;
    editor.observers.Notify(&EditorObserver::WindowChanged);
    RedrawAll(editor.view, editor.doc);
}

cWindow& PlaceNewWindow(Editor& editor, std::uint8_t kind, int x, int y, std::uint32_t tag,
                        bool shared) {
    cWindow& w = NewWindow(editor.doc.layout);
    // Made current without moving the selection mark: the redraw at the release clears it.
    editor.doc.layout.CurWindow = &w;
    w.Type = kind;
    w.DragMode = dmIdle;
    w.X0 = x;
    w.Y0 = y;
    w.X1 = x + kDefaultWidth;
    w.Y1 = y + kDefaultHeight;
    w.FG = 0;
    w.BG0 = kTransparent;
    if (kind == wtBackground)
        BackgroundDefaults(editor, w);
    else
        ContentDefaults(w, x, tag, shared);
    ClipToDisplay(editor.doc.layout, w);
    ArmPlace(editor.pointer, editor.observers, pmNone);
    return w;
}

cWindow* HitRightEdge(const Layout& layout, int x, int y) {
    cWindow* w = layout.CurWindow;
    if (!w) return nullptr;
    const long long right = w->X1;
    const bool hit = right - kEdgeBand <= x && x <= right + kEdgeBand && w->Y0 <= y && y <= w->Y1;
    return hit ? w : nullptr;
}

cWindow* HitBottomEdge(const Layout& layout, int x, int y) {
    cWindow* w = layout.CurWindow;
    if (!w) return nullptr;
    const long long bottom = w->Y1;
    const bool hit = w->X0 <= x && x <= w->X1 && bottom - kEdgeBand <= y && y <= bottom + kEdgeBand;
    return hit ? w : nullptr;
}

cWindow* HitWindow(const Layout& layout, int x, int y, const std::set<std::uint32_t>* skip) {
    const auto skipped = [skip](const cWindow& w) { return skip && skip->contains(w.Number); };
    cWindow* current = layout.CurWindow;
    if (current && !IsBackground(layout, current) && Inside(*current, x, y) && !skipped(*current))
        return current;
    cWindow* found = nullptr;
    unsigned long long foundArea = 0;
    // From the top of the drawing order down, so that on equal areas the window drawn on top
    // wins; the Background object, last, only where no other window is.
    for (auto it = layout.WindowList.rbegin(); it != layout.WindowList.rend(); ++it) {
        cWindow* w = it->get();
        if (!Inside(*w, x, y) || (found && IsBackground(layout, w)) || skipped(*w)) continue;
        // Both sides are at least 2 inside a strict hit, and their product fits 64 bits.
        const unsigned long long area =
            static_cast<unsigned long long>(static_cast<long long>(w->X1) - w->X0) *
            static_cast<unsigned long long>(static_cast<long long>(w->Y1) - w->Y0);
        if (!found || area < foundArea) {
            found = w;
            foundArea = area;
        }
    }
    return found;
}

} // namespace pw
