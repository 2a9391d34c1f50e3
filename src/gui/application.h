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
// shown by the same handler as in notify().
void RunCommand(const std::function<void()>& command);

} // namespace pw
