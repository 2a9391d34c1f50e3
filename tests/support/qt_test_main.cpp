// Runs the Qt-side tests offscreen with one application object for all of them: the editor's
// own, so that errors reach its error handler as they do in the program.

#include "gui/application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    pw::Application app(argc, argv);
    return RUN_ALL_TESTS();
}
