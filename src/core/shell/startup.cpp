#include "shell/startup.h"

#include "platform/files.h"
#include "windows/window_list.h"

namespace pw {

void CreateDefaultLayout(Editor& editor) {
    cWindow& background = NewWindow(editor);
    editor.CurWindow = &background;
    background.Tag = 0;
    background.Type = wtBackground;
    background.DragMode = dmIdle;
    SetDisplaySize(editor, 640, 480);
    editor.BackgroundColour = 42;
    background.BG0 = 42;
    background.BG = 42;
    background.CurIndex = 0;
}

void FirstShow(Editor& editor, const std::vector<std::string>& arguments) {
    if (editor.StartupDone) return;
    if (!arguments.empty() && !FileExists(arguments.front())) {
        // Without a Background object neither the canvas nor the dialogs could work, so a
        // file that is not there gives a new layout, and the user is told why.
        editor.host.ShowMessage("The layout file " + arguments.front() +
                                " was not found. A new layout has been started.");
    }
    if (!editor.CurWindow) CreateDefaultLayout(editor);
    editor.StartupDone = true;
}

} // namespace pw
