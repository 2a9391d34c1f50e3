#pragma once
// The layout canvas: shows the main canvas buffer, scrolled when the display is larger than
// the window. Its scrollable area covers exactly the display. Mouse events become the core's
// canvas editing calls in layout coordinates, and the pointer shows what a press would do.

#include "display/canvas_coords.h"
#include "shell/editor.h"

#include <QAbstractScrollArea>

namespace pw {

class CanvasView : public QAbstractScrollArea, private AttachedObserver {
    Q_OBJECT
public:
    CanvasView(Editor& editor, QWidget* parent);

    ScrollPos Scroll() const;
    QSize DisplaySize() const { return {displayWidth_, displayHeight_}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void DisplaySizeChanged(int width, int height) override;
    // The whole layout is redrawn before the next frame.
    void RedrawRequested() override;
    // Pixels of the buffer in r (layout coordinates) changed.
    void CanvasChanged(const Rect& r) override;
    // The pointer takes its shape at once when a Place choice is armed or used.
    void PlaceModeChanged() override;
    void UpdateScrollBars();
    // The layout point under a point of the viewport.
    QPoint LayoutPoint(QPoint viewportPoint) const;
    void UpdatePointer(QPoint layoutPoint);

    Editor& editor_;
    int displayWidth_ = 640;
    int displayHeight_ = 480;
    bool fullRedraw_ = true;
    bool painting_ = false;
};

} // namespace pw
