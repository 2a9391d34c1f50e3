#pragma once
// The layout as a picture: what the canvas shows, saved as a PNG file. The editor's File menu
// and the command line tool's render both make their pictures here.

#include "shell/editor.h"

#include <string>

namespace pw {

// Redraws the layout in the editor's view and saves the canvas as a PNG file at path (a path
// in the editor's own form), written beside the target and renamed into place when complete.
void SaveLayoutPicture(Editor& editor, const std::string& path);

// File > Export Picture...: chooses a PNG file (".png" added when the name has no extension),
// asks before replacing one, and saves the picture there.
void ExportPicture1Click(Editor& editor);

} // namespace pw
