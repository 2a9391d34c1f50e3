#include "shell/close_query.h"

#include "shell/layout_commands.h"
#include "shell/undo_history.h"
#include "windows/window_list.h"

namespace pw {

namespace {

CloseAction AskToSave(Editor& editor, const char* question) {
    const bool named = !editor.doc.LayoutFileName.empty();
    switch (editor.host.Ask(question, Buttons::YesNoCancel)) {
    case Answer::Yes:
        return named ? CloseAction::SaveThenClose : CloseAction::SaveAsThenClose;
    case Answer::No:
        return CloseAction::Close;
    default:
        return CloseAction::Stay;
    }
}

bool SaveAsAnswered(Editor& editor, CloseAction action) {
    switch (action) {
    case CloseAction::Stay: return false;
    case CloseAction::SaveThenClose: Save1Click(editor); break;
    // The user asked for the layout to be kept: cancelling the file dialog keeps it open
    // rather than throwing it away unsaved.
    case CloseAction::SaveAsThenClose: return SaveAs1Click(editor);
    case CloseAction::Close: break;
    }
    return true;
}

} // namespace

CloseAction CloseQuery(Editor& editor) {
    if (editor.doc.LayoutFileName.empty() && !WindowAt(editor.doc.layout, 1)) return CloseAction::Close;
    return AskToSave(editor, "Save before exit ?");
}

bool SaveBeforeClosing(Editor& editor) { return SaveAsAnswered(editor, CloseQuery(editor)); }

bool SaveBeforeLoading(Editor& editor) {
    if (!HasUnsavedChanges(editor)) return true;
    return SaveAsAnswered(editor, AskToSave(editor, "Save before loading another layout ?"));
}

} // namespace pw
