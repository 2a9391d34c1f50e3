#include "gui/forms.h"

#include "gui/colour_selection_dialog.h"
#include "gui/font_form.h"
#include "gui/gui_host.h"
#include "gui/image_dialog.h"
#include "gui/main_window.h"
#include "gui/setup_dialog.h"
#include "gui/text_edit_dialog.h"
#include "gui/view_control_dialog.h"
#include "gui/win_info_dialog.h"

namespace pw {

std::unique_ptr<TfPanelwright> CreateForms(Editor& editor, GuiHost& host,
                                           const QStringList& arguments, Forms& forms) {
    auto main = std::make_unique<TfPanelwright>(editor, arguments, forms);
    forms.fPanelwright = main.get();
    forms.fTextEdit = new TfTextEdit(main.get());
    forms.fWinInfo = new TfWinInfo(editor, main.get());
    forms.fColourSelection = new TfColourSelection(main.get());
    forms.fImage = new TfImage(editor, main.get());
    forms.fFont = new TfFont(main.get());
    forms.fViewControl = new TfViewControl(editor, main.get());
    forms.fSetUp = new TfSetUp(editor, main.get());
    host.Attach(main.get());
    return main;
}

} // namespace pw
