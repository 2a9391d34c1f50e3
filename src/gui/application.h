#pragma once
// The application object, with the one general error handler: an error that ends a command
// anywhere in the program is shown in a message box, and the editor goes on.

#include <QApplication>

#include <exception>
#include <functional>

class QKeyEvent;

namespace pw {

class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // Shows the error's text; the message box the error handler uses.
    static void ShowError(const std::exception& error);
};

// Runs a command started by a signal. Qt's own frames are built without exception cleanup,
// so an error that ends the command is caught here, before it would unwind through them, and
// shown by the same handler as in notify().
void RunCommand(const std::function<void()>& command);

// The help file the dialogs name, and the one of the main window.
constexpr const char* kHelpFile = "C:\\Usr\\PW\\Panelwright.hlp";
constexpr const char* kMainHelpFile = "Panelwright";

// Opens a help topic of a help file, or says why it cannot.
void ShowHelp(const char* helpFile, int context);

// F1 pressed in a dialog opens the dialog's topic; true when the key was F1.
bool HelpKey(const QKeyEvent* event, int context);

} // namespace pw
