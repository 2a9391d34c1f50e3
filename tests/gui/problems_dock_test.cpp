// The Problems panel as the user meets it: after a load, after each command, on a double-click
// and before Generate files.

#include "shell/window_commands.h"
#include "shell/layout_file.h"
#include "gui/application.h"
#include "gui/problems_dock.h"
#include "gui_fixture.h"
#include "support/temp_drive.h"
#include "windows/window_list.h"
#include "shell/window_setters.h"

#include <QLabel>
#include <QTreeWidget>

#include <fstream>

namespace pw {
namespace {

class ProblemsDockTest : public GuiTest {
protected:
    TempDrive drive;
    // Window 2's text 3 is far wider than its 100 pixels in any face at 20 pixels.
    void StartWithWideText() {
        std::filesystem::create_directories(drive.root / "KVP/Work");
        std::ofstream(drive.root / "KVP/Work/wide.dcf", std::ios::binary)
            << "[ WINDOW\r\n  Type = 0, 1\r\n  Colours = 0, 42, 42\r\n"
               "  Position = 0, 0, 639, 479\r\nWINDOW END ]\r\n\r\n"
               "[ WINDOW\r\n  Type = 7, 2\r\n  FontName = Arial\r\n  FontSize = 20\r\n"
               "  Colours = 0, 42, 42\r\n  Position = 10, 10, 109, 59\r\n  Text = 0\r\n|ok|\r\n"
               "  Text = 3\r\n|Basement car park and loading bay|\r\nWINDOW END ]\r\n\r\n";
        Start({"C:\\KVP\\Work\\wide.dcf"});
    }
    QTreeWidget* List() const { return main->Problems()->findChild<QTreeWidget*>("lbProblems"); }
    QString Count() const { return main->Problems()->CountLabel()->text(); }
};

TEST_F(ProblemsDockTest, ShowsItselfWhenALoadedLayoutHasErrors) {
    StartWithWideText();
    ASSERT_TRUE(main->Problems()->isVisible());
    ASSERT_EQ(List()->topLevelItemCount(), 1);
    const QTreeWidgetItem* row = List()->topLevelItem(0);
    EXPECT_EQ(row->text(0), "Error");
    EXPECT_FALSE(row->icon(0).isNull());
    EXPECT_EQ(row->text(1), "2");
    EXPECT_EQ(row->text(2), "3");
    EXPECT_TRUE(row->text(3).startsWith("\"Basement car park and loading bay\" is "))
        << row->text(3).toStdString();
    EXPECT_EQ(Count(), "1 error, 0 warnings");
}

TEST_F(ProblemsDockTest, AGoodLayoutLeavesThePanelHiddenUntilTheMenuShowsIt) {
    Start();
    EXPECT_FALSE(main->Problems()->isVisible());
    EXPECT_EQ(Count(), "No problems");
    main->MenuItem("Problems1")->trigger();
    EXPECT_TRUE(main->Problems()->isVisible());
}

TEST_F(ProblemsDockTest, FollowsEveryCommandAtOnce) {
    StartWithWideText();
    cWindow& w = *editor.doc.layout.WindowList[1];
    // No font file can be made that large: a problem of the window, at no index.
    RunCommand([&] { SetValue(editor.doc, editor.view, w, wfFontSize, 5000); });
    ASSERT_EQ(List()->topLevelItemCount(), 1);
    EXPECT_TRUE(List()->topLevelItem(0)->text(3).contains("cannot be made for the display"));
    EXPECT_EQ(List()->topLevelItem(0)->text(2), "");
    RunCommand([&] { SetValue(editor.doc, editor.view, w, wfFontSize, 20); });
    EXPECT_EQ(List()->topLevelItemCount(), 1);
    // Widened to the display's edge, the text fits.
    RunCommand([&] { SetValue(editor.doc, editor.view, w, wfX1, 639); });
    EXPECT_EQ(List()->topLevelItemCount(), 0);
    EXPECT_EQ(Count(), "No problems");
}

TEST_F(ProblemsDockTest, ADoubleClickSelectsTheWindowAndShowsTheIndex) {
    StartWithWideText();
    RunCommand(
        [&] { SelectWindow(editor.doc, editor.view, editor.doc.layout.WindowList[0].get()); });
    const QRect row = List()->visualItemRect(List()->topLevelItem(0));
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(editor.doc.layout.CurWindow, editor.doc.layout.WindowList[1].get());
    EXPECT_EQ(editor.doc.layout.CurWindow->CurIndex, 3);
}

TEST_F(ProblemsDockTest, GenerateFilesAsksFirstAndNoWritesNothing) {
    StartWithWideText();
    std::ofstream(drive.root / "KVP/Display.axf") << "program";
    auto asked = AnswerMessageBoxes({QMessageBox::No});
    main->MenuItem("Generatefiles1")->trigger();
    EXPECT_EQ(*asked, QStringList{"The layout has 1 problems that the displays would show (see "
                                  "Problems). Generate the files anyway ?"});
    EXPECT_FALSE(std::filesystem::exists(drive.root / "KVP/Display/Display.dcf"));
}

} // namespace
} // namespace pw
