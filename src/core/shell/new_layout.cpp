#include "shell/new_layout.h"

#include "shell/layout_file.h"
#include "shell/close_query.h"
#include "shell/startup.h"
#include "windows/window_list.h"

namespace pw {

void NewLayout(Editor& editor) {
    ClearWindows(editor.doc.layout);
    editor.doc.images.ImageList.ReleaseAllImages();
    editor.doc.layout.InputSpec = cInputSpec{};
    SetLayoutFileName(editor, {});
    CreateDefaultLayout(editor);
}

void New1Click(Editor& editor) {
    if (SaveBeforeClosing(editor)) NewLayout(editor);
}

} // namespace pw
