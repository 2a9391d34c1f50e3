#include "gui/place_hint.h"

#include "qt/win1252.h"
#include "shell/place_mode.h"

namespace pw {

PlaceHintLabel::PlaceHintLabel(Editor& editor, QWidget* parent)
    : QLabel(parent), AttachedObserver(editor.observers), editor_(editor) {
    setObjectName("placeHint");
}

void PlaceHintLabel::PlaceModeChanged() {
    setText(FromWin1252(PlaceHint(editor_.pointer)));
}

} // namespace pw
