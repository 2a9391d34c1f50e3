#include "shell/startup.h"

#include "shell/layout_file.h"
#include "platform/files.h"
#include "shell/window_commands.h"
#include "windows/window_list.h"

namespace pw {

void CreateDefaultLayout(Document& doc, View& view) {
    cWindow& background = NewWindow(doc.layout);
    doc.layout.CurWindow = &background;
    background.Tag = 0;
    background.Type = wtBackground;
    background.DragMode = dmIdle;
    SetDisplaySize(doc, view, 640, 480);
    doc.layout.BackgroundColour = 42;
    background.BG0 = 42;
    background.BG = 42;
    background.CurIndex = 0;
    doc.history.Reset(doc);
    doc.observers.Notify(&EditorObserver::LayoutReplaced);
    MarkLayoutSaved(doc);
}

void FirstShow(Editor& editor, const std::vector<std::string>& arguments) {
    if (editor.run.StartupDone) return;
    editor.run.StartupDone = true;
    if (arguments.empty()) {
        if (!editor.doc.layout.CurWindow) CreateDefaultLayout(editor.doc, editor.view);
        return;
    }
    const std::string& path = arguments.front();
    if (!FileExists(path)) {
        // Without a Background object neither the canvas nor the dialogs could work, so a
        // file that is not there gives a new layout, and the user is told why.
        editor.host.ShowMessage("The layout file \"" + path +
                                "\" was not found. A new layout has been started.");
    }
    try {
        LoadLayout(editor, path);
    } catch (...) {
        if (editor.doc.layout.WindowList.empty()) CreateDefaultLayout(editor.doc, editor.view);
        throw;
    }
    if (editor.doc.layout.WindowList.empty()) CreateDefaultLayout(editor.doc, editor.view);
}

} // namespace pw
