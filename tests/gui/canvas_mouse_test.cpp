#include "gui/canvas_view.h"
#include "gui/win_info_dialog.h"
#include "gui_fixture.h"
#include "paint_spy.h"
#include "shell/window_commands.h"
#include "support/add_window.h"
#include "windows/window_list.h"

#include <QDockWidget>
#include <QLabel>
#include <QScrollBar>

namespace pw {
namespace {

using CanvasMouseTest = GuiTest;

using Texts = std::vector<std::pair<int, std::string>>;

struct Placed {
    // Type, DrawType, Format, FG, BG0, BG, CurIndex, FontSize, Parameter, Tag
    std::array<int, 10> fields;
    Rect pos;
    Texts texts;
};

struct PlaceRow {
    const char* item;
    QPoint click;
    std::vector<Placed> made;
};

TEST_F(CanvasMouseTest, EveryPlaceItemPlacesItsKindWithItsDefaultsWhereTheCanvasIsClicked) {
    Start();
    QWidget* canvas = main->Canvas()->viewport();
    const auto* placeHint = main->findChild<QLabel*>("placeHint");
    const Texts statuses = {{1, "OVERLOAD"},  {2, "FIRE SERVICE"},  {3, "INDEPENDENT SERVICE"},
                            {4, "DOOR HELD"}, {5, "LIFT RECALLED"}, {6, "LIFT CANNOT RUN"}};
    const Texts destination = {{0, "running"}, {1, "lowest floor"}};
    const Texts position = {{0, "unknown"}, {1, "lowest floor"}};
    const Texts clock = {{0, "10:30 am  Wednesday 30 Sep 2002"}};
    const Texts message = {{0, "Default Message"}};
    const Texts sequence = {{0, "first 5 seconds"}, {1, "next 5 seconds..."}};
    // Windows are numbered on from the Background object's 1. A text shown after the release
    // has been drawn, and so has the font size 20; the pair's Destination window is hidden
    // while the status shows.
    const std::vector<PlaceRow> rows = {
        {"Position1",
         {20, 20},
         {{{1, 0, 5, 0, 256, 256, 1, 20, 0, 2}, {20, 20, 140, 50}, position}}},
        {"Direction1", {160, 20}, {{{2, 1, 5, 0, 256, 256, 1, 0, 0, 3}, {160, 20, 280, 50}, {}}}},
        {"LiftStatus1",
         {300, 20},
         {{{5, 0, 5, 0, 256, 195, 1, 20, 0, 4}, {300, 20, 550, 50}, statuses}}},
        {"TimeDate1",
         {500, 60},
         {{{4, 0, 5, 0, 256, 256, 0, 20, 0, 5}, {500, 60, 639, 90}, clock}}},
        {"DIrectory1",
         {20, 100},
         {{{3, 0, 5, 0, 256, 256, 1, 20, 0, 6}, {20, 100, 140, 130}, destination}}},
        {"DirectoryStatus1",
         {200, 100},
         {{{3, 0, 37, 0, 256, 256, 1, 0, 0, 7}, {200, 100, 320, 130}, destination},
          {{5, 0, 37, 0, 256, 195, 1, 20, 0, 7}, {200, 100, 450, 130}, statuses}}},
        {"Message1",
         {20, 160},
         {{{7, 0, 5, 0, 256, 256, 0, 20, 0, 9}, {20, 160, 270, 190}, message}}},
        {"TimedSequence1",
         {300, 160},
         {{{6, 0, 5, 0, 256, 256, 0, 20, 5, 10}, {300, 160, 550, 190}, sequence}}},
        {"Background1", {20, 220}, {{{0, 0, 0, 0, 256, 0, 0, 0, 0, 0}, {20, 220, 140, 250}, {}}}},
        {"BackgroundRect1",
         {160, 220},
         {{{0, 3, 0, 256, 44, 40, 0, 2, 1, 0}, {160, 220, 280, 250}, {}}}},
        {"Matsurface1", {560, 460}, {{{0, 4, 0, 0, 42, 0, 0, 1, 16, 0}, {560, 460, 639, 479}, {}}}},
    };
    for (const PlaceRow& row : rows) {
        SCOPED_TRACE(row.item);
        const std::size_t before = editor.doc.layout.WindowList.size();
        main->MenuItem(row.item)->trigger();
        EXPECT_FALSE(placeHint->text().isEmpty());
        QTest::mouseMove(canvas, row.click);
        EXPECT_EQ(canvas->cursor().shape(), Qt::CrossCursor);
        QTest::mouseClick(canvas, Qt::LeftButton, {}, row.click);
        EXPECT_EQ(editor.pointer.PlaceMode, 0);
        EXPECT_TRUE(placeHint->text().isEmpty());
        ASSERT_EQ(editor.doc.layout.WindowList.size(), before + row.made.size());
        for (std::size_t i = 0; i < row.made.size(); ++i) {
            const Placed& e = row.made[i];
            const cWindow& w = *WindowAt(editor.doc.layout, before + i);
            EXPECT_EQ(
                (std::array<int, 10>{w.Type, w.DrawType, w.Format, w.FG, w.BG0, w.BG, w.CurIndex,
                                     w.FontSize, w.Parameter, static_cast<int>(w.Tag)}),
                e.fields);
            EXPECT_EQ((Rect{w.X0, w.Y0, w.X1, w.Y1}), e.pos);
            Texts texts;
            for (int k = 0; k < kIndexCount; ++k)
                if (!w.Text[k].empty()) texts.emplace_back(k, w.Text[k]);
            EXPECT_EQ(texts, e.texts);
        }
        const cWindow* current = editor.doc.layout.CurWindow;
        ASSERT_EQ(current, WindowAt(editor.doc.layout, editor.doc.layout.WindowList.size() - 1));
        EXPECT_EQ(forms.fWinInfo->findChild<QLabel*>("lbNumber")->text(),
                  QString::number(current->Number));
        EXPECT_EQ(forms.fWinInfo->findChild<QLabel*>("lbType")->text(), TypeName(current->Type));
    }
}

TEST_F(CanvasMouseTest, DragsOnTheScrolledCanvasFollowThePointerAndRepaintOnlyWhatMoved) {
    Start();
    SetDisplaySize(editor.doc, editor.view, 800, 600);
    // The panels would take most of so small a window from the canvas.
    for (QDockWidget* dock : main->findChildren<QDockWidget*>()) dock->hide();
    main->resize(400, 300);
    QApplication::processEvents();
    CanvasView* view = main->Canvas();
    view->horizontalScrollBar()->setValue(100);
    view->verticalScrollBar()->setValue(50);
    cWindow& w = AddWindow(editor, 200, 100, 319, 129);
    w.BG0 = 195;
    QWidget* canvas = view->viewport();
    QTest::mouseClick(canvas, Qt::LeftButton, {}, {150, 65}); // layout (250, 115)
    ASSERT_EQ(editor.doc.layout.CurWindow, &w);
    QTest::mouseMove(canvas, {219, 70}); // the right edge band
    EXPECT_EQ(canvas->cursor().shape(), Qt::SizeHorCursor);
    QTest::mouseMove(canvas, {150, 79}); // the bottom edge band
    EXPECT_EQ(canvas->cursor().shape(), Qt::SizeVerCursor);

    QTest::mousePress(canvas, Qt::LeftButton, {}, {150, 65});
    EXPECT_EQ(canvas->cursor().shape(), Qt::SizeAllCursor);
    QApplication::processEvents();
    PaintSpy spy;
    canvas->installEventFilter(&spy);
    QTest::mouseMove(canvas, {160, 70});
    QApplication::processEvents();
    canvas->removeEventFilter(&spy);
    EXPECT_EQ((Rect{w.X0, w.Y0, w.X1, w.Y1}), (Rect{210, 105, 329, 134}));
    // Where the window was and where it is now, on the scrolled canvas.
    EXPECT_EQ(spy.painted.boundingRect(), QRect(100, 50, 130, 35));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, {160, 70});
    EXPECT_EQ(w.DragMode, dmIdle);
}

} // namespace
} // namespace pw
