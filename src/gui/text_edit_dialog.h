#pragma once
// The Text Edit dialog: the indexed texts of a window, one index at a time.

#include "dialogs/text_edit_session.h"
#include "gui/form_layout.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace pw {

class UpDownEdit;

class TfTextEdit : public QDialog, private TextMemo {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 640;

    explicit TfTextEdit(QWidget* parent);

    // Edits the window's texts: shows the dialog modally on the window's current index and
    // returns once it is closed with the window's fields as the user left them, the texts
    // edited and CurIndex at the index the user left on. The window itself is not touched.
    WindowFields Edit(const cWindow& window);
    // The same without waiting for the dialog to close; Draft() holds the result.
    void Open(const cWindow& window);
    const WindowFields& Draft() const { return session_.Draft(); }

    // The controls, by their design names. The index box holds its up-down (UpDown1).
    QLabel* StaticText1;
    UpDownEdit* ebIndex;
    QPushButton* btOK;
    QPlainTextEdit* Memo1;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void FormShow();
    void Memo1Change();
    void ebIndexChange();
    // The controls the window allows to be used.
    void ShowEnabled();
    // Removes what the layout file cannot hold from the memo, and tells the user.
    void DropUnstorable();
    // The memo's lines, separated by LF.
    QString MemoLines() const;

    std::string Text() const override;
    void SetText(const std::string& text) override;

    TextEditSession session_{*this};
};

} // namespace pw
