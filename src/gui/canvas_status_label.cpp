#include "gui/canvas_status_label.h"

#include "gui/canvas_view.h"

namespace pw {

CanvasStatusLabel::CanvasStatusLabel(CanvasView* canvas, QWidget* parent)
    : QLabel(parent), zoom_(canvas->Zoom()) {
    setObjectName("canvasStatus");
    // Wide enough for the longest note, so that the status bar does not jump as it changes.
    setMinimumWidth(fontMetrics().horizontalAdvance("800 %   x 0000, y 0000"));
    setToolTip("Zoom with Ctrl and the mouse wheel, Ctrl+plus and Ctrl+minus; Ctrl+0 shows "
               "the display pixel for pixel");
    connect(canvas, &CanvasView::ZoomChanged, this, [this](int zoom) {
        zoom_ = zoom;
        Show();
    });
    connect(canvas, &CanvasView::PointerMoved, this, [this](QPoint point, bool onDisplay) {
        point_ = point;
        onDisplay_ = onDisplay;
        Show();
    });
    Show();
}

void CanvasStatusLabel::Show() {
    QString text = QString::number(zoom_ * 100) + " %";
    if (onDisplay_) text += QString("   x %1, y %2").arg(point_.x()).arg(point_.y());
    setText(text);
}

} // namespace pw
