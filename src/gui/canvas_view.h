#pragma once
// The layout canvas: shows the main canvas buffer, scrolled when the display is larger than
// the window. Its scrollable area covers exactly the display.

#include "shell/canvas_coords.h"
#include "shell/editor.h"

#include <QAbstractScrollArea>

namespace pw {

class CanvasView : public QAbstractScrollArea {
    Q_OBJECT
public:
    CanvasView(Editor& editor, QWidget* parent);

    void SetDisplaySize(int width, int height);
    // The whole layout is redrawn before the next frame.
    void RequestFullRedraw();
    // Pixels of the buffer in r (layout coordinates) changed.
    void LayoutChanged(const Rect& r);
    ScrollPos Scroll() const;
    QSize DisplaySize() const { return {displayWidth_, displayHeight_}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void UpdateScrollBars();

    Editor& editor_;
    int displayWidth_ = 640;
    int displayHeight_ = 480;
    bool fullRedraw_ = true;
    bool painting_ = false;
};

} // namespace pw
