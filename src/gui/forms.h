#pragma once
// The forms of the program, kept to the end. Made at start-up: the main window, the Window
// Information sheet beside it and the Image dialog, which shows the reading of the layout's
// pictures; every other dialog the first time it is asked for, so that the first frame waits
// only for what it shows.

#include <QStringList>

#include <functional>
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

// A form reached like a pointer and made on first use.
template <class T> class LazyForm {
public:
    void SetMaker(std::function<T*()> make) { make_ = std::move(make); }
    T* get() const {
        if (!form_) form_ = make_();
        return form_;
    }
    T* operator->() const { return get(); }
    T& operator*() const { return *get(); }
    operator T*() const { return get(); }

private:
    std::function<T*()> make_;
    mutable T* form_ = nullptr;
};

struct Forms {
    TfPanelwright* fPanelwright = nullptr; // the main window; owns the others
    LazyForm<TfTextEdit> fTextEdit;
    TfWinInfo* fWinInfo = nullptr;
    LazyForm<TfColourSelection> fColourSelection;
    TfImage* fImage = nullptr;
    LazyForm<TfFont> fFont;
    LazyForm<TfViewControl> fViewControl;
    LazyForm<TfSetUp> fSetUp;
};

// Makes the forms of the start and says how the others are made; the main window is the parent
// of every form. arguments are the command-line arguments after the program name.
std::unique_ptr<TfPanelwright> CreateForms(Editor& editor, GuiHost& host,
                                           const QStringList& arguments, Forms& forms);

} // namespace pw
