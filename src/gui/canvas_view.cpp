#include "gui/canvas_view.h"

#include "display/colour.h"
#include "gui/application.h"
#include "gui/canvas_mouse.h"
#include "shell/redraw.h"
#include "shell/selection.h"

#include <QAction>
#include <QCursor>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace pw {

namespace {

// x / d rounded down, for points left of or above the display too.
int FloorDiv(int x, int d) {
    return x >= 0 ? x / d : -((-x + d - 1) / d);
}

} // namespace

CanvasView::CanvasView(Editor& editor, QWidget* parent)
    : QAbstractScrollArea(parent), AttachedObserver(editor.observers), editor_(editor) {
    setObjectName("canvas");
    setFrameShape(QFrame::NoFrame);
    // The arrow keys and the other keyboard commands act on the canvas's layout.
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(false);
    viewport()->setMouseTracking(true);
    struct Item {
        const char* name;
        const char* caption;
        QList<QKeySequence> keys;
        int (CanvasView::*zoom)() const; // the zoom it goes to
    };
    for (const Item& item : {
             Item{"ZoomIn1", "Zoom In", {QKeySequence::ZoomIn, QKeySequence("Ctrl+=")},
                  &CanvasView::ZoomedIn},
             Item{"ZoomOut1", "Zoom Out", {QKeySequence::ZoomOut}, &CanvasView::ZoomedOut},
             Item{"ActualSize1", "Actual Size", {QKeySequence("Ctrl+0")}, &CanvasView::NoZoom},
             Item{"ZoomToFit1", "Zoom to &Fit", {QKeySequence("Ctrl+9")}, &CanvasView::FitZoom},
         }) {
        auto* action = new QAction(item.caption, this);
        action->setObjectName(item.name);
        action->setShortcuts(item.keys);
        connect(action, &QAction::triggered, this,
                [this, zoom = item.zoom] { ZoomBy((this->*zoom)() - zoom_); });
        addAction(action);
    }
    UpdateScrollBars();
}

void CanvasView::DisplaySizeChanged(int, int) {
    UpdateScrollBars();
    viewport()->update();
}

void CanvasView::RedrawRequested() {
    fullRedraw_ = true;
    viewport()->update();
}

void CanvasView::CanvasChanged(const Rect& r) {
    if (painting_ || r.Empty()) return;
    int x = r.left * zoom_, y = r.top * zoom_;
    ScrollXY(x, y, Scroll());
    viewport()->update(x, y, r.Width() * zoom_, r.Height() * zoom_);
}

ScrollPos CanvasView::Scroll() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void CanvasView::UpdateScrollBars() {
    // A display that fits the whole area needs no scroll bars, even while they are still shown
    // and take part of it.
    const QSize shown(editor_.view.canvas.Width() * zoom_, editor_.view.canvas.Height() * zoom_);
    const QSize view = shown.boundedTo(size()) == shown ? size() : viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, editor_.view.canvas.Width() * zoom_ - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    horizontalScrollBar()->setSingleStep(20 * zoom_);
    verticalScrollBar()->setRange(0, std::max(0, editor_.view.canvas.Height() * zoom_ - view.height()));
    verticalScrollBar()->setPageStep(view.height());
    verticalScrollBar()->setSingleStep(20 * zoom_);
}

void CanvasView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CanvasView::scrollContentsBy(int, int) { viewport()->update(); }

QPoint CanvasView::LayoutPoint(QPoint viewportPoint) const {
    int x = viewportPoint.x(), y = viewportPoint.y();
    UnscrollXY(x, y, Scroll());
    return {FloorDiv(x, zoom_), FloorDiv(y, zoom_)};
}

void CanvasView::SetZoom(int zoom, QPoint anchor) {
    zoom = std::clamp(zoom, 1, kMaxZoom);
    if (zoom == zoom_) return;
    const ScrollPos scroll = Scroll();
    const double x = static_cast<double>(anchor.x() + scroll.x) / zoom_;
    const double y = static_cast<double>(anchor.y() + scroll.y) / zoom_;
    zoom_ = zoom;
    UpdateScrollBars();
    horizontalScrollBar()->setValue(static_cast<int>(std::lround(x * zoom - anchor.x())));
    verticalScrollBar()->setValue(static_cast<int>(std::lround(y * zoom - anchor.y())));
    viewport()->update();
    emit ZoomChanged(zoom_);
}

int CanvasView::FitZoom() const {
    // The whole area, as the display takes it once no scroll bar is needed.
    const QSize area = size();
    const QSize display = DisplaySize();
    if (display.isEmpty()) return zoom_;
    return std::clamp(std::min(area.width() / display.width(), area.height() / display.height()),
                      1, kMaxZoom);
}

void CanvasView::ZoomBy(int steps) {
    const QPoint pointer = viewport()->mapFromGlobal(QCursor::pos());
    SetZoom(zoom_ + steps,
            viewport()->rect().contains(pointer) ? pointer : viewport()->rect().center());
}

void CanvasView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) return QAbstractScrollArea::wheelEvent(event);
    // A notch is 120; finer wheels and touchpads add up to it.
    wheelDelta_ += event->angleDelta().y();
    const int steps = wheelDelta_ / 120;
    wheelDelta_ -= steps * 120;
    if (steps) SetZoom(zoom_ + steps, event->position().toPoint());
    event->accept();
}

