#include "gui/application.h"

#include "platform/errors.h"
#include "platform/paths.h"
#include "qt/win1252.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QUrl>

namespace pw {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("Panelwright");
    setApplicationDisplayName("Panelwright");
    setApplicationVersion(PW_VERSION);
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

void RunCommand(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& error) {
        Application::ShowError(error);
    }
}

void ShowHelp(const char* helpFile, int context) {
    // The main window names its help file without a folder; it is the same file.
    const std::string file = std::string(helpFile) == kMainHelpFile ? kHelpFile : helpFile;
    const QString native = NativePath(file);
    if (QFileInfo::exists(native)) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(native));
        return;
    }
    QMessageBox::information(QApplication::activeWindow(), "Panelwright",
                             QString("Help topic %1 cannot be shown: the help file %2 is not "
                                     "installed on this computer.")
                                 .arg(context)
                                 .arg(FromWin1252(file)));
}

bool HelpKey(const QKeyEvent* event, int context) {
    if (event->key() != Qt::Key_F1) return false;
    ShowHelp(kHelpFile, context);
    return true;
}

} // namespace pw
