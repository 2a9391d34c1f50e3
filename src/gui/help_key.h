#pragma once
// F1 anywhere in the program: the topic of the highlighted menu item, else of the focused
// control or the nearest window around it that names one.

#include <QObject>

class QWidget;

namespace pw {

// The help context for F1 pressed while the widget has the keyboard: in a menu, the
// highlighted item's or the menu's own; else the first context named by the widget or one
// of its parents, across windows (a dialog's controls, the dialog, the main window); the
// contents when none names one.
int HelpContextFor(QWidget* widget);

// Watches every key press of the application for F1 while it lives.
class HelpKey : public QObject {
public:
    explicit HelpKey(QObject* parent);
    ~HelpKey() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace pw
