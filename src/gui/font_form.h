#pragma once
// The hidden form on which fonts are rasterised for the display's font files.

#include "gui/form_layout.h"

#include <QDialog>

namespace pw {

class TfFont : public QDialog {
    Q_OBJECT
public:
    explicit TfFont(QWidget* parent) : QDialog(parent) {
        DesignForm(this, "fFont", "fFont", 0, 21, 728, 540);
    }
};

} // namespace pw
