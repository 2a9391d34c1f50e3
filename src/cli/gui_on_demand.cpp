#include "cli/gui_on_demand.h"

#include "platform/background.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <fontconfig/fontconfig.h>

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
    // The system's font configuration takes milliseconds to read, and the first font asks
    // for it: it is read while the application is made.
    std::future<void> fontConfiguration = RunInBackground([] { FcInit(); });
    static QGuiApplication app(argc, argv);
    fontConfiguration.wait();
}

} // namespace pw
