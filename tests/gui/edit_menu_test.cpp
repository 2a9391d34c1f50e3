#include "display/colour.h"
#include "gui/canvas_view.h"
#include "gui_fixture.h"
#include "shell/window_commands.h"
#include "shell/window_copies.h"
#include "support/add_window.h"
#include "shell/redraw.h"
#include "windows/window_list.h"

#include <QClipboard>
#include <QLabel>
#include <QScrollBar>
#include <QWheelEvent>

namespace pw {
namespace {

class EditMenuTest : public GuiTest {
protected:
    QWidget* Canvas() const { return main->Canvas()->viewport(); }
    QString Item(const char* name) const { return main->MenuItem(name)->text(); }
    bool Enabled(const char* name) const { return main->MenuItem(name)->isEnabled(); }
    QString Status() const { return main->findChild<QLabel*>("canvasStatus")->text(); }
    // Windows added by the test are where the history starts, as a loaded layout's are.
    void Shown() {
        RedrawAll(editor.view, editor.doc);
        editor.doc.history.Reset(editor.doc);
    }
};

TEST_F(EditMenuTest, AtFourTimesTheMouseEditsInDisplayPixelsShownAsCrispSquares) {
    Start();
    SetDisplaySize(editor.doc, editor.view, 800, 600);
    main->resize(400, 300);
    cWindow& w = AddWindow(editor, 200, 100, 319, 129);
    cWindow& box = AddWindow(editor, 160, 140, 199, 159);
    box.DrawType = dtFileName;
    box.BG0 = box.BG = 48;
    Shown();
    QApplication::processEvents();
    CanvasView* view = main->Canvas();
    view->SetZoom(4, {0, 0});
    view->horizontalScrollBar()->setValue(600);
    view->verticalScrollBar()->setValue(380);

    // Layout (230, 115) is at (230 * 4 - 600, 115 * 4 - 380); 40 and 20 screen pixels further
    // are 10 and 5 display pixels.
    QTest::mousePress(Canvas(), Qt::LeftButton, {}, {321, 81});
    QTest::mouseMove(Canvas(), {341, 91});
    QTest::mouseMove(Canvas(), {361, 101});
    EXPECT_EQ(Status(), "400 %   x 240, y 120");
    QTest::mouseRelease(Canvas(), Qt::LeftButton, {}, {361, 101});
    EXPECT_EQ((Rect{w.X0, w.Y0, w.X1, w.Y1}), (Rect{210, 105, 329, 134}));
    EXPECT_EQ(editor.doc.history.UndoSteps(), 1u);
    EXPECT_EQ(Item("Undo1"), "&Undo Move Message Window");

    // The box's outline pixel (160, 145) fills screen pixels 40..43 by 200..203.
    QApplication::processEvents();
    const QImage shown = Canvas()->grab().toImage();
    for (int i = 0; i < 16; ++i) EXPECT_EQ(shown.pixel(40 + i % 4, 200 + i / 4), ColourOf(0)) << i;
    EXPECT_EQ(shown.pixel(44, 200), ColourOf(48));

    // Ctrl and the wheel: layout (175, 120) stays under the pointer at (100, 100).
    QWheelEvent wheel({100, 100}, Canvas()->mapToGlobal(QPointF(100, 100)), {}, {0, 120},
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Canvas(), &wheel);
    EXPECT_EQ(view->Zoom(), 5);
    QTest::mouseMove(Canvas(), {100, 100});
    EXPECT_EQ(Status(), "500 %   x 175, y 120");

    main->MenuItem("Undo1")->trigger();
    const cWindow& back = *WindowAt(editor.doc.layout, 1); // undo puts back windows of its own
    EXPECT_EQ((Rect{back.X0, back.Y0, back.X1, back.Y1}), (Rect{200, 100, 319, 129}));
    EXPECT_EQ(Item("Redo1"), "&Redo Move Message Window");
    EXPECT_FALSE(Enabled("Undo1"));
}

TEST_F(EditMenuTest, KeysActOnTheCurrentWindowAndEachIsOneStep) {
    Start();
    cWindow& w = AddWindow(editor, 100, 100, 219, 129, wtPosition);
    Shown();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    QTest::mouseClick(Canvas(), Qt::LeftButton, {}, {150, 110});
    ASSERT_EQ(editor.doc.layout.CurWindow, &w);
    QTest::keyClick(Canvas(), Qt::Key_Right);
    QTest::keyClick(Canvas(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ((QPoint{w.X0, w.Y0}), (QPoint{101, 110}));
    QTest::keyClick(Canvas(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(editor.doc.layout.WindowList.size(), 3u);
    EXPECT_EQ(Item("Undo1"), "&Undo Duplicate Position Window");
    QTest::keyClick(Canvas(), Qt::Key_Delete);
    QTest::keyClick(Canvas(), Qt::Key_Delete); // nothing is current now
    EXPECT_EQ(editor.doc.layout.WindowList.size(), 2u);
    EXPECT_EQ(editor.doc.history.UndoSteps(), 4u);
    for (int i = 0; i < 4; ++i) QTest::keyClick(Canvas(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(editor.doc.layout.WindowList.size(), 2u);
    EXPECT_EQ((QPoint{WindowAt(editor.doc.layout, 1)->X0, WindowAt(editor.doc.layout, 1)->Y0}),
              (QPoint{100, 100}));
    QTest::keyClick(Canvas(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(WindowAt(editor.doc.layout, 1)->X0, 101);
}

TEST_F(EditMenuTest, CopyPutsTheWindowOnTheClipboardAsTextAndPasteTakesOnlyAWindow) {
    Start();
    AddWindow(editor, 100, 50, 219, 79, wtPosition).Text.Set(1, "Ground");
    Shown();
    QTest::mouseClick(Canvas(), Qt::LeftButton, {}, {150, 60});
    main->MenuItem("Copy1")->trigger();
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith("[ WINDOW\r\n  Type = 1, 2\r\n")) << copied.toStdString();
    EXPECT_TRUE(copied.contains("|Ground|"));
    main->MenuItem("Paste1")->trigger();
    ASSERT_EQ(editor.doc.layout.WindowList.size(), 3u);
    EXPECT_EQ(editor.doc.layout.CurWindow->Text[1], "Ground");
    EXPECT_EQ(editor.doc.layout.CurWindow->X0, 110);

    QGuiApplication::clipboard()->setText("Ground floor");
    const auto seen = AnswerNextMessageBox(QMessageBox::Ok);
    main->MenuItem("Paste1")->trigger();
    EXPECT_EQ(*seen, kNotAWindow);
    EXPECT_EQ(editor.doc.layout.WindowList.size(), 3u);
}

TEST_F(EditMenuTest, CutCopiesAndDeletesAsOneStepAndLeavesTheBackground) {
    Start();
    AddWindow(editor, 100, 50, 219, 79, wtPosition).Text.Set(1, "Ground");
    Shown();
    QTest::mouseClick(Canvas(), Qt::LeftButton, {}, {150, 60});
    QTest::keyClick(Canvas(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains("|Ground|"));
    ASSERT_EQ(editor.doc.layout.WindowList.size(), 1u);
    EXPECT_FALSE(main->MenuItem("Cut1")->isEnabled()); // the Background object is current
    QTest::keyClick(Canvas(), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(editor.doc.layout.WindowList.size(), 2u);
    EXPECT_EQ(WindowAt(editor.doc.layout, 1)->Text[1], "Ground");
}

} // namespace
} // namespace pw
