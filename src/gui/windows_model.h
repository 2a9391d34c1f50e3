#pragma once
// The rows of the Windows panel: one a window, the window drawn last (on top) first, with its
// number, kind, draw type and the text at its index, and its hide and lock toggles. After a
// change only the rows that differ are told; the rows are laid out again only when windows
// came, went or changed places.

#include "shell/editor.h"

#include <QAbstractTableModel>

#include <vector>

namespace pw {

class WindowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { colNumber, colKind, colDrawType, colText, colHide, colLock, kColumns };

    explicit WindowsModel(Editor& editor, QObject* parent);

    // Reads the layout again and tells the views what changed.
    void Refresh();
    // The window of a row, and the row of a window (-1 for none).
    WindowId IdAt(int row) const { return rows_[static_cast<std::size_t>(row)].id; }
    int RowOf(WindowId id) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

signals:
    // The user toggled a window's hide or lock.
    void MarksChanged();

private:
    struct Row {
        WindowId id;
        std::uint32_t number;
        QString kind, drawType, text;
        bool hidden, locked;
        bool operator==(const Row&) const = default;
    };
    std::vector<Row> Read() const;

    Editor& editor_;
    std::vector<Row> rows_;
};

} // namespace pw
