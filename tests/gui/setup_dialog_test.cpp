#include "gui/canvas_view.h"
#include "setup_fixture.h"
#include "shell/window_commands.h"
#include "windows/window_list.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace pw {
namespace {

class SetUpDialogTest : public SetUpTest {
protected:
    QSize LayoutSize() const {
        const cWindow* b = WindowAt(editor.doc.layout, 0);
        return {b->X1 + 1, b->Y1 + 1};
    }
};

TEST_F(SetUpDialogTest, ANewJobOpensWithItsStartValues) {
    Open();
    EXPECT_EQ(dialog->windowTitle(), "Set Up");
    EXPECT_EQ(dialog->ebLiftID1->text(), "1");
    EXPECT_EQ(dialog->ebSlave->text(), "0");
    EXPECT_EQ(dialog->ebNLifts->text(), "3");
    EXPECT_EQ(dialog->ebDestTime->text(), "2000");
    // Refilled from the record like the other boxes: a new job has no screen saver.
    EXPECT_EQ(dialog->ebSecScreenSave->text(), "0");
    EXPECT_EQ(dialog->ebJobName->text(), "");
    EXPECT_TRUE(dialog->rbGray->isChecked());
    EXPECT_EQ(dialog->rbGray->text(), "Gray Code Position");
    EXPECT_TRUE(dialog->rb640->isChecked());
    EXPECT_EQ(dialog->rb640->text(), "640 x 480");
    EXPECT_FALSE(dialog->cb14TestPat->isChecked());
    for (QCheckBox* box : dialog->terminalBoxes) EXPECT_FALSE(box->isChecked());
}

TEST_F(SetUpDialogTest, AddressesAreShownAndStoredLessOne) {
    editor.doc.layout.InputSpec.ID0 = 4;
    editor.doc.layout.InputSpec.SlaveID0 = 6;
    Open();
    EXPECT_EQ(dialog->ebLiftID1->text(), "5");
    EXPECT_EQ(dialog->ebSlave->text(), "7");
    Type(dialog->ebLiftID1, "7");
    Type(dialog->ebSlave, "1");
    Click(dialog->btKeep);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(editor.doc.layout.InputSpec.ID0, 6);
    EXPECT_EQ(editor.doc.layout.InputSpec.SlaveID0, 0);
    Open();
    EXPECT_EQ(dialog->ebSlave->text(), "0");
}

TEST_F(SetUpDialogTest, OkTakesEveryBoxAsTyped) {
    Open();
    Type(dialog->ebJobName, "Harbour Tower");
    Type(dialog->ebNLifts, "40"); // beyond what the arrows give, stored all the same
    Type(dialog->ebPosnOffset, "1,2,-3");
    Type(dialog->ebDestTime, "-5");
    Type(dialog->ebSecScreenSave, "90");
    QTest::keyClick(dialog->ebDestTime, Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    const cInputSpec& job = editor.doc.layout.InputSpec;
    EXPECT_EQ(job.JobName, "Harbour Tower");
    EXPECT_EQ(job.NLifts, 40);
    EXPECT_EQ(job.PosnOffset, "1,2,-3");
    EXPECT_EQ(job.DestTime, -5);
    EXPECT_EQ(job.ScreenSave, 90);
    EXPECT_EQ(job.ID0, 0);
}

TEST_F(SetUpDialogTest, OkWithoutEditsChangesNothingStored) {
    cInputSpec& job = editor.doc.layout.InputSpec;
    job = {"Pier", "B", "4 5", 6, 9, 3, "0,1", 1500, 25, imCountPlates, jfZeroPosn, 0x4001};
    Open();
    Click(dialog->btKeep);
    EXPECT_EQ(job.JobName, "Pier");
    EXPECT_EQ(job.NLifts, 6);
    EXPECT_EQ(job.ID0, 9);
    EXPECT_EQ(job.SlaveID0, 3);
    EXPECT_EQ(job.PosnOffset, "0,1");
    EXPECT_EQ(job.DestTime, 1500);
    EXPECT_EQ(job.ScreenSave, 25);
    EXPECT_EQ(job.InputMode, imCountPlates);
    EXPECT_EQ(job.Flags, jfZeroPosn);
    EXPECT_EQ(job.Invert, 0x4001);
}

TEST_F(SetUpDialogTest, TheArrowsStayWithinTheirLimits) {
    Open();
    UpDownEdit* lifts = dialog->ebNLifts;
    Type(lifts, "15");
    lifts->stepBy(1);
    EXPECT_EQ(lifts->text(), "16");
    lifts->stepBy(1);
    EXPECT_EQ(lifts->text(), "16");
    Type(lifts, "x");
    lifts->stepBy(1);
    EXPECT_EQ(lifts->text(), "1");
    Type(dialog->ebLiftID1, "1");
    dialog->ebLiftID1->stepBy(-1);
    EXPECT_EQ(dialog->ebLiftID1->text(), "1");
}

TEST_F(SetUpDialogTest, ADisplaySizeActsAtOnceAndOutlastsCancel) {
    Open();
    Type(dialog->ebJobName, "not kept");
    Click(dialog->rb800);
    EXPECT_EQ(LayoutSize(), QSize(800, 600));
    EXPECT_EQ(main->Canvas()->DisplaySize(), QSize(800, 600));
    Click(dialog->rb480);
    EXPECT_EQ(LayoutSize(), QSize(480, 640));
    Click(dialog->rb600);
    EXPECT_EQ(LayoutSize(), QSize(600, 800));
    Click(dialog->rb800);
    Click(dialog->btClose);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(LayoutSize(), QSize(800, 600));
    EXPECT_EQ(editor.doc.layout.InputSpec.JobName, "");
    Open();
    EXPECT_TRUE(dialog->rb800->isChecked());
}

TEST_F(SetUpDialogTest, ALayoutOfAnotherWidthLeavesTheSizeButtonsAsTheyWere) {
    Open();
    Click(dialog->rb800);
    Click(dialog->btClose);
    SetDisplaySize(editor.doc, editor.view, 1024, 768);
    Open();
    EXPECT_TRUE(dialog->rb800->isChecked());
    EXPECT_EQ(LayoutSize(), QSize(1024, 768));
    // The selected button still means its size when it is clicked.
    Click(dialog->rb800);
    EXPECT_EQ(LayoutSize(), QSize(800, 600));
}

TEST_F(SetUpDialogTest, ModeFlagsAndTerminalsReachTheRecordAtOnce) {
    Open();
    Click(dialog->terminalBoxes[2]); // PC
    EXPECT_EQ(dialog->terminalBoxes[2]->text(), "PC");
    EXPECT_EQ(editor.doc.layout.InputSpec.Invert, 4);
    Click(dialog->terminalBoxes[14]); // 15
    EXPECT_EQ(editor.doc.layout.InputSpec.Invert, 4 | (1 << 14));
    Click(dialog->terminalBoxes[2]);
    EXPECT_EQ(editor.doc.layout.InputSpec.Invert, 1 << 14);
    Click(dialog->terminalBoxes[2]);
    Click(dialog->rbParallel);
    EXPECT_EQ(editor.doc.layout.InputSpec.InputMode, imParallel);
    Click(dialog->cb14TestPat);
    Click(dialog->cbZeroPosn);
    EXPECT_EQ(editor.doc.layout.InputSpec.Flags, jfTestPattern | jfZeroPosn);
    Click(dialog->cb14TestPat);
    EXPECT_EQ(editor.doc.layout.InputSpec.Flags, jfZeroPosn);
    Click(dialog->btClose);
    EXPECT_EQ(editor.doc.layout.InputSpec.Invert, 4 | (1 << 14));
    EXPECT_EQ(editor.doc.layout.InputSpec.InputMode, imParallel);
    // Filling the boxes from the record while the dialog is closed is no edit.
    dialog->terminalBoxes[0]->setChecked(true);
    dialog->cb14TestPat->setChecked(true);
    EXPECT_EQ(editor.doc.layout.InputSpec.Invert, 4 | (1 << 14));
    EXPECT_EQ(editor.doc.layout.InputSpec.Flags, jfZeroPosn);
    Open();
    EXPECT_TRUE(dialog->rbParallel->isChecked());
    EXPECT_TRUE(dialog->terminalBoxes[2]->isChecked());
    EXPECT_FALSE(dialog->terminalBoxes[0]->isChecked());
    EXPECT_FALSE(dialog->cb14TestPat->isChecked());
    EXPECT_TRUE(dialog->cbZeroPosn->isChecked());
}

TEST_F(SetUpDialogTest, AnUnknownModeLeavesTheModeButtonsAndAClickSetsOne) {
    Open();
    Click(dialog->rbBinary);
    Click(dialog->btClose);
    editor.doc.layout.InputSpec.InputMode = 7;
    Open();
    EXPECT_TRUE(dialog->rbBinary->isChecked());
    EXPECT_EQ(editor.doc.layout.InputSpec.InputMode, 7);
    Click(dialog->rbBinary);
    EXPECT_EQ(editor.doc.layout.InputSpec.InputMode, imBinary);
}

TEST_F(SetUpDialogTest, LettersForTheNumberOfLiftsStopOkThere) {
    Open();
    Type(dialog->ebJobName, "Quay");
    Type(dialog->ebSubDirectory, "B2");
    Type(dialog->ebIDs, "3 4");
    Type(dialog->ebNLifts, "four");
    Type(dialog->ebLiftID1, "9");
    Type(dialog->ebDestTime, "100");
    auto shown = AnswerNextMessageBox(QMessageBox::Ok);
    Click(dialog->btKeep);
    EXPECT_EQ(*shown, "'four' is not a valid integer value");
    EXPECT_TRUE(dialog->isVisible());
    const cInputSpec& job = editor.doc.layout.InputSpec;
    EXPECT_EQ(job.JobName, "Quay");
    EXPECT_EQ(job.SubDirectory, "B2");
    EXPECT_EQ(job.NetIDs, "3 4");
    EXPECT_EQ(job.NLifts, 3);
    EXPECT_EQ(job.ID0, 0);
    EXPECT_EQ(job.DestTime, 2000);
    // Put right, the same dialog takes the rest.
    Type(dialog->ebNLifts, "2");
    Click(dialog->btKeep);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(job.NLifts, 2);
    EXPECT_EQ(job.ID0, 8);
    EXPECT_EQ(job.DestTime, 100);
}

TEST_F(SetUpDialogTest, TheMenuOpensTheDialogModally) {
    bool shown = false;
    QTimer::singleShot(0, [&] {
        shown = dialog->isVisible() && QApplication::activeModalWidget() == dialog;
        dialog->btClose->click();
    });
    main->MenuItem("SetUp1")->trigger();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(dialog->isVisible());
}

} // namespace
} // namespace pw
