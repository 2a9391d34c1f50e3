#include "gui/problems_dock.h"

#include "check/layout_check.h"
#include "gui/application.h"
#include "qt/win1252.h"
#include "shell/show_problem.h"

#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTreeWidget>

namespace pw {

namespace {

enum Column { colSeverity, colWindow, colIndex, colMessage };
constexpr int kProblemRole = Qt::UserRole;

QString CountText(std::size_t errors, std::size_t warnings) {
    if (errors + warnings == 0) return "No problems";
    const auto count = [](std::size_t n, const char* what) {
        return QString("%1 %2%3").arg(n).arg(what).arg(n == 1 ? "" : "s");
    };
    return count(errors, "error") + ", " + count(warnings, "warning");
}

QList<QTreeWidgetItem*> Rows(const std::vector<Problem>& problems, const QStyle& style) {
    QList<QTreeWidgetItem*> rows;
    // The style looks its icons up in the icon theme, which a layout without problems, the
    // usual one at start-up, need not wait for.
    if (problems.empty()) return rows;
    const QIcon error = style.standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warning = style.standardIcon(QStyle::SP_MessageBoxWarning);
    rows.reserve(static_cast<qsizetype>(problems.size()));
    for (std::size_t i = 0; i < problems.size(); ++i) {
        const Problem& p = problems[i];
        auto* row = new QTreeWidgetItem;
        const bool isError = p.severity == Severity::Error;
        row->setIcon(colSeverity, isError ? error : warning);
        row->setText(colSeverity, isError ? "Error" : "Warning");
        row->setText(colWindow, QString::number(p.window));
        row->setText(colIndex, p.index == kNoIndex ? QString() : QString::number(p.index));
        row->setText(colMessage, FromWin1252(p.message));
        row->setToolTip(colMessage, row->text(colMessage));
        row->setData(colSeverity, kProblemRole, static_cast<qulonglong>(i));
        rows.append(row);
    }
    return rows;
}

} // namespace

ProblemsDock::ProblemsDock(Editor& editor, QWidget* parent)
    : QDockWidget("Problems", parent), AttachedObserver(editor.observers), editor_(editor),
      list_(new QTreeWidget(this)), count_(new QLabel(this)) {
    setObjectName("Problems");
    toggleViewAction()->setText("&Problems");
    toggleViewAction()->setObjectName("Problems1");
    list_->setObjectName("lbProblems");
    list_->setAccessibleName("Problems");
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setHeaderLabels({"Severity", "Window", "Index", "Message"});
    list_->header()->setStretchLastSection(true);
    for (const int column : {colSeverity, colWindow, colIndex})
        list_->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    setWidget(list_);
    count_->setObjectName("stProblems");
    connect(list_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { Activated(item); });
    hide();
    Fill();
}

void ProblemsDock::Refresh() {
    const bool loaded = replaced_ && saved_;
    replaced_ = saved_ = false;
    std::vector<Problem> found =
        CheckLayout(editor_.doc.layout, editor_.doc.images.ImageList, editor_.textEngine, fonts_);
    if (found != problems_) {
        problems_ = std::move(found);
        Fill();
    }
    if (loaded && CountErrors(problems_) > 0) show();
}

void ProblemsDock::Fill() {
    list_->clear();
    list_->addTopLevelItems(Rows(problems_, *style()));
    const std::size_t errors = CountErrors(problems_);
    count_->setText(CountText(errors, problems_.size() - errors));
}

void ProblemsDock::Activated(QTreeWidgetItem* item) {
    const Problem p = problems_.at(item->data(colSeverity, kProblemRole).toULongLong());
    RunCommand([&] { ShowProblem(editor_.doc, editor_.view, p.window, p.index); });
}

} // namespace pw
