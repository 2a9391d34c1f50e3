#pragma once
// The status bar's note of the canvas's zoom and of the layout point under the pointer.

#include <QLabel>

namespace pw {

class CanvasView;

class CanvasStatusLabel : public QLabel {
    Q_OBJECT
public:
    CanvasStatusLabel(CanvasView* canvas, QWidget* parent);

private:
    void Show();

    int zoom_;
    QPoint point_;
    bool onDisplay_ = false;
};

} // namespace pw
