#include "gui/win_info_dialog.h"

#include "gui/application.h"
#include "gui/colour_selection_dialog.h"
#include "gui/forms.h"
#include "gui/image_dialog.h"
#include "gui/text_edit_dialog.h"
#include "gui/up_down_edit.h"
#include "platform/text_engine.h"
#include "qt/win1252.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <functional>

namespace pw {

namespace {

constexpr int kCellWidth = 100, kCellHeight = 20;

// The value cells' editor hands every keystroke on at once, as the cell's new text: a row is
// pending from its first keystroke, not from when its editor closes.
class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(std::function<void(int, const QString&)> typed, QObject* parent)
        : QStyledItemDelegate(parent), typed_(std::move(typed)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            const int row = index.row();
            connect(line, &QLineEdit::textEdited, line,
                    [typed = typed_, row](const QString& text) { typed(row, text); });
        }
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        // The cell took each keystroke from this editor; handing the same text back would only
        // move the cursor to the end.
        const auto* line = qobject_cast<QLineEdit*>(editor);
        if (line && line->text() == index.data().toString()) return;
        QStyledItemDelegate::setEditorData(editor, index);
    }

private:
    std::function<void(int, const QString&)> typed_;
};

QLabel* AddLabel(QWidget* parent, const char* name, const QString& caption, int left, int top,
                 int width) {
    auto* label = new QLabel(caption, parent);
    if (name) label->setObjectName(name);
    label->setGeometry(left, top, width, 17);
    return label;
}

} // namespace

TfWinInfo::TfWinInfo(Editor& editor, const Forms& forms, QWidget* parent)
    : QDialog(parent), AttachedObserver(editor.observers), editor_(editor), forms_(forms) {
    DesignForm(this, "fWinInfo", "Window Information", 648, 6, 217, 596);
    setModal(false);
    setFont(DesignFont());
    // A tool window stays above the main window it belongs to, and showing it again for a
    // selection leaves the keyboard with the canvas.
    setWindowFlag(Qt::Tool);
    setAttribute(Qt::WA_ShowWithoutActivating);

    lbNumber = AddLabel(this, "lbNumber", "", 8, 8, 40);
    lbType = AddLabel(this, "lbType", "", 52, 8, 157);
    BuildListButtons();
    BuildProperties();
    BuildDialogButtons();
    BuildGrid();
}

QPushButton* TfWinInfo::AddButton(const char* name, const QString& caption, int left, int top,
                                  void (WinInfo::*click)()) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setGeometry(left, top, 97, 25);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this,
            [this, click] { RunCommand([&] { (sheet_.*click)(); }); });
    return button;
}

void TfWinInfo::BuildListButtons() {
    btPrev = AddButton("btPrev", "Prev", 8, 30, &WinInfo::btPrevClick);
    btNext = AddButton("btNext", "Next", 112, 30, &WinInfo::btNextClick);
    btPutTop = AddButton("btPutTop", "Put on Top", 8, 60, &WinInfo::btPutTopClick);
    btPutTop->setToolTip("Draw current window on top of all others");
    btDelete = AddButton("btDelete", "Delete", 112, 60, &WinInfo::btDeleteClick);
    btDelete->setToolTip("Delete current window object");
}

void TfWinInfo::ShowIcons() {
    btDelete->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
}

void TfWinInfo::BuildDialogButtons() {
    btImage = AddButton("btImage", "Image", 8, 236, &WinInfo::btImageClick);
    btImage->setToolTip("Set image file");
    btText = AddButton("btText", "Text", 112, 236, &WinInfo::btTextClick);
    btText->setToolTip("Edit text values for window");
    btColours = AddButton("btColours", "Colours", 8, 266, &WinInfo::btColoursClick);
    btFont = AddButton("btFont", "Font Style", 112, 266, &WinInfo::btFontClick);
    lbFontName = AddLabel(this, "lbFontName", "", 8, 298, 201);
}

QCheckBox* TfWinInfo::AddJustification(QWidget* box, const char* name, const QString& caption,
                                       int left, int top, void (WinInfo::*click)(bool)) {
    auto* check = new QCheckBox(caption, box);
    check->setObjectName(name);
    check->move(left, top);
    check->resize(check->sizeHint());
    // clicked, not toggled: showing the window's Format is no edit. A box the click left
    // unchecked without changing Format shows the Format again.
    connect(check, &QCheckBox::clicked, this, [this, click](bool checked) {
        RunCommand([&] { (sheet_.*click)(checked); });
        if (const cWindow* w = editor_.doc.layout.CurWindow) ShowJustification(*w);
    });
    return check;
}

