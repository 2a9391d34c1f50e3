#pragma once
// The File menu's Load, Save and Save As.

#include "shell/editor.h"

namespace pw {

// The folder the file dialogs start in; made when it is missing.
constexpr const char* kWorkFolder = "c:\\KVP\\Work";

// A file dialog's request that starts in the work folder, which is made when missing.
FileDialogRequest WorkFolderRequest(const char* filter, const std::string& fileName);

// Chooses a layout file and loads it.
void Load1Click(Editor& editor);
// Loads a layout from the list of recent files; says so when the file is gone, and returns
// false then, so that the list can drop it.
bool LoadRecent(Editor& editor, const std::string& path);
// Saves to the current file, or acts as Save As when the layout has none.
void Save1Click(Editor& editor);
// Chooses a file name (".dcf" added when it has no extension), names the layout after it and
// saves. Returns false when the user cancelled.
bool SaveAs1Click(Editor& editor);

} // namespace pw
