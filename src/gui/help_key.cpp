#include "gui/help_key.h"

#include "gui/help_window.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace pw {

namespace {

int ContextOf(const QObject* object) {
    return object ? object->property(kHelpContextProperty).toInt() : 0;
}

} // namespace

int HelpContextFor(QWidget* widget) {
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (const auto* menu = qobject_cast<QMenu*>(w)) {
            if (int context = ContextOf(menu->activeAction())) return context;
            if (int context = ContextOf(menu->menuAction())) return context;
        } else if (const auto* bar = qobject_cast<QMenuBar*>(w)) {
            if (int context = ContextOf(bar->activeAction())) return context;
        }
        if (int context = ContextOf(w)) return context;
    }
    return kContentsTopic;
}

HelpKey::HelpKey(QObject* parent) : QObject(parent) {
    qApp->installEventFilter(this);
}

HelpKey::~HelpKey() {
    qApp->removeEventFilter(this);
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        if (auto* widget = qobject_cast<QWidget*>(watched)) {
            ShowHelp(HelpContextFor(widget));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pw
