#include "gui/canvas_view.h"
#include "gui_fixture.h"
#include "paint_spy.h"
#include "display/colour.h"
#include "shell/window_commands.h"
#include "support/add_window.h"
#include "shell/redraw.h"
#include "windows/window_list.h"

#include <QDockWidget>
#include <QScrollBar>

namespace pw {
namespace {

class CanvasViewTest : public GuiTest {
protected:
    cWindow& Box(int x0, int y0, int x1, int y1, int bg) {
        cWindow& w = AddWindow(editor, x0, y0, x1, y1);
        w.DrawType = dtFileName;
        w.BG0 = w.BG = bg;
        return w;
    }
    // Draws the window and returns what the widget repainted for it.
    QRegion Repainted(cWindow& w) {
        QWidget* viewport = main->Canvas()->viewport();
        QApplication::processEvents();
        PaintSpy spy;
        viewport->installEventFilter(&spy);
        DrawWindow(editor.view, editor.doc, w, DrawMode::Draw);
        QApplication::processEvents();
        viewport->removeEventFilter(&spy);
        return spy.painted;
    }
};

TEST_F(CanvasViewTest, DrawingOneWindowRepaintsOnlyItsArea) {
    Start();
    cWindow& w = Box(200, 100, 249, 139, 195);
    EXPECT_EQ(Repainted(w), QRegion(200, 100, 50, 40));
    const QImage shown = main->Canvas()->viewport()->grab().toImage();
    EXPECT_EQ(shown.pixel(220, 120), ColourOf(195));
    EXPECT_EQ(shown.pixel(200, 120), ColourOf(0)); // the outline
}

TEST_F(CanvasViewTest, TheRepaintFollowsTheScrollPosition) {
    Start();
    SetDisplaySize(editor.doc, editor.view, 800, 600);
    // The panels would take most of so small a window from the canvas.
    for (QDockWidget* dock : main->findChildren<QDockWidget*>()) dock->hide();
    main->resize(400, 300);
    QApplication::processEvents();
    CanvasView* canvas = main->Canvas();
    ASSERT_GT(canvas->horizontalScrollBar()->maximum(), 100);
    ASSERT_GT(canvas->verticalScrollBar()->maximum(), 50);
    canvas->horizontalScrollBar()->setValue(100);
    canvas->verticalScrollBar()->setValue(50);
    cWindow& w = Box(200, 100, 249, 139, 48);
    EXPECT_EQ(Repainted(w), QRegion(100, 50, 50, 40));
    const QImage shown = canvas->viewport()->grab().toImage();
    EXPECT_EQ(shown.pixel(120, 70), ColourOf(48));
}

} // namespace
} // namespace pw
