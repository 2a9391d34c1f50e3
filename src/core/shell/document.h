#pragma once
// The document: the layout being edited with everything that is saved or generated from it
// (its file name, the images its windows name, the font files of the last Generate files) and
// the undo history of its changes.

#include "generate/font_file_list.h"
#include "images/image_bank.h"
#include "shell/undo_history.h"
#include "windows/layout.h"

#include <string>

namespace pw {

class Document {
public:
    Document(Host& host, const Observers& observers, WindowContext* context)
        : layout(context), images(host, observers) {}
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    Layout layout;
    ImageBank images;
    std::string LayoutFileName;
    // Undo and redo, and whether the layout differs from what was last loaded or saved.
    UndoHistory history;
    // The font files of the last Generate files, one record each.
    FontFileRecords FontFileList;
    // User commands under way (CommandScope); their changes become one step when the last ends.
    int CommandDepth = 0;
};

} // namespace pw
