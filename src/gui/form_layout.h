#pragma once
// Every form is made once at start-up with its designed name, caption and place.

#include <QString>
#include <QWidget>

namespace pw {

inline void DesignForm(QWidget* form, const char* instanceName, const QString& caption, int left,
                       int top, int width, int height) {
    form->setObjectName(instanceName);
    form->setWindowTitle(caption);
    form->setGeometry(left, top, width, height);
}

} // namespace pw