void TfWinInfo::BuildProperties() {
    QLabel* drawAs = AddLabel(this, nullptr, "Draw as", 8, 94, 70);
    cbDrawType = new QComboBox(this);
    cbDrawType->setObjectName("cbDrawType");
    cbDrawType->setGeometry(80, 90, 129, 22);
    for (int i = 0; i < kDrawTypeCount; ++i) cbDrawType->addItem(DrawTypeName(i));
    drawAs->setBuddy(cbDrawType);
    // activated, not currentIndexChanged: only a choice of the user's changes the window.
    connect(cbDrawType, &QComboBox::activated, this, [this](int item) {
        RunCommand([&] { sheet_.cbDrawTypeChange(item); });
        ShowFontName();
    });

    QLabel* index = AddLabel(this, nullptr, "Index Value", 8, 122, 70);
    ebIndex = new UpDownEdit(0, kIndexCount - 1, this);
    ebIndex->setObjectName("ebIndex");
    ebIndex->setGeometry(80, 118, std::max(65, ebIndex->sizeHint().width()), 22);
    index->setBuddy(ebIndex);
    connect(ebIndex, &UpDownEdit::textChanged, this, [this](const QString& text) {
        if (filling_) return;
        RunCommand([&] { sheet_.ebIndexChange(ToWin1252(text)); });
        ShowFontName();
    });

    cbShared = new QCheckBox("Shared", this);
    cbShared->setObjectName("cbShared");
    cbShared->setGeometry(8, 148, 201, 20);
    // It only shows the flag, which placing a Destination/Status pair sets.
    cbShared->setAttribute(Qt::WA_TransparentForMouseEvents);
    cbShared->setFocusPolicy(Qt::NoFocus);

    auto* justification = new QGroupBox("Justification", this);
    justification->setGeometry(8, 170, 201, 60);
    cbLeft = AddJustification(justification, "cbLeft", "Left", 8, 18, &WinInfo::cbLeftClick);
    cbCentre =
        AddJustification(justification, "cbCentre", "Centre", 70, 18, &WinInfo::cbCentreClick);
    cbRight = AddJustification(justification, "cbRight", "Right", 140, 18, &WinInfo::cbRightClick);
    cbVCentre =
        AddJustification(justification, "cbVCentre", "V Centre", 8, 38, &WinInfo::cbVCentreClick);
}

void TfWinInfo::BuildGrid() {
    sgInfo = new QTableWidget(kInfoRowCount, 2, this);
    sgInfo->setObjectName("sgInfo");
    sgInfo->setAccessibleName("Window properties");
    sgInfo->horizontalHeader()->hide();
    sgInfo->verticalHeader()->hide();
    sgInfo->horizontalHeader()->setDefaultSectionSize(kCellWidth);
    sgInfo->verticalHeader()->setMinimumSectionSize(kCellHeight);
    sgInfo->verticalHeader()->setDefaultSectionSize(kCellHeight);
    sgInfo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgInfo->setSelectionMode(QAbstractItemView::SingleSelection);
    const int frame = 2 * sgInfo->frameWidth();
    sgInfo->setGeometry(8, 320, 2 * kCellWidth + frame, kInfoRowCount * kCellHeight + frame);
    sgInfo->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                            QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    for (int row = 0; row < kInfoRowCount; ++row) {
        auto* name = new QTableWidgetItem(InfoRowName(row));
        name->setFlags(Qt::ItemIsEnabled);
        name->setBackground(palette().button());
        sgInfo->setItem(row, 0, name);
        sgInfo->setItem(row, 1, new QTableWidgetItem);
    }
    auto* delegate =
        new CellDelegate([this](int row, const QString& text) { CellTyped(row, text); }, sgInfo);
    sgInfo->setItemDelegateForColumn(1, delegate);
    // A cell's editor closes on Enter, which applies what was typed, and on Escape, which drops
    // it.
    connect(delegate, &QAbstractItemDelegate::closeEditor, this,
            [this](QWidget*, QAbstractItemDelegate::EndEditHint hint) {
                if (hint == QAbstractItemDelegate::SubmitModelCache)
                    GridCommand([this] { sheet_.sgInfoKeyPress('\r'); });
                else if (hint == QAbstractItemDelegate::RevertModelCache)
                    CellCancelled();
            });
    // Moving to another cell, by the mouse or the keyboard, applies what was typed.
    connect(sgInfo, &QTableWidget::currentCellChanged, this,
            [this] { GridCommand([this] { sheet_.sgInfoClick(); }); });
    connect(sgInfo, &QTableWidget::cellClicked, this,
            [this] { GridCommand([this] { sheet_.sgInfoClick(); }); });
    sgInfo->installEventFilter(this);
}

void TfWinInfo::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) return event->accept();
    QDialog::keyPressEvent(event);
}

bool TfWinInfo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == sgInfo && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // With a cell's editor open, Enter is the editor's.
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
            !sgInfo->indexWidget(sgInfo->currentIndex()))
            GridCommand([this] { sheet_.sgInfoKeyPress('\r'); });
    }
    return QDialog::eventFilter(watched, event);
}

void TfWinInfo::SelectionChanged() {
    // The only property sheet there is: once the user has closed it, choosing a window
    // brings it back.
    if (!isVisible() && editor_.run.StartupDone) show();
    ShowWindowInfo();
}

