#include "gui/canvas_view.h"
#include "gui/colour_selection_dialog.h"
#include "gui/up_down_edit.h"
#include "gui/win_info_dialog.h"
#include "gui_fixture.h"
#include "shell/window_commands.h"
#include "support/add_window.h"
#include "windows/window_list.h"

#include <QCheckBox>
#include <QFontDialog>
#include <QPushButton>
#include <QTableWidget>

namespace pw {
namespace {

class WinInfoDialogTest : public GuiTest {
protected:
    TfWinInfo* sheet = nullptr;
    QTableWidget* grid = nullptr;

    void SetUp() override {
        Start();
        sheet = forms.fWinInfo;
        grid = sheet->sgInfo;
        QApplication::setActiveWindow(sheet);
    }
    QModelIndex Cell(int row) const { return grid->model()->index(row, 1); }
    QString Shown(int row) const { return grid->item(row, 1)->text(); }
    // Keys as the user presses them on the grid: into the cell's editor once it is open.
    void Press(int row, const QString& keys) {
        for (const QChar key : keys) {
            QWidget* editor = grid->indexWidget(Cell(row));
            QTest::keyClick(editor ? editor : grid, key.toLatin1());
        }
    }
    void Enter(int row) {
        QWidget* editor = grid->indexWidget(Cell(row));
        QTest::keyClick(editor ? editor : grid, Qt::Key_Return);
        QApplication::processEvents(); // the editor closes first
    }
    void Click(int row) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(Cell(row)).center());
    }
};

TEST_F(WinInfoDialogTest, TypedValuesAreAppliedRowByRowAndRefusedOnesDoNotStay) {
    cWindow& w = AddWindow(editor, 100, 100, 219, 129);
    SelectWindow(editor.doc, editor.view, &w);
    Click(irWidth);
    Press(irWidth, "300");
    EXPECT_EQ(w.X1, 219); // not yet
    Enter(irWidth);
    EXPECT_EQ(w.X1, 399);
    EXPECT_EQ(Shown(irX1), "399");

    Click(irX0);
    Press(irX0, "600"); // X1 would be 899
    Click(irY0);
    EXPECT_EQ(w.X0, 100);
    EXPECT_EQ(Shown(irX0), "100");

    auto messages = AnswerMessageBoxes({QMessageBox::Ok, QMessageBox::Ok});
    Click(irX0);
    Press(irX0, "abc");
    Enter(irX0);
    EXPECT_EQ(*messages, QStringList{"'abc' is not a valid integer value"});
    EXPECT_EQ(sheet->PendingRow(), kNoRow);
    EXPECT_EQ(Shown(irX0), "100"); // the stored value again
    EXPECT_EQ(grid->indexWidget(Cell(irX0)), nullptr); // no longer in edit mode
    Press(irX0, "50");
    Enter(irX0);
    EXPECT_EQ((Rect{w.X0, w.Y0, w.X1, w.Y1}), (Rect{50, 100, 349, 129}));

    Click(irY1);
    Press(irY1, "5");
    QTest::keyClick(grid->indexWidget(Cell(irY1)), Qt::Key_Escape); // drops what was typed
    EXPECT_EQ(Shown(irY1), "129");
    EXPECT_EQ(sheet->PendingRow(), kNoRow);

    // A drag on the canvas shows the new place at once and drops what was typed.
    Click(irY0);
    Press(irY0, "7");
    QWidget* canvas = main->Canvas()->viewport();
    QTest::mousePress(canvas, Qt::LeftButton, {}, {200, 110});
    QTest::mouseMove(canvas, {230, 150});
    EXPECT_EQ(Shown(irY0), "140");
    EXPECT_EQ(sheet->PendingRow(), kNoRow);
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, {230, 150});
    EXPECT_EQ(w.Y0, 140);
}

