#pragma once
// File > New: a new layout in place of the one being edited.

#include "shell/editor.h"

namespace pw {

// Replaces the job by the one a run starts with: a fresh job record and one Background
// object of 640 x 480 in colour 42, with no file name.
void NewLayout(Document& doc, View& view);

// The close query first (saving what it asks for), then a new layout.
void New1Click(Editor& editor);

} // namespace pw
