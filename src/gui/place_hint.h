#pragma once
// The status bar's line that says what the next press on the canvas places, while a Place
// menu choice is armed. Menu hints cover it for as long as they show.

#include "shell/editor.h"

#include <QLabel>

namespace pw {

class PlaceHintLabel : public QLabel, private AttachedObserver {
    Q_OBJECT
public:
    PlaceHintLabel(Editor& editor, QWidget* parent);

private:
    void PlaceModeChanged() override;

    Editor& editor_;
};

} // namespace pw
