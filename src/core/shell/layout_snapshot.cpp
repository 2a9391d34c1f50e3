#include "shell/layout_snapshot.h"

#include "shell/startup.h"
#include "windows/window_list.h"

namespace pw {

LayoutSnapshot::LayoutSnapshot(Editor& editor)
    : current_(IndexOf(editor, editor.CurWindow)), job_(editor.InputSpec), images_(std::move(editor.ImageList)),
      backgroundColour_(editor.BackgroundColour), layoutFileName_(editor.LayoutFileName) {
    windows_ = std::move(editor.WindowList);
    editor.WindowList.clear();
    editor.ImageList = ImageStore();
    editor.CurWindow = nullptr;
}

void LayoutSnapshot::Restore(Editor& editor) {
    editor.WindowList = std::move(windows_);
    editor.CurWindow = current_ >= 0 ? WindowAt(editor, static_cast<std::size_t>(current_)) : nullptr;
    editor.InputSpec = job_;
    editor.ImageList = std::move(images_);
    editor.BackgroundColour = backgroundColour_;
    editor.LayoutFileName = layoutFileName_;
    editor.host.SetCaption(MainCaption(editor));
    if (cWindow* background = Background(editor)) {
        // The display size may have been changed by what was read; apply the stored one.
        const int width = background->X1 + 1;
        background->X1 = 0;
        SetDisplaySize(editor, width, background->Y1 + 1);
    }
    editor.host.RepaintCanvas();
}

} // namespace pw
