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

namespace {

// F1 in a dialog opens its topic unless the focused control names one of its own.
template <class T> T* WithTopic(T* form, int context) {
    form->setProperty(kHelpContextProperty, context);
    return form;
}

} // namespace

std::unique_ptr<TfPanelwright> CreateForms(Editor& editor, GuiHost& host,
                                           const QStringList& arguments, Forms& forms) {
    auto main = std::make_unique<TfPanelwright>(editor, arguments, forms);
    TfPanelwright* parent = main.get();
    forms.fPanelwright = parent;
    forms.fWinInfo = WithTopic(new TfWinInfo(editor, forms, parent), TfWinInfo::kHelpContext);
    // The Image dialog has no topic of its own; its Dither box's page tells about the whole
    // dialog.
    forms.fImage = WithTopic(new TfImage(editor, parent), TfImage::kDitherHelpContext);
    forms.fTextEdit.SetMaker(
        [parent] { return WithTopic(new TfTextEdit(parent), TfTextEdit::kHelpContext); });
    forms.fColourSelection.SetMaker([parent] {
        return WithTopic(new TfColourSelection(parent), TfColourSelection::kHelpContext);
    });
    forms.fFont.SetMaker([parent] { return new TfFont(parent); });
    forms.fViewControl.SetMaker([&editor, parent] {
        return WithTopic(new TfViewControl(editor, parent), TfViewControl::kHelpContext);
    });
    forms.fSetUp.SetMaker([&editor, parent] {
        return WithTopic(new TfSetUp(editor, parent), TfSetUp::kHelpContext);
    });
    host.Attach(parent);
    return main;
}

} // namespace pw