bool CanvasView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Leave) emit PointerMoved({}, false);
    return QAbstractScrollArea::viewportEvent(event);
}

void CanvasView::UpdatePointer(QPoint layoutPoint) {
    viewport()->setCursor(
        CursorOf(PointerAt(editor_.doc.layout, editor_.pointer, layoutPoint.x(), layoutPoint.y())));
}

void CanvasView::PlaceModeChanged() {
    UpdatePointer(LayoutPoint(viewport()->mapFromGlobal(QCursor::pos())));
}

void CanvasView::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    const QPoint p = LayoutPoint(event->position().toPoint());
    RunCommand([&] { FormMouseDown(editor_, ButtonOf(*event), ShiftOf(*event), p.x(), p.y()); });
    UpdatePointer(p);
}

void CanvasView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = LayoutPoint(event->position().toPoint());
    // A move is no command of its own: hovering changes nothing, and a drag becomes one step
    // at the release. So no history compare or menu refresh runs on every move.
    RunUnasked([&] { FormMouseMove(editor_, ShiftOf(*event), p.x(), p.y()); });
    UpdatePointer(p);
    emit PointerMoved(p, OnDisplay(editor_.doc.layout, p.x(), p.y()));
}

void CanvasView::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = LayoutPoint(event->position().toPoint());
    RunCommand([&] { FormMouseUp(editor_, ButtonOf(*event), ShiftOf(*event), p.x(), p.y()); });
    UpdatePointer(p);
}

void CanvasView::paintEvent(QPaintEvent* event) {
    if (fullRedraw_) {
        fullRedraw_ = false;
        painting_ = true;
        RedrawAll(editor_.view, editor_.doc);
        painting_ = false;
    }
    QPainter painter(viewport());
    const RasterCanvas& canvas = editor_.view.canvas;
    const ScrollPos scroll = Scroll();
    // The buffer's pixels are 0xFFRRGGBB, QImage's RGB32: shown without a copy.
    const QImage image(reinterpret_cast<const uchar*>(canvas.Bits()), canvas.Width(),
                       canvas.Height(), canvas.Width() * 4, QImage::Format_RGB32);
    const QRect shown(-scroll.x, -scroll.y, canvas.Width() * zoom_, canvas.Height() * zoom_);
    const QRect exposed = event->rect();
    // Outside the display the window shows the face colour, as a cleared form does.
    const QRegion outside = QRegion(exposed).subtracted(QRegion(shown));
    for (const QRect& r : outside) painter.fillRect(r, QColor::fromRgb(kButtonFace));
    const QRect target = exposed.intersected(shown);
    if (target.isEmpty()) return;
    // The whole display pixels under the target, each drawn as a zoom x zoom square: Qt
    // scales without smoothing unless told to.
    const QRect onCanvas = target.translated(scroll.x, scroll.y);
    const QRect source(QPoint(onCanvas.left() / zoom_, onCanvas.top() / zoom_),
                       QPoint(onCanvas.right() / zoom_, onCanvas.bottom() / zoom_));
    const QRect drawn(source.left() * zoom_ - scroll.x, source.top() * zoom_ - scroll.y,
                      source.width() * zoom_, source.height() * zoom_);
    painter.setClipRect(target);
    painter.drawImage(drawn, image, source);
    PaintOverlay(painter);
}

void CanvasView::PaintOverlay(QPainter& painter) {
    if (editor_.view.ViewMode != vmDesign) return;
    const ScrollPos scroll = Scroll();
    // A layout rectangle (inclusive) as the viewport shows it.
    const auto shown = [&](const Rect& r) {
        return QRect(r.left * zoom_ - scroll.x, r.top * zoom_ - scroll.y, r.Width() * zoom_,
                     r.Height() * zoom_);
    };
    const Layout& layout = editor_.doc.layout;
    // The current window carries the canvas's own mark; the others of the group get a ring.
    const std::vector<cWindow*> selected = SelectedWindows(layout, editor_.selection);
    if (selected.size() > 1) {
        painter.setPen(QPen(QColor(255, 0, 255), 2, Qt::DashLine));
        for (const cWindow* w : selected)
            if (w != layout.CurWindow && !editor_.view.Hidden.contains(w->Number))
                painter.drawRect(shown({w->X0, w->Y0, w->X1, w->Y1}).adjusted(1, 1, -1, -1));
    }
    const GroupDrag& drag = editor_.pointer.drag;
    if (!drag.guides.empty()) {
        painter.setPen(QPen(QColor(0, 200, 255), 1));
        const Rect display = editor_.view.canvas.Bounds();
        for (const SnapGuide& g : drag.guides) {
            const QRect line = shown(g.vertical ? Rect{g.at, 0, g.at, display.bottom}
                                                : Rect{0, g.at, display.right, g.at});
            painter.fillRect(line.left(), line.top(), std::max(1, g.vertical ? 1 : line.width()),
                             std::max(1, g.vertical ? line.height() : 1), QColor(0, 200, 255));
        }
    }
    if (drag.kind == GroupDrag::Kind::Band && !drag.band.Empty()) {
        painter.setPen(QPen(QColor(0, 120, 215), 1, Qt::DashLine));
        painter.setBrush(QColor(0, 120, 215, 40));
        painter.drawRect(shown(drag.band).adjusted(0, 0, -1, -1));
        painter.setBrush(Qt::NoBrush);
    }
}

void CanvasView::SelectionChanged() { viewport()->update(); }

} // namespace pw
