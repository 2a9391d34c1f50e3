// The Windows panel and the Edit menu's Align items, reached as a screen reader reaches
// them: by their accessible names and captions.

#include "gui/application.h"
#include "gui/edit_menu.h"
#include "gui_fixture.h"
#include "shell/selection.h"
#include "support/add_window.h"

#include <QLineEdit>
#include <QMimeData>

#include <QMenu>
#include <QTableView>
#include <memory>

namespace pw {
namespace {

class WindowsDockTest : public GuiTest {
protected:
    template <typename T> T* Named(const QString& name) const {
        for (T* w : main->findChildren<T*>())
            if (w->accessibleName() == name) return w;
        return nullptr;
    }
    QAction* AlignItem(const QString& caption) const {
        for (QMenu* menu : main->findChildren<QMenu*>())
            if (menu->title() == "&Align")
                for (QAction* item : menu->actions())
                    if (item->text() == caption) return item;
        return nullptr;
    }
    // The number shown in a row.
    static std::uint32_t NumberIn(QTableView* list, int row) {
        return list->model()->index(row, 0).data().toUInt();
    }
};

TEST_F(WindowsDockTest, RowsSelectTheWindowsThatTheAlignMenuThenLinesUp) {
    Start();
    std::uint32_t numbers[3];
    RunCommand([&] {
        for (int i = 0; i < 3; ++i) {
            cWindow& w = AddWindow(editor, 10 + 100 * i, 10 + 30 * i, 80 + 100 * i, 40 + 30 * i);
            w.Text.Set(0, i == 1 ? "Lift out of service" : "Floor " + std::to_string(i));
            numbers[i] = w.Number;
        }
    });
    QTableView* list = Named<QTableView>("Windows");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->model()->rowCount(), 4);
    // Drawn last, shown first; the Background object at the foot.
    EXPECT_EQ(NumberIn(list, 0), numbers[2]);
    EXPECT_EQ(list->model()->index(0, 3).data().toString(), "Floor 2");
    EXPECT_EQ(NumberIn(list, 3), editor.doc.layout.WindowList[0]->Number);

    QLineEdit* filter = Named<QLineEdit>("Filter windows");
    ASSERT_NE(filter, nullptr);
    filter->setText("service");
    EXPECT_TRUE(QTest::qWaitFor([filter] { return filter->isClearButtonEnabled(); }));
    ASSERT_EQ(list->model()->rowCount(), 1);
    EXPECT_EQ(NumberIn(list, 0), numbers[1]);
    filter->clear();

    QAction* top = AlignItem("&Top Edges");
    QAction* spread = AlignItem("Distribute Hori&zontally");
    ASSERT_TRUE(top && spread);
    // Rows 2 and 1 picked, row 1 (window 2 of the three) clicked last: it is current.
    list->selectionModel()->select(list->model()->index(2, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list->selectionModel()->setCurrentIndex(list->model()->index(1, 0),
                                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QApplication::processEvents();
    ASSERT_EQ(SelectedWindows(editor.doc.layout, editor.selection).size(), 2u);
    EXPECT_EQ(editor.doc.layout.CurWindow->Number, numbers[1]);
    EXPECT_TRUE(top->isEnabled());
    EXPECT_FALSE(spread->isEnabled()) << "three windows are needed";
    top->trigger();
    EXPECT_EQ(editor.doc.layout.WindowList[1]->Y0, 40);
    EXPECT_EQ(editor.doc.layout.WindowList[3]->Y0, 70) << "not selected";

    // Hiding a window from its row leaves it out of the canvas, not out of the layout.
    const QModelIndex hide = list->model()->index(0, 4);
    EXPECT_EQ(hide.data(Qt::AccessibleTextRole).toString(),
              QString("Hide window %1").arg(numbers[2]));
    list->model()->setData(hide, Qt::Checked, Qt::CheckStateRole);
    EXPECT_TRUE(editor.view.Hidden.contains(numbers[2]));
    EXPECT_EQ(editor.doc.layout.WindowList.size(), 4u);
}

TEST_F(WindowsDockTest, DraggingARowChangesTheDrawingOrder) {
    Start();
    std::vector<std::uint32_t> numbers;
    RunCommand([&] {
        for (int i = 0; i < 3; ++i)
            numbers.push_back(AddWindow(editor, 10, 10 + 40 * i, 80, 40 + 40 * i).Number);
    });
    const auto order = [&] {
        std::vector<std::uint32_t> drawn;
        for (std::size_t i = 1; i < editor.doc.layout.WindowList.size(); ++i)
            drawn.push_back(editor.doc.layout.WindowList[i]->Number);
        return drawn;
    };
    QTableView* list = Named<QTableView>("Windows");
    ASSERT_NE(list, nullptr);
    QAbstractItemModel* rows = list->model();
    // The row a drag picks up and drops, as the view hands it to its model.
    const auto drag = [&](int from, int to) {
        std::unique_ptr<QMimeData> data(rows->mimeData({rows->index(from, 0)}));
        ASSERT_TRUE(data);
        rows->dropMimeData(data.get(), Qt::MoveAction, to, 0, {});
        QApplication::processEvents();
    };
    // The lowest window (row 2) dropped above the top row is drawn last; row 0 shows it.
    drag(2, 0);
    EXPECT_EQ(order(), (std::vector<std::uint32_t>{numbers[1], numbers[2], numbers[0]}));
    EXPECT_EQ(NumberIn(list, 0), numbers[0]);
    // Dropped below the last window row it goes just above the Background object, never under.
    drag(0, 4);
    EXPECT_EQ(order(), (std::vector<std::uint32_t>{numbers[0], numbers[1], numbers[2]}));
    EXPECT_EQ(editor.doc.history.UndoSteps(), 3u) << "each drop one step";
}

} // namespace
} // namespace pw
