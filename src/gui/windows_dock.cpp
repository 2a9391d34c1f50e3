#include "gui/windows_dock.h"

#include "gui/application.h"
#include "gui/window_marks.h"
#include "gui/windows_model.h"
#include "shell/redraw.h"
#include "shell/selection_commands.h"
#include "shell/window_commands.h"
#include "windows/window_list.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace pw {

namespace {

// Matches the number, the kind or the text.
class WindowsFilter : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        const QRegularExpression pattern = filterRegularExpression();
        for (int column : {WindowsModel::colNumber, WindowsModel::colKind, WindowsModel::colText})
            if (sourceModel()->index(row, column, parent).data().toString().contains(pattern))
                return true;
        return false;
    }
};

} // namespace

WindowsDock::WindowsDock(Editor& editor, QWidget* parent)
    : QDockWidget("Windows", parent), AttachedObserver(editor.observers), editor_(editor),
      model_(new WindowsModel(editor, this)), proxy_(new WindowsFilter(this)),
      list_(new QTableView), filter_(new QLineEdit) {
    setObjectName("WindowsDock");
    toggleViewAction()->setText("&Windows");
    toggleViewAction()->setObjectName("Windows1");
    filter_->setObjectName("ebWindowsFilter");
    filter_->setAccessibleName("Filter windows");
    filter_->setPlaceholderText("Filter by number, kind or text");
    proxy_->setSourceModel(model_);
    proxy_->setFilterCaseSensitivity(Qt::CaseInsensitive);
    list_->setObjectName("lvWindows");
    list_->setAccessibleName("Windows");
    list_->setModel(proxy_);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setDragDropMode(QAbstractItemView::InternalMove);
    list_->setDragEnabled(true);
    list_->setDropIndicatorShown(true);
    list_->verticalHeader()->hide();
    list_->horizontalHeader()->setStretchLastSection(false);
    list_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->horizontalHeader()->setSectionResizeMode(WindowsModel::colText, QHeaderView::Stretch);
    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(filter_);
    layout->addWidget(list_);
    setWidget(body);
    connect(filter_, &QLineEdit::textChanged, this, [this](const QString& text) {
        proxy_->setFilterRegularExpression(
            QRegularExpression(QRegularExpression::escape(text),
                               QRegularExpression::CaseInsensitiveOption));
        ShowSelection();
    });
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { RowsChosen(); });
    connect(model_, &WindowsModel::MarksChanged, this,
            [this] { WriteWindowMarks(editor_, editor_.doc.LayoutFileName); });
    FileMaybeChanged();
}

void WindowsDock::ShowIcons() {
    filter_->setClearButtonEnabled(true);
}

void WindowsDock::Refresh() {
    model_->Refresh();
    ShowSelection();
}

void WindowsDock::FileMaybeChanged() {
    const std::string& file = editor_.doc.LayoutFileName;
    if (file == file_) return;
    if (file_.empty() && !(editor_.view.Hidden.empty() && editor_.selection.Locked.empty()))
        WriteWindowMarks(editor_, file); // saved for the first time: the marks go along
    else
        ReadWindowMarks(editor_, file);
    file_ = file;
    editor_.observers.Notify(&EditorObserver::RedrawRequested);
    model_->Refresh();
}

void WindowsDock::ShowSelection() {
    if (showing_) return;
    showing_ = true;
    model_->Refresh();
    QItemSelection rows;
    for (const cWindow* w : SelectedWindows(editor_.doc.layout, editor_.selection)) {
        const int row = model_->RowOf(w->Id);
        if (row < 0) continue;
        const QModelIndex at = proxy_->mapFromSource(model_->index(row, 0));
        if (at.isValid()) rows.select(at, at.siblingAtColumn(WindowsModel::kColumns - 1));
    }
    list_->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
    if (const cWindow* current = editor_.doc.layout.CurWindow) {
        const QModelIndex at = proxy_->mapFromSource(model_->index(model_->RowOf(current->Id), 0));
        if (at.isValid()) list_->scrollTo(at);
    }
    showing_ = false;
}

void WindowsDock::RowsChosen() {
    if (showing_) return;
    const Layout& layout = editor_.doc.layout;
    std::set<WindowId> ids;
    for (const QModelIndex& at : list_->selectionModel()->selectedRows())
        ids.insert(model_->IdAt(proxy_->mapToSource(at).row()));
    // The Background object is never one of several.
    if (const cWindow* background = Background(layout); ids.size() > 1 && background)
        ids.erase(background->Id);
    const QModelIndex at = list_->selectionModel()->currentIndex();
    cWindow* clicked =
        at.isValid() ? FindWindow(layout, model_->IdAt(proxy_->mapToSource(at).row())) : nullptr;
    // The views hear of the choice while the rows still show what the user chose.
    showing_ = true;
    RunCommand([&] {
        if (ids.size() == 1) {
            SelectOnly(editor_, FindWindow(layout, *ids.begin()));
        } else if (!ids.empty()) {
            // The row clicked last is the current window.
            if (clicked && ids.contains(clicked->Id)) SelectWindow(editor_.doc, editor_.view, clicked);
            SelectIds(editor_, ids);
        }
    });
    showing_ = false;
}

} // namespace pw
