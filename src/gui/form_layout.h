#pragma once
// Every form is made once at start-up with its designed name, caption and place.

#include <QFont>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <algorithm>

namespace pw {

inline void DesignForm(QWidget* form, const char* instanceName, const QString& caption, int left,
                       int top, int width, int height) {
    form->setObjectName(instanceName);
    form->setWindowTitle(caption);
    form->setGeometry(left, top, width, height);
}

// The dialogs' face. Where the designed face is missing, one of Arial's metrics keeps
// captions close to the widths the controls were designed for.
inline QFont DesignFont() {
    QFont font;
    font.setFamilies({"MS Sans Serif", "Liberation Sans", "Arial"});
    font.setPointSize(8);
    return font;
}

// A push button of the designed size, 75 x 25, wider where the face needs it for the caption.
inline void PlaceButton(QPushButton* button, int left, int top) {
    button->setGeometry(left, top, std::max(75, button->sizeHint().width()), 25);
}

} // namespace pw
