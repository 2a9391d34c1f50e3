#include "display/colour.h"
#include "gui/application.h"
#include "gui/canvas_view.h"
#include "gui/help_window.h"
#include "gui/win_info_dialog.h"
#include "gui_fixture.h"
#include "shell/layout_file.h"
#include "shell/new_layout.h"
#include "shell/window_commands.h"
#include "windows/window_list.h"

#include "gui/setup_dialog.h"
#include "support/add_window.h"
#include "support/temp_drive.h"

#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSettings>

#include <fstream>

namespace pw {
namespace {

using MainWindowTest = GuiTest;

TEST_F(MainWindowTest, StartsWithADefaultLayoutInColour42AndTheInformationDialogOpen) {
    Start();
    ASSERT_EQ(editor.doc.layout.WindowList.size(), 1u);
    EXPECT_TRUE(forms.fWinInfo->isVisible());
    EXPECT_EQ(main->windowTitle(), "Tarnwheel Panelwright  v5.08[*]"); // Qt's mark of changes
    EXPECT_EQ(editor.view.ViewMode, vmDesign);
    EXPECT_EQ(editor.pointer.PlaceMode, 0);
    const QImage shown = main->Canvas()->viewport()->grab().toImage();
    // The display area in (32, 160, 160), framed by the Background object's design outline.
    EXPECT_EQ(shown.pixelColor(100, 100), QColor(32, 160, 160));
    EXPECT_EQ(shown.pixelColor(320, 240), QColor(32, 160, 160));
    const QSize display = main->Canvas()->DisplaySize();
    EXPECT_EQ(display, QSize(640, 480));
    // The icons come from the icon theme once the window is on the screen.
    EXPECT_TRUE(QTest::qWaitFor([this] { return !forms.fWinInfo->btDelete->icon().isNull(); }));
}

TEST_F(MainWindowTest, TheInformationSheetIgnoresEscapeAndComesBackWithTheNextSelection) {
    Start();
    AddWindow(editor, 10, 10, 100, 60);
    QTest::keyClick(forms.fWinInfo, Qt::Key_Escape);
    EXPECT_TRUE(forms.fWinInfo->isVisible());
    forms.fWinInfo->close(); // its close box
    ASSERT_FALSE(forms.fWinInfo->isVisible());
    SelectWindow(editor.doc, editor.view, WindowAt(editor.doc.layout, 1));
    EXPECT_TRUE(forms.fWinInfo->isVisible());
    EXPECT_EQ(forms.fWinInfo->findChild<QLabel*>("lbType")->text(), "Message Window");
}

TEST_F(MainWindowTest, ShowingTheWindowAgainMakesNoSecondBackground) {
    Start();
    main->hide();
    QApplication::processEvents();
    main->showMinimized();
    main->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(editor.doc.layout.WindowList.size(), 1u);
}

TEST_F(MainWindowTest, TheScrollableAreaCoversExactlyTheDisplay) {
    Start();
    SetDisplaySize(editor.doc, editor.view, 800, 600);
    QApplication::processEvents();
    auto* canvas = main->Canvas();
    const QSize view = canvas->viewport()->size();
    EXPECT_EQ(canvas->horizontalScrollBar()->maximum(), std::max(0, 800 - view.width()));
    EXPECT_EQ(canvas->verticalScrollBar()->maximum(), std::max(0, 600 - view.height()));
}

TEST_F(MainWindowTest, TheMenuIsComplete) {
    Start();
    struct Expected {
        const char* name;
        const char* caption;
        const char* hint;
    };
    for (const Expected& e : {
             Expected{"New1", "&New", "Start a new layout"},
             {"Load1", "&Load", "Load an existing layout file"},
             {"Save1", "&Save", "Save the current layout file"},
             {"SaveAs1", "Save &As", "Save current layout to a new filename"},
             {"ExportPicture1", "&Export Picture...",
              "Save the layout as the canvas shows it as a PNG picture"},
             {"Generatefiles1", "&Generate files",
              "Generates fonts and bitmaps ready to update displays"},
             {"Exit1", "E&xit", "quit this program"},
             {"Position1", "&Position", "Changes with lift position"},
             {"Direction1", "&Direction", "Changes with (preferred) direction"},
             {"LiftStatus1", "&Lift Status", "Out of service information"},
             {"TimeDate1", "&Time/Date", "place clock window"},
             {"DIrectory1", "De&stination", "Changes as lift stops at a floor"},
             {"DirectoryStatus1", "D&estination/Status",
              "Shows floor directory exceptwhen lift out of service"},
             {"Message1", "Me&ssage", ""},
             {"TimedSequence1", "&Timed Sequence",
              "place a window that will change every few seconds"},
             {"Background1", "&Background Obj", "place Static text and bitmaps"},
             {"BackgroundRect1", "Background &Rectangle", "place a 3D style rectangle"},
             {"Matsurface1", "&Mat surface", "place a mat texture window"},
             {"ViewActual1", "&View", ""},
             {"SetUp1", "&Set Up", ""},
             {"Problems1", "&Problems", ""},
             {"Help1", "&Help (F1)", ""},
         }) {
        const QAction* item = main->MenuItem(e.name);
        ASSERT_NE(item, nullptr) << e.name;
        EXPECT_EQ(item->text(), e.caption);
        EXPECT_EQ(item->statusTip(), e.hint);
    }
    QStringList top;
    for (const QAction* a : main->menuBar()->actions()) top << a->text();
    EXPECT_EQ(top, (QStringList{"&File", "&Edit", "&Place", "&View", "&Set Up", "Pa&nels",
                                "&Help (F1)"}));
}

TEST_F(MainWindowTest, TheFileMenuHasItsShortcutsAndTheRecentFiles) {
    Start();
    QStringList items;
    for (const QAction* a : main->findChild<QMenu*>("File1")->actions())
        items << a->text() + (a->shortcut().isEmpty() ? "" : " " + a->shortcut().toString());
    EXPECT_EQ(items, (QStringList{"&New Ctrl+N", "&Load Ctrl+O", "&Recent files", "&Save Ctrl+S",
                                  "Save &As Ctrl+Shift+S", "&Export Picture...", "&Generate files",
                                  "&Verify Display Files", "&Restore Previous Display Files",
                                  "E&xit Ctrl+Q"}));
    // Generate files works from a saved layout, so it is unavailable until there is one.
    QAction* generate = main->MenuItem("Generatefiles1");
    EXPECT_FALSE(generate->isEnabled());
    SetLayoutFileName(editor.doc, "C:\\job.dcf");
    EXPECT_TRUE(generate->isEnabled());
    AnswerMessageBoxes({QMessageBox::No}); // not saved before the new layout
    RunCommand([&] { New1Click(editor); });
    EXPECT_FALSE(generate->isEnabled());
}

TEST_F(MainWindowTest, RecentFilesListLayoutsLoadedOrSavedAndDropOnesThatAreGone) {
    TempDrive drive;
    QSettings().remove("recentFiles");
    Start();
    auto* recent = main->findChild<QMenu*>("RecentFiles1");
    EXPECT_FALSE(recent->menuAction()->isEnabled());
    for (const char* name : {"C:\\a.dcf", "C:\\b.dcf", "C:\\a.dcf"}) {
        SetLayoutFileName(editor.doc, name);
        SaveLayout(editor.doc, name);
    }
    emit recent->aboutToShow();
    QStringList items;
    for (const QAction* a : recent->actions()) items << a->text();
    EXPECT_EQ(items, (QStringList{"&1 C:\\a.dcf", "&2 C:\\b.dcf"}));
    std::filesystem::remove(drive.root / "b.dcf");
    auto seen = AnswerNextMessageBox(QMessageBox::Ok);
    recent->actions()[1]->trigger();
    EXPECT_EQ(*seen, "\"C:\\b.dcf\" was not found. It has been taken off the recent files.");
    emit recent->aboutToShow();
    ASSERT_EQ(recent->actions().size(), 1);
    EXPECT_EQ(recent->actions()[0]->text(), "&1 C:\\a.dcf");
}

TEST_F(MainWindowTest, PlaceItemsArmThePlaceMode) {
    Start();
    const std::pair<const char*, int> modes[] = {
        {"Position1", 2},       {"Direction1", 3},       {"LiftStatus1", 6},
        {"TimeDate1", 5},       {"DIrectory1", 4},       {"DirectoryStatus1", 7},
        {"Message1", 8},        {"TimedSequence1", 11}, {"Background1", 1},
        {"BackgroundRect1", 9}, {"Matsurface1", 10},
    };
    for (const auto& [name, mode] : modes) {
        main->MenuItem(name)->trigger();
        EXPECT_EQ(editor.pointer.PlaceMode, mode) << name;
    }
}

TEST_F(MainWindowTest, TheDialogsNotShownAtStartAreMadeOnceWhenFirstAskedFor) {
    Start();
    const auto dialogs = [this] {
        QStringList names;
        for (const QObject* child : main->children())
            if (child->inherits("QDialog")) names << child->objectName();
        return names;
    };
    EXPECT_EQ(dialogs(), (QStringList{"fWinInfo", "fImage"}));
    EXPECT_EQ(forms.fWinInfo->windowTitle(), "Window Information");
    TfSetUp* setUp = forms.fSetUp;
    EXPECT_EQ(forms.fSetUp.get(), setUp);
    EXPECT_STREQ(setUp->metaObject()->className(), "pw::TfSetUp");
    EXPECT_EQ(setUp->property(kHelpContextProperty).toInt(), TfSetUp::kHelpContext);
    // Asked for in another order than the forms are listed: each is made when asked for.
    forms.fTextEdit.get();
    forms.fColourSelection.get();
    forms.fFont.get();
    forms.fViewControl.get();
    EXPECT_EQ(dialogs(), (QStringList{"fWinInfo", "fImage", "fSetUp", "fTextEdit",
                                      "fColourSelection", "fFont", "fViewControl"}));
}

TEST_F(MainWindowTest, ClosingALayoutOfOnlyTheBackgroundAsksNothing) {
    Start();
    auto seen = AnswerNextMessageBox(QMessageBox::Cancel);
    EXPECT_TRUE(main->close());
    QApplication::processEvents();
    EXPECT_TRUE(seen->isEmpty());
}

TEST_F(MainWindowTest, CancelOnTheCloseQuestionKeepsTheProgramRunning) {
    Start();
    NewWindow(editor.doc.layout);
    auto seen = AnswerNextMessageBox(QMessageBox::Cancel);
    EXPECT_FALSE(main->close());
    EXPECT_EQ(*seen, "Save before exit ?");
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(editor.doc.layout.WindowList.size(), 2u);
    auto again = AnswerNextMessageBox(QMessageBox::No);
    EXPECT_TRUE(main->close());
    EXPECT_EQ(*again, "Save before exit ?");
}

TEST_F(MainWindowTest, AFailedSaveAtExitKeepsTheProgramRunning) {
    Start();
    editor.doc.LayoutFileName = "/nonexistent/folder/lobby.dcf";
    auto seen = AnswerMessageBoxes({QMessageBox::Yes, QMessageBox::Ok});
    EXPECT_FALSE(main->close());
    ASSERT_EQ(seen->size(), 2);
    EXPECT_EQ((*seen)[0], "Save before exit ?");
    EXPECT_TRUE((*seen)[1].contains("Cannot create file")) << (*seen)[1].toStdString();
    EXPECT_TRUE(main->isVisible());
}

TEST_F(MainWindowTest, TimerTicksKeepCountingWhileAModalDialogIsOpen) {
    Start();
    const auto before = editor.run.TickCount;
    QTimer::singleShot(2300, forms.fSetUp, [this] { forms.fSetUp->reject(); });
    main->SetUp1Click();
    EXPECT_GE(editor.run.TickCount - before, 2u);
}

TEST_F(MainWindowTest, AFileArgumentIsLoadedInsteadOfTheDefaultLayout) {
    TempDrive drive;
    const auto path = drive.root / "start.dcf";
    std::ofstream(path, std::ios::binary)
        << "[ WINDOW\r\n  Type = 0, 1\r\n  Colours = 0, 195, 195\r\n"
           "  Position = 0, 0, 479, 639\r\nWINDOW END ]\r\n\r\n";
    Start({QString::fromStdString(path.string())});
    ASSERT_EQ(editor.doc.layout.WindowList.size(), 1u);
    EXPECT_EQ(editor.doc.layout.BackgroundColour, 195);
    EXPECT_EQ(main->windowTitle(), QString::fromStdString("PW " + path.string() + "[*]"));
    EXPECT_EQ(main->Canvas()->DisplaySize(), QSize(480, 640));
    EXPECT_FALSE(main->isWindowModified());
    main->MenuItem("Message1")->trigger();
    QTest::mouseClick(main->Canvas()->viewport(), Qt::LeftButton, {}, {50, 50});
    EXPECT_TRUE(main->isWindowModified());
}

} // namespace
} // namespace pw
