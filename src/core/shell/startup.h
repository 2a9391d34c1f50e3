#pragma once
// The first showing of the main window, and the layout a new job starts with.

#include "shell/editor.h"

#include <string>
#include <vector>

namespace pw {

// One Background object of 640 x 480 in colour 42, made current; nothing in it is unsaved.
void CreateDefaultLayout(Document& doc, View& view);

// Runs once, at the first showing of the main window (StartupDone guards it): loads the
// layout named by the first argument, or creates the default layout. Showing the Window
// Information dialog is the caller's part, as it happens before.
void FirstShow(Editor& editor, const std::vector<std::string>& arguments);

} // namespace pw
