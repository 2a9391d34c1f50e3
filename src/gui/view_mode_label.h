#pragma once
// The status bar's note of the view the canvas shows.

#include "shell/editor.h"

#include <QLabel>

namespace pw {

class ViewModeLabel : public QLabel, private AttachedObserver {
    Q_OBJECT
public:
    ViewModeLabel(Editor& editor, QWidget* parent);

private:
    void ViewModeChanged() override;

    Editor& editor_;
};

} // namespace pw