TEST_F(WinInfoDialogTest, TheButtonsStepRaiseAndDeleteButSpareTheBackgroundObject) {
    cWindow* background = WindowAt(editor.doc.layout, 0);
    cWindow& position = AddWindow(editor, 10, 10, 100, 40, wtPosition);
    cWindow& destination = AddWindow(editor, 10, 50, 100, 80, wtDestination);
    SelectWindow(editor.doc, editor.view, background);
    for (QPushButton* button : {sheet->btDelete, sheet->btPutTop, sheet->btImage})
        QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(editor.doc.layout.WindowList.size(), 3u);
    EXPECT_EQ(WindowAt(editor.doc.layout, 0), background);
    EXPECT_FALSE(sheet->ebIndex->isEnabled());
    SetDisplaySize(editor.doc, editor.view, 800, 600);
    EXPECT_EQ(Shown(irWidth), "800");

    QTest::mouseClick(sheet->btPrev, Qt::LeftButton); // wraps to the last window
    EXPECT_EQ(sheet->lbType->text(), "Destination Window");
    EXPECT_EQ(sheet->lbNumber->text(), QString::number(destination.Number));
    sheet->ebIndex->stepBy(2);
    EXPECT_EQ(position.CurIndex, 2);
    EXPECT_EQ(destination.CurIndex, 2);
    QTest::mouseClick(sheet->btNext, Qt::LeftButton);
    EXPECT_EQ(editor.doc.layout.CurWindow, background);

    // Left is unchecked by its click, but the window still has no other justification.
    SelectWindow(editor.doc, editor.view, &position);
    QTest::mouseClick(sheet->cbLeft, Qt::LeftButton);
    EXPECT_TRUE(sheet->cbLeft->isChecked());
    QTest::mouseClick(sheet->cbRight, Qt::LeftButton);
    EXPECT_EQ(position.Format, fmRight);
    EXPECT_FALSE(sheet->cbLeft->isChecked());
}

TEST_F(WinInfoDialogTest, TheDisplayKeepsItsBackgroundAndFontsLoseOnlyTheirItalics) {
    cWindow* background = WindowAt(editor.doc.layout, 0);
    SelectWindow(editor.doc, editor.view, background);
    auto messages = AnswerMessageBoxes({QMessageBox::Ok});
    TfColourSelection* colours = forms.fColourSelection;
    QTimer::singleShot(0, colours, [colours] {
        QTest::mouseClick(colours->Background0, Qt::LeftButton);
        QTest::mouseClick(colours->btTrans, Qt::LeftButton);
        QTest::mouseClick(colours->Foreground, Qt::LeftButton);
        colours->SetTargetColour(255);
        QTest::mouseClick(colours->btOK, Qt::LeftButton);
    });
    QTest::mouseClick(sheet->btColours, Qt::LeftButton);
    EXPECT_EQ(background->FG, 255);
    EXPECT_EQ(background->BG0, 42);
    EXPECT_EQ(messages->size(), 1);

    messages = AnswerMessageBoxes({QMessageBox::Ok, QMessageBox::Ok});
    QTimer::singleShot(0, sheet, [this] {
        QFont font("Liberation Sans");
        font.setBold(true);
        font.setItalic(true);
        sheet->FontDialog1->setCurrentFont(font);
        sheet->FontDialog1->accept();
    });
    QTest::mouseClick(sheet->btFont, Qt::LeftButton);
    EXPECT_EQ(*messages, QStringList{"Italics are not currently supported."});
    EXPECT_EQ(background->FontName, "Liberation Sans");
    EXPECT_EQ(background->FontStyle, fsBold);
    EXPECT_EQ(sheet->lbFontName->text(), "Liberation Sans");

    // A face drawn here by another font keeps its name while only the style is changed.
    background->FontName = "Arial";
    QString shown;
    QTimer::singleShot(0, sheet, [this, &shown] {
        shown = sheet->FontDialog1->currentFont().family();
        sheet->FontDialog1->setCurrentFont(QFont("Liberation Sans"));
        sheet->FontDialog1->accept();
    });
    QTest::mouseClick(sheet->btFont, Qt::LeftButton);
    EXPECT_EQ(shown, "Liberation Sans");
    EXPECT_EQ(background->FontName, "Arial");
    EXPECT_EQ(background->FontStyle, 0);
}

} // namespace
} // namespace pw
