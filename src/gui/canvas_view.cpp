#include "gui/canvas_view.h"

#include "display/colour.h"
#include "gui/application.h"
#include "gui/canvas_mouse.h"
#include "windows/renderer.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace pw {

CanvasView::CanvasView(Editor& editor, QWidget* parent)
    : QAbstractScrollArea(parent), AttachedObserver(editor.observers), editor_(editor) {
    setObjectName("canvas");
    setFrameShape(QFrame::NoFrame);
    viewport()->setAutoFillBackground(false);
    viewport()->setMouseTracking(true);
    UpdateScrollBars();
}

void CanvasView::DisplaySizeChanged(int width, int height) {
    displayWidth_ = width;
    displayHeight_ = height;
    UpdateScrollBars();
    viewport()->update();
}

void CanvasView::RedrawRequested() {
    fullRedraw_ = true;
    viewport()->update();
}

void CanvasView::CanvasChanged(const Rect& r) {
    if (painting_ || r.Empty()) return;
    int x = r.left, y = r.top;
    ScrollXY(x, y, Scroll());
    viewport()->update(x, y, r.Width(), r.Height());
}

ScrollPos CanvasView::Scroll() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void CanvasView::UpdateScrollBars() {
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, displayWidth_ - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setRange(0, std::max(0, displayHeight_ - view.height()));
    verticalScrollBar()->setPageStep(view.height());
}

void CanvasView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CanvasView::scrollContentsBy(int, int) { viewport()->update(); }

QPoint CanvasView::LayoutPoint(QPoint viewportPoint) const {
    int x = viewportPoint.x(), y = viewportPoint.y();
    UnscrollXY(x, y, Scroll());
    return {x, y};
}

void CanvasView::UpdatePointer(QPoint layoutPoint) {
    viewport()->setCursor(CursorOf(PointerAt(editor_, layoutPoint.x(), layoutPoint.y())));
}

void CanvasView::PlaceModeChanged() {
    UpdatePointer(LayoutPoint(viewport()->mapFromGlobal(QCursor::pos())));
}

void CanvasView::mousePressEvent(QMouseEvent* event) {
    const QPoint p = LayoutPoint(event->position().toPoint());
    RunCommand([&] { FormMouseDown(editor_, ButtonOf(*event), ShiftOf(*event), p.x(), p.y()); });
    UpdatePointer(p);
}

void CanvasView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = LayoutPoint(event->position().toPoint());
    RunCommand([&] { FormMouseMove(editor_, ShiftOf(*event), p.x(), p.y()); });
    UpdatePointer(p);
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
        RedrawAll(editor_);
        painting_ = false;
    }
    QPainter painter(viewport());
    const RasterCanvas& canvas = editor_.canvas;
    const ScrollPos scroll = Scroll();
    // The buffer's pixels are 0xFFRRGGBB, QImage's RGB32: shown without a copy.
    const QImage image(reinterpret_cast<const uchar*>(canvas.Bits()), canvas.Width(),
                       canvas.Height(), canvas.Width() * 4, QImage::Format_RGB32);
    const QRect shown(-scroll.x, -scroll.y, canvas.Width(), canvas.Height());
    const QRect exposed = event->rect();
    // Outside the display the window shows the face colour, as a cleared form does.
    const QRegion outside = QRegion(exposed).subtracted(QRegion(shown));
    for (const QRect& r : outside) painter.fillRect(r, QColor::fromRgb(kButtonFace));
    const QRect target = exposed.intersected(shown);
    if (!target.isEmpty())
        painter.drawImage(target, image, target.translated(scroll.x, scroll.y));
}

} // namespace pw
