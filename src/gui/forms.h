#pragma once
// The forms of the program, made once at start-up in a fixed order and kept to the end.

#include <QStringList>

#include <memory>

namespace pw {

class Editor;
class GuiHost;
class TfPanelwright;
class TfTextEdit;
class TfWinInfo;
class TfColourSelection;
class TfImage;
class TfFont;
class TfViewControl;
class TfSetUp;

struct Forms {
    TfPanelwright* fPanelwright = nullptr; // the main window; owns the others
    TfTextEdit* fTextEdit = nullptr;
    TfWinInfo* fWinInfo = nullptr;
    TfColourSelection* fColourSelection = nullptr;
    TfImage* fImage = nullptr;
    TfFont* fFont = nullptr;
    TfViewControl* fViewControl = nullptr;
    TfSetUp* fSetUp = nullptr;
};

// Makes the eight forms in their order; the first is the main window, parent of the rest.
// arguments are the command-line arguments after the program name.
std::unique_ptr<TfPanelwright> CreateForms(Editor& editor, GuiHost& host,
                                           const QStringList& arguments, Forms& forms);

} // namespace pw
