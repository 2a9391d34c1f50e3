#pragma once
// The layout canvas: shows the main canvas buffer, scrolled when the display is larger than
// the window. Its scrollable area covers exactly the display. Mouse events become the core's
// canvas editing calls in layout coordinates, and the pointer shows what a press would do.
// It zooms from 1 to 8 screen pixels a display pixel, each shown as a crisp square; mouse
// points map to the layout point (widget point + scroll) / zoom.

#include "display/canvas_coords.h"
#include "shell/editor.h"

#include <QAbstractScrollArea>

class QPainter;

namespace pw {

class CanvasView : public QAbstractScrollArea, private AttachedObserver {
    Q_OBJECT
public:
    CanvasView(Editor& editor, QWidget* parent);

    static constexpr int kMaxZoom = 8;

    ScrollPos Scroll() const;
    QSize DisplaySize() const { return {editor_.view.canvas.Width(), editor_.view.canvas.Height()}; }

    int Zoom() const { return zoom_; }
    // Shows the canvas at the zoom (held in 1..kMaxZoom), keeping the layout point under the
    // viewport point anchor where it is.
    void SetZoom(int zoom, QPoint anchor);
    // Zooms by steps about the pointer, or about the middle when the pointer is elsewhere.
    void ZoomBy(int steps);
    // The largest zoom that shows the whole display without scrolling; 1 when even that
    // needs scrolling.
    int FitZoom() const;

signals:
    void ZoomChanged(int zoom);
    // The pointer is over the layout point, or (with onDisplay false) not over the display.
    void PointerMoved(QPoint layoutPoint, bool onDisplay);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void DisplaySizeChanged(int width, int height) override;
    // The whole layout is redrawn before the next frame.
    void RedrawRequested() override;
    // Pixels of the buffer in r (layout coordinates) changed.
    void CanvasChanged(const Rect& r) override;
    // The pointer takes its shape at once when a Place choice is armed or used.
    void PlaceModeChanged() override;
    // The marks of a group are drawn over the canvas, never into the layout's pixels.
    void SelectionChanged() override;
    // The other selected windows' marks, the snap guides and the rubber band.
    void PaintOverlay(QPainter& painter);
    void UpdateScrollBars();
    int ZoomedIn() const { return zoom_ + 1; }
    int ZoomedOut() const { return zoom_ - 1; }
    int NoZoom() const { return 1; }
    // The layout point under a point of the viewport.
    QPoint LayoutPoint(QPoint viewportPoint) const;
    void UpdatePointer(QPoint layoutPoint);

    Editor& editor_;
    int zoom_ = 1;
    int wheelDelta_ = 0; // of a Ctrl+wheel turn, until it makes a whole step
    bool fullRedraw_ = true;
    bool painting_ = false;
};

} // namespace pw
