// Generate files from the File menu, and the progress window it shows when it takes long.

#include "shell/layout_file.h"
#include "gui/progress_window.h"
#include "gui_fixture.h"
#include "support/temp_drive.h"

#include <QProgressDialog>
#include <QStatusBar>

#include <fstream>

namespace pw {
namespace {

using GenerateFilesGuiTest = GuiTest;

TEST_F(GenerateFilesGuiTest, TheMenuCommandAsksThenSaysWhatItWroteWhere) {
    TempDrive drive;
    std::filesystem::create_directories(drive.root / "KVP/Work");
    std::ofstream(drive.root / "KVP/Display.axf") << "program";
    Start();
    SetLayoutFileName(editor, "C:\\KVP\\Work\\job.dcf");

    auto asked = AnswerMessageBoxes({QMessageBox::Yes});
    main->MenuItem("Generatefiles1")->trigger();
    EXPECT_EQ(*asked, QStringList{"This will reconfigure the connected displays. CONTINUE ?"});
    EXPECT_EQ(main->statusBar()->currentMessage(), "2 files written to C:\\KVP\\Display\\");
    EXPECT_TRUE(std::filesystem::exists(drive.root / "KVP/Display/Display.dcf"));
    EXPECT_TRUE(std::filesystem::exists(drive.root / "KVP/Work/job.dcf"));

    // What was deployed is verified from the same menu.
    EXPECT_EQ(main->MenuItem("VerifyDisplayFiles1")->text(), "&Verify Display Files");
    EXPECT_EQ(main->MenuItem("RestorePreviousDisplayFiles1")->text(),
              "&Restore Previous Display Files");
    asked = AnswerMessageBoxes({QMessageBox::Ok});
    main->MenuItem("VerifyDisplayFiles1")->trigger();
    ASSERT_EQ(asked->size(), 1);
    EXPECT_TRUE(
        asked->front().startsWith("The 2 files in C:\\KVP\\Display\\ are those deployed on "))
        << asked->front().toStdString();
}

TEST(ProgressWindowTest, ShowsOnlyWhenTheCommandTakesLongerThanAMoment) {
    ProgressWindow progress(nullptr);
    progress.Begin("Generating the display files");
    progress.Step(0, 3, "Backing up");
    EXPECT_EQ(progress.Window(), nullptr);
    QTest::qWait(ProgressWindow::kMomentMs + 50);
    progress.Step(1, 3, "Writing the bitmaps");
    ASSERT_NE(progress.Window(), nullptr);
    EXPECT_TRUE(progress.Window()->isVisible());
    EXPECT_EQ(progress.Window()->labelText(), "Writing the bitmaps");
    EXPECT_EQ(progress.Window()->value(), 1);
    progress.End();
    EXPECT_EQ(progress.Window(), nullptr);
}

} // namespace
} // namespace pw