void TfWinInfo::ShowWindowInfo() {
    const cWindow* w = editor_.doc.layout.CurWindow;
    if (!w) return;
    filling_ = true;
    ShowFontName();
    lbNumber->setText(QString::number(w->Number));
    ebIndex->setText(QString::number(w->CurIndex));
    ebIndex->setEnabled(w->Type != wtBackground);
    ShowJustification(*w);
    cbDrawType->setCurrentIndex(w->DrawType < kDrawTypeCount ? w->DrawType : -1);
    lbType->setText(TypeName(w->Type));
    for (int row = 0; row < kInfoRowCount; ++row)
        if (!IsPositionRow(row)) ShowCell(*w, row);
    filling_ = false;
    ShowPositionRows();
}

void TfWinInfo::ShowPositionRows() {
    const cWindow* w = editor_.doc.layout.CurWindow;
    if (!w) return;
    for (int row = 0; row < kInfoRowCount; ++row)
        if (IsPositionRow(row)) ShowCell(*w, row);
    sheet_.PositionRowsShown();
}

void TfWinInfo::ShowCell(const cWindow& w, int row) {
    if (row != typingRow_) sgInfo->item(row, 1)->setText(QString::number(InfoRowValue(w, row)));
}

void TfWinInfo::ShowJustification(const cWindow& w) {
    cbVCentre->setChecked(w.HasFlag(fmVCentre));
    cbLeft->setChecked(!w.HasFlag(fmCentre) && !w.HasFlag(fmRight));
    cbCentre->setChecked(w.HasFlag(fmCentre));
    cbRight->setChecked(w.HasFlag(fmRight));
    cbShared->setChecked(w.HasFlag(fmShared));
}

void TfWinInfo::ShowFontName() {
    if (const cWindow* w = editor_.doc.layout.CurWindow)
        lbFontName->setText(FromWin1252(ShownFontName(*w)));
}

void TfWinInfo::GridCommand(const std::function<void()>& handler) {
    RunCommand(handler);
    const cWindow* w = editor_.doc.layout.CurWindow;
    if (!w) return;
    for (int row = 0; row < kInfoRowCount; ++row)
        if (row != sheet_.PendingRow) ShowCell(*w, row);
}

void TfWinInfo::CellTyped(int row, const QString& text) {
    sgInfo->item(row, 1)->setText(text);
    typingRow_ = row;
    GridCommand([&] { sheet_.sgInfoSetEditText(row); });
    typingRow_ = kNoRow;
}

void TfWinInfo::CellCancelled() {
    GridCommand([this] { sheet_.CancelCell(); });
}

std::string TfWinInfo::CellText(int row) const {
    return ToWin1252(sgInfo->item(row, 1)->text());
}

WindowColours TfWinInfo::ChooseColours(const WindowColours& codes) {
    return forms_.fColourSelection->Choose(codes);
}

WindowFields TfWinInfo::EditTexts(const cWindow& w) {
    return forms_.fTextEdit->Edit(w);
}

std::string TfWinInfo::ChooseImage(const std::string& imageName, const cWindow& w, int index) {
    return forms_.fImage->Choose(imageName, {&editor_.doc.layout, w.Id, index});
}

std::optional<FontChoice> TfWinInfo::ChooseFont(const FontChoice& preset) {
    QFont font(FromWin1252(preset.FontName));
    font.setBold(preset.FontStyle & fsBold);
    font.setItalic(preset.FontStyle & fsItalic);
    font.setUnderline(preset.FontStyle & fsUnderline);
    font.setStrikeOut(preset.FontStyle & fsStrikeOut);
    // A face this system knows by another name ("Arial" drawn as Liberation Sans) is shown
    // under the name of the font that draws it, which the dialog lists.
    const QString drawnBy = QFontInfo(font).family();
    font.setFamily(drawnBy);
    if (!FontDialog1) {
        FontDialog1 = new QFontDialog(this);
        FontDialog1->setObjectName("FontDialog1");
        // The same dialog everywhere, so that face and style are chosen alike on every desktop.
        FontDialog1->setOption(QFontDialog::DontUseNativeDialog);
    }
    FontDialog1->setCurrentFont(font);
    if (FontDialog1->exec() != QDialog::Accepted) return std::nullopt;
    const QFont chosen = FontDialog1->selectedFont();
    const int style = (chosen.bold() ? fsBold : 0) | (chosen.italic() ? fsItalic : 0) |
                      (chosen.underline() ? fsUnderline : 0) |
                      (chosen.strikeOut() ? fsStrikeOut : 0);
    // The face the user left as it was keeps its own name, so that only the style changes.
    const bool sameFace = !preset.FontName.empty() && chosen.family() == drawnBy;
    return FontChoice{sameFace ? preset.FontName : ToWin1252(chosen.family()),
                      static_cast<std::uint8_t>(style)};
}

} // namespace pw
