#include "shell/close_query.h"

#include "shell/layout_commands.h"
#include "windows/window_list.h"

namespace pw {

CloseAction CloseQuery(Editor& editor) {
    const bool named = !editor.doc.LayoutFileName.empty();
    if (!named && !WindowAt(editor.doc.layout, 1)) return CloseAction::Close;
    switch (editor.host.Ask("Save before exit ?", Buttons::YesNoCancel)) {
    case Answer::Yes:
        return named ? CloseAction::SaveThenClose : CloseAction::SaveAsThenClose;
    case Answer::No:
        return CloseAction::Close;
    default:
        return CloseAction::Stay;
    }
}

bool SaveBeforeClosing(Editor& editor) {
    switch (CloseQuery(editor)) {
    case CloseAction::Stay: return false;
    case CloseAction::SaveThenClose: Save1Click(editor); break;
    // The user asked for the layout to be kept: cancelling the file dialog keeps it open
    // rather than throwing it away unsaved.
    case CloseAction::SaveAsThenClose: return SaveAs1Click(editor);
    case CloseAction::Close: break;
    }
    return true;
}

} // namespace pw
