#include "gui/canvas_view.h"
#include "gui/view_control_dialog.h"
#include "gui_fixture.h"
#include "qt/calendar_names.h"
#include "shell/view_modes.h"
#include "shell/window_commands.h"
#include "support/add_window.h"
#include "support/local_time_at.h"
#include "support/temp_drive.h"
#include "windows/window_list.h"

#include <QCheckBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>

namespace pw {
namespace {

class ViewControlTest : public GuiTest {
protected:
    // Opens "&View" as the menu does and, while the dialog is up, does what the user does
    // there, which must close it.
    void View(const std::function<void(TfViewControl&)>& act) {
        QTimer::singleShot(0, main.get(), [this, act] { act(*forms.fViewControl); });
        main->MenuItem("ViewActual1")->trigger();
        QApplication::processEvents();
    }
    QColor Shown(int x, int y) const {
        return main->Canvas()->viewport()->grab().toImage().pixelColor(x, y);
    }
    QString StatusBarView() const { return main->findChild<QLabel*>("lbViewMode")->text(); }
};

TEST_F(ViewControlTest, OutlinesAndTheSelectionMarkShowOnlyInDesignView) {
    Start();
    cWindow& w = AddWindow(editor, 100, 100, 200, 150);
    w.BG0 = 195; // red 3, green 0, blue 0, grey 3: (240, 48, 48)
    SelectWindow(editor.doc, editor.view, &w);
    QApplication::processEvents();
    const QColor magenta(255, 0, 255), fill(240, 48, 48), background(32, 160, 160);
    EXPECT_EQ(Shown(100, 125), magenta);       // outline and mark
    EXPECT_EQ(Shown(101, 125), magenta);       // the mark's inner ring
    EXPECT_EQ(Shown(0, 300), QColor(0, 0, 0)); // the Background object's outline
    EXPECT_EQ(StatusBarView(), "Design view");

    View([](TfViewControl& d) { d.rbStatic->click(); });
    EXPECT_EQ(editor.view.ViewMode, vmStatic);
    EXPECT_FALSE(forms.fViewControl->isVisible());
    EXPECT_EQ(Shown(100, 125), fill);
    EXPECT_EQ(Shown(101, 125), fill);
    EXPECT_EQ(Shown(0, 300), background);
    EXPECT_EQ(StatusBarView(), "Static view");

    View([](TfViewControl& d) { d.btCancel->click(); });
    EXPECT_EQ(editor.view.ViewMode, vmStatic);

    View([](TfViewControl& d) { d.rbDesign->click(); });
    EXPECT_EQ(editor.view.ViewMode, vmDesign);
    EXPECT_EQ(Shown(100, 125), magenta);
    EXPECT_EQ(Shown(101, 125), magenta);
    EXPECT_EQ(Shown(0, 300), QColor(0, 0, 0));
}

TEST_F(ViewControlTest, AfterDynamicViewWasLeftElsewhereDynamicTakesAnotherViewFirst) {
    Start();
    View([](TfViewControl& d) {
        d.cbFullRedraw->click();
        d.rbDynamic->click();
    });
    EXPECT_EQ(editor.view.ViewMode, vmDynamic);
    EXPECT_FALSE(editor.view.FullRedraw);
    LeaveDynamicView(editor.view); // the Text button of the Window Information dialog
    EXPECT_EQ(editor.view.ViewMode, vmDesign);
    EXPECT_EQ(StatusBarView(), "Design view");

    bool stillOpen = false;
    View([&](TfViewControl& d) {
        EXPECT_TRUE(d.rbDynamic->isChecked());
        EXPECT_FALSE(d.cbFullRedraw->isChecked()); // kept from the last showing
        d.rbDynamic->click();
        stillOpen = d.isVisible();
        d.btCancel->click();
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(editor.view.ViewMode, vmDesign);

    View([](TfViewControl& d) { d.rbStatic->click(); });
    View([](TfViewControl& d) { d.rbDynamic->click(); });
    EXPECT_EQ(editor.view.ViewMode, vmDynamic);
    EXPECT_EQ(StatusBarView(), "Dynamic view");
}

TEST_F(ViewControlTest, TheEditorAndTheCommandLinePlayTheSameDynamicView) {
    TempDrive drive;
    // Its mat is drawn at every full redraw and restarts the generator the lift's trips
    // come from, so the two agree only if they redraw at the same moments.
    const QString path = PW_EXAMPLES_DIR "/lobby.dcf";
    const QString png = QString::fromStdString((drive.root / "play.png").string());
    const int ticks = 42;

    editor.run.LocalTime = [] { return LocalTimeAt(2026, 3, 14, 6, 9, 5); };
    editor.run.calendarNames = LocaleCalendarNames(); // as the application starts
    Start({path});
    main->findChild<QTimer*>("Timer1")->stop(); // the test gives the ticks
    View([](TfViewControl& d) { d.rbDynamic->click(); });
    for (int t = 0; t < ticks; ++t) {
        main->Timer1Timer();
        QApplication::processEvents(); // the paint each tick asks for
    }
    ASSERT_EQ(editor.run.TickCount, static_cast<std::uint32_t>(ticks));
    ASSERT_NE(WindowAt(editor.doc.layout, 3)->CurIndex, 1); // the lift has travelled

    QProcess cli;
    cli.start(PW_CLI_PATH, {"render", path, png, "--view", "dynamic", "--ticks",
                            QString::number(ticks), "--time", "2026-03-14 09:05"});
    ASSERT_TRUE(cli.waitForFinished(60000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    const RasterCanvas& canvas = editor.view.canvas;
    const QImage shown(reinterpret_cast<const uchar*>(canvas.Bits()), canvas.Width(),
                       canvas.Height(), canvas.Width() * 4, QImage::Format_RGB32);
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), shown);
}

} // namespace
} // namespace pw
