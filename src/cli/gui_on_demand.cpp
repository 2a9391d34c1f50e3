#include "cli/gui_on_demand.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

namespace pw {

void EnsureGuiApplication() {
    if (QGuiApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a runtime folder Qt warns on every run; a private one in the temporary folder
    // keeps the tool's output to what the user asked for.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString dir =
            QDir::tempPath() + "/panelwright-runtime-" + qEnvironmentVariable("USER");
        QDir().mkpath(dir);
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", dir.toLocal8Bit());
    }
    static int argc = 1;
    static char name[] = "panelwright-cli";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

} // namespace pw
