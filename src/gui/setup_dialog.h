#pragma once
// The Set Up dialog: the job record, the display size and the input terminal diagram.

#include "gui/form_layout.h"
#include "shell/editor.h"

#include <QDialog>

namespace pw {

class TfSetUp : public QDialog {
    Q_OBJECT
public:
    TfSetUp(Editor& editor, QWidget* parent) : QDialog(parent), editor_(editor) {
        DesignForm(this, "fSetUp", "Set Up", 120, 40, 568, 520);
        setModal(true);
    }

private:
    [[maybe_unused]] Editor& editor_;
};

} // namespace pw
