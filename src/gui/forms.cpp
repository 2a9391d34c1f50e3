#include "gui/forms.h"

#include "gui/colour_selection_dialog.h"
#include "gui/font_form.h"
#include "gui/gui_host.h"
#include "gui/help_window.h"
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
    forms.fWinInfo = new TfWinInfo(editor, forms, main.get());
    forms.fColourSelection = new TfColourSelection(main.get());
    forms.fImage = new TfImage(editor, main.get());
    forms.fFont = new TfFont(main.get());
    forms.fViewControl = new TfViewControl(editor, main.get());
    forms.fSetUp = new TfSetUp(editor, main.get());
    host.Attach(main.get());
    // The dialogs' help topics: F1 in a dialog opens its topic unless the focused control
    // names one of its own. The Image dialog has no topic of its own; its Dither box's page
    // tells about the whole dialog.
    const std::pair<QWidget*, int> topics[] = {
        {forms.fTextEdit, TfTextEdit::kHelpContext},
        {forms.fWinInfo, TfWinInfo::kHelpContext},
        {forms.fColourSelection, TfColourSelection::kHelpContext},
        {forms.fImage, TfImage::kDitherHelpContext},
        {forms.fViewControl, TfViewControl::kHelpContext},
        {forms.fSetUp, TfSetUp::kHelpContext},
    };
    for (const auto& [form, context] : topics) form->setProperty(kHelpContextProperty, context);
    return main;
}

} // namespace pw
