#include "shell/canvas_group.h"

#include "shell/group_commands.h"
#include "shell/selection_commands.h"
#include "shell/window_change.h"
#include "shell/window_setters.h"
#include "windows/window_list.h"

#include <algorithm>

namespace pw {

namespace {

Rect RectOf(const cWindow& w) { return {w.X0, w.Y0, w.X1, w.Y1}; }

// The lines of the windows that stay and show (locked ones too), and of the display.
SnapTargets TargetsBesides(const Layout& layout, const View& view,
                           const std::set<WindowId>& moving) {
    const bool design = view.ViewMode == vmDesign;
    std::vector<Rect> rects;
    for (const auto& w : layout.WindowList)
        if (!moving.contains(w->Id) && !(design && view.Hidden.contains(w->Number)))
            rects.push_back(RectOf(*w));
    return TargetsOf(rects);
}

// Tells the canvas where the guides were and are, as pixel columns and rows of the display.
void ShowGuides(Editor& editor, std::vector<SnapGuide> guides) {
    GroupDrag& drag = editor.pointer.drag;
    const Rect display = editor.view.canvas.Bounds();
    for (const auto& list : {drag.guides, guides})
        for (const SnapGuide& g : list)
            editor.observers.Notify(&EditorObserver::CanvasChanged,
                                    g.vertical ? Rect{g.at, 0, g.at, display.bottom}
                                               : Rect{0, g.at, display.right, g.at});
    drag.guides = std::move(guides);
}

// The offset held so that the box stays on the display.
int Held(int d, int low, int high, int last) {
    return std::clamp(d, -low, std::max(-low, last - high));
}

void MoveStep(Editor& editor, ShiftState shift, int x, int y) {
    GroupDrag& drag = editor.pointer.drag;
    const cWindow& display = *Background(editor.doc.layout);
    const Rect& b = drag.bounds;
    int dx = Held(x - drag.startX, b.left, b.right, display.X1);
    int dy = Held(y - drag.startY, b.top, b.bottom, display.Y1);
    std::vector<SnapGuide> guides;
    if (Snapping(editor.pointer.snap, shift)) {
        const SnapSettings& snap = editor.pointer.snap;
        Snapped s = snap.grid ? SnapMoveToGrid(b, dx, dy, snap.gridSize)
                              : SnapMove(b, dx, dy, drag.targets);
        dx = Held(s.dx, b.left, b.right, display.X1);
        dy = Held(s.dy, b.top, b.bottom, display.Y1);
        if (dx == s.dx && dy == s.dy) guides = std::move(s.guides);
    }
    if (dx != drag.dx || dy != drag.dy) {
        drag.dx = dx;
        drag.dy = dy;
        std::vector<WindowPlace> places;
        places.reserve(drag.from.size());
        for (const auto& [id, r] : drag.from)
            places.push_back({id, {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}});
        ChangePlaces(editor.doc, editor.view, places, GroupShown::Previewed);
        if (!editor.view.Loading)
            drag.preview.Show(editor.view, editor.doc.layout.BackgroundColour, dx, dy);
    }
    ShowGuides(editor, std::move(guides));
}

void ResizeStep(Editor& editor, ShiftState shift, int x, int y) {
    GroupDrag& drag = editor.pointer.drag;
    cWindow* w = editor.doc.layout.CurWindow;
    if (!w) return;
    const bool right = w->DragMode == dmRightEdge;
    int edge = drag.edge + (right ? x - drag.startX : y - drag.startY);
    std::vector<SnapGuide> guides;
    if (Snapping(editor.pointer.snap, shift)) {
        const SnapSettings& snap = editor.pointer.snap;
        if (snap.grid) {
            edge = SnapFarEdgeToGrid(edge, snap.gridSize);
        } else if (const auto line = SnapLine(edge, right ? drag.targets.xs : drag.targets.ys)) {
            edge = *line;
            guides.push_back({right, edge});
        }
    }
    if (right)
        SetValue(editor.doc, editor.view, *w, wfX1, edge);
    else
        SetValue(editor.doc, editor.view, *w, wfY1, edge);
    if ((right ? w->X1 : w->Y1) != edge) guides.clear();
    ShowGuides(editor, std::move(guides));
}

void BandStep(Editor& editor, int x, int y) {
    GroupDrag& drag = editor.pointer.drag;
    const Rect was = drag.band;
    drag.band = {std::min(x, drag.startX), std::min(y, drag.startY), std::max(x, drag.startX),
                 std::max(y, drag.startY)};
    editor.observers.Notify(&EditorObserver::CanvasChanged, was.United(drag.band));
}

} // namespace

bool Snapping(const SnapSettings& snap, ShiftState shift) {
    return (snap.windows || snap.grid) && !(shift & ssAlt);
}

void StartBand(GroupDrag& drag, int x, int y) {
    drag = GroupDrag();
    drag.kind = GroupDrag::Kind::Band;
    drag.startX = x;
    drag.startY = y;
}

void StartMove(Editor& editor, int x, int y) {
    Layout& layout = editor.doc.layout;
    GroupDrag& drag = editor.pointer.drag;
    drag = GroupDrag();
    std::set<WindowId> moving;
    std::vector<const cWindow*> drawn;
    for (cWindow* w : MovableSelection(layout, editor.selection)) {
        w->DragMode = dmMoving;
        drag.from.emplace_back(w->Id, RectOf(*w));
        drag.bounds = drag.bounds.United(RectOf(*w));
        moving.insert(w->Id);
        drawn.push_back(w);
    }
    if (drag.from.empty()) return;
    drag.kind = GroupDrag::Kind::Move;
    drag.startX = x;
    drag.startY = y;
    drag.targets = TargetsBesides(layout, editor.view, moving);
    if (!editor.view.Loading) drag.preview.Capture(editor.view, layout, drawn);
}

void StartResize(GroupDrag& drag, const Layout& layout, const View& view, int x, int y) {
    const cWindow* w = layout.CurWindow;
    drag = GroupDrag();
    if (!w) return;
    drag.kind = GroupDrag::Kind::Resize;
    drag.startX = x;
    drag.startY = y;
    drag.edge = w->DragMode == dmRightEdge ? w->X1 : w->Y1;
    drag.targets = TargetsBesides(layout, view, {w->Id});
}

bool GroupDragStep(Editor& editor, ShiftState shift, int x, int y) {
    switch (editor.pointer.drag.kind) {
    case GroupDrag::Kind::Move: MoveStep(editor, shift, x, y); return true;
    case GroupDrag::Kind::Resize: ResizeStep(editor, shift, x, y); return true;
    case GroupDrag::Kind::Band: BandStep(editor, x, y); return true;
    case GroupDrag::Kind::None: break;
    }
    return false;
}

void EndGroupDrag(Editor& editor) {
    GroupDrag& drag = editor.pointer.drag;
    if (drag.kind == GroupDrag::Kind::Band && !drag.band.Empty()) {
        editor.observers.Notify(&EditorObserver::CanvasChanged, drag.band);
        const std::set<WindowId> touched =
            WindowsTouching(editor.doc.layout, editor.selection, editor.view, drag.band);
        if (touched.empty())
            ClearSelection(editor);
        else
            SelectIds(editor, touched);
    }
    for (const auto& [id, r] : drag.from)
        if (cWindow* w = FindWindow(editor.doc.layout, id)) w->DragMode = dmIdle;
    ShowGuides(editor, {});
    drag = GroupDrag();
}

} // namespace pw
