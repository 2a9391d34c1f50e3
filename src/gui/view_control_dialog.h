#pragma once
// The View Control dialog: Design, Static or Dynamic view.

#include "gui/form_layout.h"
#include "shell/editor.h"

#include <QDialog>

namespace pw {

class TfViewControl : public QDialog {
    Q_OBJECT
public:
    TfViewControl(Editor& editor, QWidget* parent) : QDialog(parent), editor_(editor) {
        DesignForm(this, "fViewControl", "View Control", 253, 103, 343, 128);
        setModal(true);
    }

private:
    [[maybe_unused]] Editor& editor_;
};

} // namespace pw
