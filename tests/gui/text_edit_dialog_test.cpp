#include "gui/text_edit_dialog.h"
#include "gui/up_down_edit.h"
#include "gui_fixture.h"
#include "support/add_window.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace pw {
namespace {

class TextEditTest : public GuiTest {
protected:
    TfTextEdit* dialog = nullptr;

    void SetUp() override {
        Start();
        dialog = forms.fTextEdit;
    }
    void Open(cWindow& w) {
        dialog->Open(w);
        QApplication::processEvents();
    }
    // Closes the dialog and gives the window what it was left with, as its caller does.
    void Close(cWindow& w) {
        dialog->close();
        CopyFields(w, dialog->Draft(), wfText | wfCurIndex);
    }
    void TypeIndex(const QString& text) {
        dialog->ebIndex->selectAll();
        QTest::keyClicks(dialog->ebIndex, text);
    }
    QString Memo() const { return dialog->Memo1->toPlainText(); }
};

TEST_F(TextEditTest, EditsAreStoredPerIndexAndOnlyWhenTyped) {
    cWindow& w = AddWindow(editor, 10, 10, 200, 40, wtPosition);
    w.CurIndex = 1;
    w.Text.Set(1, "One");
    w.Text.Set(2, "Two\n"); // a lone LF is left alone while the text is not edited
    Open(w);
    EXPECT_EQ(dialog->ebIndex->text(), "1");
    EXPECT_EQ(Memo(), "One");
    dialog->ebIndex->stepBy(1);
    Close(w);
    EXPECT_EQ(w.CurIndex, 2);
    EXPECT_EQ(w.Text[1], "One");
    EXPECT_EQ(w.Text[2], "Two\n");

    Open(w);
    QTest::keyClicks(dialog->Memo1, "Ground");
    QTest::keyClick(dialog->Memo1, Qt::Key_Return);
    QTest::keyClicks(dialog->Memo1, "Floor");
    TypeIndex("1");
    EXPECT_EQ(Memo(), "One");
    QTest::keyClicks(dialog->Memo1, "First ");
    dialog->ebIndex->stepBy(1);
    EXPECT_EQ(Memo(), "Ground\nFloorTwo\n"); // the cursor was at the start
    TypeIndex("1");
    EXPECT_EQ(Memo(), "First One");
    Close(w); // the close box keeps the edit as OK does
    EXPECT_EQ(w.Text[2], "Ground\r\nFloorTwo\r\n");
    EXPECT_EQ(w.Text[1], "First One");
    EXPECT_EQ(w.CurIndex, 1);
}

TEST_F(TextEditTest, CharactersTheLayoutCannotHoldAreLeftOutAndNamed) {
    cWindow& w = AddWindow(editor, 10, 10, 200, 40, wtMessage);
    Open(w);
    auto message = AnswerNextMessageBox(QMessageBox::Ok);
    // As an input method hands over what it composed.
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                    QString::fromUtf8("5 € \u2192 Caf\u00e9 \U0001F600\u2192"));
    QApplication::sendEvent(dialog->Memo1, &typed);
    EXPECT_TRUE(message->endsWith(QString::fromUtf8("\u2192 \U0001F600")))
        << message->toStdString();
    EXPECT_EQ(Memo(), QString::fromUtf8("5 €  Café "));
    Close(w);
    EXPECT_EQ(w.Text[0], "5 \x80  Caf\xe9 ");
}

TEST_F(TextEditTest, APipeTypedOrPastedIsLeftOutSoTheTextReadsBackWhole) {
    cWindow& w = AddWindow(editor, 10, 10, 200, 40, wtMessage);
    w.CurIndex = 3;
    Open(w);
    auto message = AnswerNextMessageBox(QMessageBox::Ok);
    QTest::keyClicks(dialog->Memo1, "Pipe|Test");
    EXPECT_TRUE(message->startsWith("\"|\" was left out")) << message->toStdString();
    EXPECT_EQ(Memo(), "PipeTest");
    message = AnswerNextMessageBox(QMessageBox::Ok);
    dialog->Memo1->insertPlainText("|a|\nb|"); // as Ctrl+V inserts the clipboard
    EXPECT_FALSE(message->isEmpty());
    Close(w);
    EXPECT_EQ(w.Text[3], "PipeTesta\r\nb");
}

TEST_F(TextEditTest, ImagesAndTheBackgroundObjectLimitTheControls) {
    cWindow& image = AddWindow(editor, 10, 10, 200, 40, wtMessage);
    image.DrawType = dtImage;
    image.Text.Set(0, "lobby.bm");
    Open(image);
    EXPECT_FALSE(dialog->Memo1->isEnabled());
    EXPECT_TRUE(dialog->ebIndex->isEnabled());
    Close(image);

    Open(*WindowAt(editor.doc.layout, 0));
    EXPECT_FALSE(dialog->ebIndex->isEnabled());
    EXPECT_TRUE(dialog->Memo1->isEnabled());
    dialog->close();
}

TEST_F(TextEditTest, EditReturnsOnceTheDialogIsClosed) {
    cWindow& w = AddWindow(editor, 10, 10, 200, 40, wtTimedSequence);
    QTimer::singleShot(0, dialog, [this] {
        QApplication::processEvents();
        QTest::keyClicks(dialog->Memo1, "Step");
        QTest::mouseClick(dialog->btOK, Qt::LeftButton);
    });
    EXPECT_EQ(dialog->Edit(w).Text[0], "Step");
    EXPECT_EQ(w.Text[0], ""); // the caller gives the window its texts
}

} // namespace
} // namespace pw
