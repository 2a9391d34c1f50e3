#pragma once
// Whether the main window may close, and what to save first.

#include "shell/editor.h"

namespace pw {

enum class CloseAction {
    Close,           // close without saving
    SaveThenClose,   // save to LayoutFileName, then close
    SaveAsThenClose, // run Save As, then close unless its dialog was cancelled
    Stay,            // the user cancelled: keep running
};

// Asks "Save before exit ?" when there is something to save: always for a layout with a file
// name, otherwise only when it holds more than the Background object.
CloseAction CloseQuery(Editor& editor);

// The close query and the save it asks for, before the layout is given up (closing the
// program, starting a new layout). Returns false when the user cancelled, in the question or
// in the Save As dialog it led to. A failed save throws, so that nothing is given up unsaved.
bool SaveBeforeClosing(Editor& editor);

// Asks "Save before loading another layout ?" when the layout has unsaved changes, and saves
// as the close query does on Yes. Returns false when the user cancelled: nothing is loaded.
bool SaveBeforeLoading(Editor& editor);

} // namespace pw
