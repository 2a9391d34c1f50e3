#include "shell/new_layout.h"

#include "shell/layout_file.h"
#include "shell/close_query.h"
#include "shell/startup.h"
#include "windows/window_list.h"

namespace pw {

void NewLayout(Document& doc, View& view) {
    ClearWindows(doc.layout);
    doc.images.ImageList.ReleaseAllImages();
    doc.layout.InputSpec = cInputSpec{};
    SetLayoutFileName(doc, {});
    CreateDefaultLayout(doc, view);
}

void New1Click(Editor& editor) {
    if (SaveBeforeClosing(editor)) NewLayout(editor.doc, editor.view);
}

} // namespace pw
