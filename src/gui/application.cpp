#include "gui/application.h"

#include "qt/win1252.h"
#include "shell/command_scope.h"
#include "shell/editor.h"

#include <QMessageBox>

namespace pw {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    // No display name: Qt would append it to every window's caption, and the captions are
    // the program's own texts. Message boxes take the application name instead.
    setApplicationName("Panelwright");
    setOrganizationName("Panelwright"); // settings in ~/.config/Panelwright
    setApplicationVersion(PW_VERSION);
    // The desktop entry that an installed copy brings along.
    setDesktopFileName("org.example.panelwright");
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowError(error);
    }
    return false;
}

void Application::ShowError(const std::exception& error) {
    QMessageBox box(QMessageBox::Critical, applicationDisplayName(), FromWin1252(error.what()),
                    QMessageBox::Ok, activeWindow());
    box.exec();
}

namespace {

Editor* commandEditor = nullptr;

} // namespace

void RunUnasked(const std::function<void()>& work) {
    try {
        work();
    } catch (const std::exception& error) {
        Application::ShowError(error);
    }
}

void RunCommand(const std::function<void()>& command) {
    if (!commandEditor) return RunUnasked(command);
    Editor& editor = *commandEditor;
    BeginCommand(editor.doc);
    RunUnasked(command);
    RunUnasked([&editor] { EndCommand(editor.doc, editor.view); });
}

void SetCommandEditor(Editor* editor) {
    commandEditor = editor;
}

} // namespace pw
