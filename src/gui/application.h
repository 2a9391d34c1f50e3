#pragma once
// The application object, with the one general error handler: an error that ends a command
// anywhere in the program is shown in a message box, and the editor goes on.

#include <QApplication>

#include <exception>
#include <functional>

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
// shown by the same handler as in notify(). Every user command runs through here as a
// command of the editor (BeginCommand, EndCommand): a command that opens a modal dialog ends
// when the dialog has closed, with everything done in the dialog.
void RunCommand(const std::function<void()>& command);
// Runs work that no user asked for (timer ticks, the recovery copy) with the same error
// handling; it ends no command.
void RunUnasked(const std::function<void()>& work);
class Editor;
// The editor whose commands RunCommand runs; none runs the work alone.
void SetCommandEditor(Editor* editor);

} // namespace pw
