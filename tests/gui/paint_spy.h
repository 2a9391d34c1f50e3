#pragma once
// Collects what a widget is asked to repaint, while it is installed as the widget's event
// filter.

#include <QObject>
#include <QPaintEvent>
#include <QRegion>

namespace pw {

class PaintSpy : public QObject {
public:
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

} // namespace pw
