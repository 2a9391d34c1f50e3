#include "shell/layout_commands.h"

#include "shell/layout_file.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace pw {

FileDialogRequest WorkFolderRequest(const char* filter, const std::string& fileName) {
    try {
        CreateFolders(kWorkFolder);
    } catch (const IoError&) {
        // Without the work folder the dialog simply starts elsewhere.
    }
    return {filter, kWorkFolder, fileName};
}

void Load1Click(Editor& editor) {
    const auto path = editor.host.ChooseOpenFile(WorkFolderRequest("Display config|*.dcf", {}));
    if (path) LoadLayout(editor, *path);
}

bool LoadRecent(Editor& editor, const std::string& path) {
    if (LoadLayout(editor, path) != LoadOutcome::NoFile) return true;
    editor.host.ShowMessage("\"" + path +
                            "\" was not found. It has been taken off the recent files.");
    return false;
}

void Save1Click(Editor& editor) {
    if (editor.doc.LayoutFileName.empty()) {
        SaveAs1Click(editor);
        return;
    }
    SaveLayout(editor.doc, editor.doc.LayoutFileName);
}

bool SaveAs1Click(Editor& editor) {
    auto path = editor.host.ChooseSaveFile(WorkFolderRequest("Display config( *.dcf)|*.dcf", {}));
    if (!path) return false;
    if (ExtensionPos(*path) == std::string::npos) *path += ".dcf";
    // A folder in the way leaves the layout's name as it was.
    CheckLayoutTarget(*path);
    SetLayoutFileName(editor.doc, *path);
    SaveLayout(editor.doc, *path);
    return true;
}

} // namespace pw
