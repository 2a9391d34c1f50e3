#include "gui/text_edit_dialog.h"

#include "dialogs/memo_lines.h"
#include "dialogs/unstorable.h"
#include "gui/application.h"
#include "gui/help_window.h"
#include "gui/up_down_edit.h"
#include "qt/win1252.h"
#include "windows/window.h"

#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTextCursor>

#include <algorithm>

namespace pw {

TfTextEdit::TfTextEdit(QWidget* parent) : QDialog(parent) {
    DesignForm(this, "fTextEdit", "Text Edit", 124, 61, 568, 480);
    setModal(true);
    setFont(DesignFont());

    StaticText1 = new QLabel("Index value", this);
    StaticText1->setProperty(kHelpContextProperty, 280);
    StaticText1->setObjectName("StaticText1");
    StaticText1->move(112, 8);
    StaticText1->adjustSize();

    ebIndex = new UpDownEdit(0, kIndexCount - 1, this);
    ebIndex->setObjectName("ebIndex");
    // Wider than designed where the face needs it for the arrows and two digits.
    ebIndex->setGeometry(104, 32, std::max(65, ebIndex->sizeHint().width()), 21);
    ebIndex->setText("0");
    StaticText1->setBuddy(ebIndex);
    connect(ebIndex, &UpDownEdit::textChanged, this,
            [this] { RunCommand([this] { ebIndexChange(); }); });

    btOK = new QPushButton("OK", this);
    btOK->setObjectName("btOK");
    PlaceButton(btOK, 392, 32);
    // Not the default button: Enter in the index box must not close the dialog.
    btOK->setAutoDefault(false);
    connect(btOK, &QPushButton::clicked, this, &QDialog::accept);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setAccessibleName("Text");
    Memo1->setGeometry(24, 64, 513, 377);
    connect(Memo1, &QPlainTextEdit::textChanged, this, &TfTextEdit::Memo1Change);
}

WindowFields TfTextEdit::Edit(const cWindow& window) {
    session_.Start(window);
    exec();
    return session_.Draft();
}

void TfTextEdit::Open(const cWindow& window) {
    session_.Start(window);
    show();
}

void TfTextEdit::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfTextEdit::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    // OK and the close box alike keep the edit.
    if (!event->spontaneous()) session_.Finish();
}

void TfTextEdit::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    session_.Painted();
}

void TfTextEdit::FormShow() {
    ebIndex->setText(QString::number(session_.CurIndex()));
    ShowEnabled();
    Memo1->setFocus();
}

void TfTextEdit::Memo1Change() {
    DropUnstorable();
    session_.MemoChanged();
}

void TfTextEdit::ebIndexChange() {
    session_.IndexChanged(ToWin1252(ebIndex->text()));
    ShowEnabled();
}

void TfTextEdit::ShowEnabled() {
    Memo1->setEnabled(session_.MemoEnabled());
    ebIndex->setEnabled(session_.IndexEnabled());
}

void TfTextEdit::DropUnstorable() {
    const QString lines = MemoLines();
    const Unstorable found = FindUnstorable(
        std::u16string_view(reinterpret_cast<const char16_t*>(lines.utf16()), lines.size()));
    if (found.spans.empty()) return;
    // Removed from the back, so that the places still to be removed stay where they are.
    QTextCursor cursor(Memo1->document());
    cursor.beginEditBlock();
    for (auto span = found.spans.rbegin(); span != found.spans.rend(); ++span) {
        cursor.setPosition(static_cast<int>(span->start));
        cursor.setPosition(static_cast<int>(span->start + span->length), QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    cursor.endEditBlock();
    QMessageBox::warning(this, windowTitle(), QString::fromStdU16String(UnstorableMessage(found)));
}

QString TfTextEdit::MemoLines() const {
    // The raw text keeps non-breaking spaces, which the plain text would turn into spaces.
    QString lines = Memo1->document()->toRawText();
    lines.replace(QChar::ParagraphSeparator, '\n').replace(QChar::LineSeparator, '\n');
    return lines;
}

std::string TfTextEdit::Text() const {
    return CrLfLines(ToWin1252(MemoLines()));
}

void TfTextEdit::SetText(const std::string& text) {
    Memo1->setPlainText(FromWin1252(text));
}

} // namespace pw
