#include "gui/windows_model.h"

#include "gui/application.h"
#include "qt/win1252.h"
#include "shell/group_commands.h"
#include "shell/selection_commands.h"
#include "shell/win_info.h"
#include "windows/window_list.h"

#include <QMimeData>

namespace pw {

namespace {

constexpr const char* kRowMime = "application/x-panelwright-window";

// The first line of the text at the window's index, or the bitmap's name for a picture.
QString ShownText(const cWindow& w) {
    if (!w.IndexInRange()) return {};
    const std::string_view s = w.DrawType == dtImage
                                   ? std::string_view(w.BMP[static_cast<std::size_t>(w.CurIndex)])
                                   : w.Text[static_cast<std::size_t>(w.CurIndex)];
    return FromWin1252(std::string(s.substr(0, s.find_first_of("\r\n"))));
}

} // namespace

WindowsModel::WindowsModel(Editor& editor, QObject* parent)
    : QAbstractTableModel(parent), editor_(editor) {
    rows_ = Read();
}

std::vector<WindowsModel::Row> WindowsModel::Read() const {
    const Layout& layout = editor_.doc.layout;
    std::vector<Row> rows;
    rows.reserve(layout.WindowList.size());
    for (auto it = layout.WindowList.rbegin(); it != layout.WindowList.rend(); ++it) {
        const cWindow& w = **it;
        rows.push_back({w.Id, w.Number, TypeName(w.Type), DrawTypeName(w.DrawType), ShownText(w),
                        editor_.view.Hidden.contains(w.Number),
                        editor_.selection.Locked.contains(w.Number)});
    }
    return rows;
}

void WindowsModel::Refresh() {
    std::vector<Row> rows = Read();
    const bool sameWindows = rows.size() == rows_.size() &&
                             std::equal(rows.begin(), rows.end(), rows_.begin(),
                                        [](const Row& a, const Row& b) { return a.id == b.id; });
    if (!sameWindows) {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
        return;
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i] == rows_[i]) continue;
        rows_[i] = rows[i];
        const int r = static_cast<int>(i);
        emit dataChanged(index(r, 0), index(r, kColumns - 1));
    }
}

int WindowsModel::RowOf(WindowId id) const {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].id == id) return static_cast<int>(i);
    return -1;
}

int WindowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int WindowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant WindowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    if (role == Qt::CheckStateRole && index.column() >= colHide)
        return (index.column() == colHide ? row.hidden : row.locked) ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::AccessibleTextRole && index.column() >= colHide)
        return QString(index.column() == colHide ? "Hide window %1" : "Lock window %1")
            .arg(row.number);
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case colNumber: return row.number;
    case colKind: return row.kind;
    case colDrawType: return row.drawType;
    case colText: return row.text;
    default: return {};
    }
}

QVariant WindowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const names[] = {"Number", "Kind", "Draw as", "Text", "Hide", "Lock"};
    return section >= 0 && section < kColumns ? names[section] : QVariant();
}

Qt::ItemFlags WindowsModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (!index.isValid()) return f | Qt::ItemIsDropEnabled;
    if (index.column() >= colHide) f |= Qt::ItemIsUserCheckable;
    // The Background object stays first in the drawing order.
    if (index.row() + 1 < rowCount()) f |= Qt::ItemIsDragEnabled;
    return f;
}

bool WindowsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::CheckStateRole || index.column() < colHide) return false;
    const std::uint32_t number = rows_[static_cast<std::size_t>(index.row())].number;
    const WindowMark mark = index.column() == colHide ? WindowMark::Hidden : WindowMark::Locked;
    RunCommand([&] { SetMark(editor_, mark, number, value.toInt() == Qt::Checked); });
    Refresh();
    emit MarksChanged();
    return true;
}

QStringList WindowsModel::mimeTypes() const { return {kRowMime}; }

QMimeData* WindowsModel::mimeData(const QModelIndexList& indexes) const {
    if (indexes.isEmpty()) return nullptr;
    auto* data = new QMimeData;
    data->setData(kRowMime, QByteArray::number(IdAt(indexes.front().row())));
    return data;
}

bool WindowsModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int,
                                const QModelIndex& parent) {
    if (action != Qt::MoveAction || !data->hasFormat(kRowMime)) return false;
    if (row < 0) row = parent.isValid() ? parent.row() : rowCount();
    const WindowId id = data->data(kRowMime).toULongLong();
    // Rows run from the top of the drawing order down: dropped above row r, the window goes
    // just over the window of row r.
    const int count = rowCount();
    const int from = RowOf(id);
    if (from < 0) return false;
    // Row r shows list index count - 1 - r; a window from further down the rows leaves no
    // place below its new one.
    int listIndex = count - row;
    if (from > row) --listIndex;
    listIndex = std::clamp(listIndex, 1, count - 1);
    RunCommand([&] { MoveInDrawingOrder(editor_, id, static_cast<std::size_t>(listIndex)); });
    Refresh();
    return false; // the model moved the row itself
}

} // namespace pw
