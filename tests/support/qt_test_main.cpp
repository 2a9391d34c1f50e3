// Runs the Qt-side tests offscreen with one application object for all of them: the editor's
// own, so that errors reach its error handler as they do in the program.

#include "gui/application.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The editor's settings and recovery copies stay out of the user's own folders, and
    // each test process has folders of its own.
    QTemporaryDir state(QDir::tempPath() + "/pw_state_XXXXXX");
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, state.path());
    ::testing::InitGoogleTest(&argc, argv);
    pw::Application app(argc, argv);
    return RUN_ALL_TESTS();
}
