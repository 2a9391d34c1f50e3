#include "setup_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>

namespace pw {
namespace {

class TerminalDiagramViewTest : public SetUpTest {
protected:
    void SetUp() override {
        SetUpTest::SetUp();
        Open();
    }

    // What a row of the column must look like: the label alone, top-left at the row's
    // corner, in the heading's font on the window colour, and nothing else.
    QImage Expected(const QString& label) const {
        const TerminalDiagramGeometry g = dialog->DiagramGeometry();
        QImage row(g.clearRight - g.textX, g.rowStep, QImage::Format_RGB32);
        const QPalette colours = dialog->stFunction->palette();
        row.fill(colours.color(QPalette::Window));
        QPainter painter(&row);
        painter.setFont(dialog->stFunction->font());
        painter.setPen(colours.color(QPalette::WindowText));
        painter.drawText(0, painter.fontMetrics().ascent(), label);
        return row;
    }
    QImage Shown(std::size_t row) const {
        const TerminalDiagramGeometry g = dialog->DiagramGeometry();
        return dialog->grab()
            .toImage()
            .convertToFormat(QImage::Format_RGB32)
            .copy(g.textX, g.RowY(row), g.clearRight - g.textX, g.rowStep);
    }
    // Row numbers as on the panel, 1 to 15.
    void ExpectRow(int row, const QString& label) const {
        EXPECT_TRUE(Shown(static_cast<std::size_t>(row - 1)) == Expected(label))
            << "row " << row << " should read \"" << label.toStdString() << "\"";
    }
};

TEST_F(TerminalDiagramViewTest, AnotherModeClearsTheWholeColumnFirst) {
    ExpectRow(1, "position code0");
    ExpectRow(15, "door closed");
    Click(dialog->rbParallel);
    ExpectRow(11, "position 9");
    ExpectRow(15, "door closed");
    Click(dialog->rbGray);
    ExpectRow(11, "lift status3");
    Click(dialog->rbCountPlates);
    ExpectRow(5, "");
    ExpectRow(6, "");
    ExpectRow(4, "up direction");
    Click(dialog->rbSimulate);
    ExpectRow(4, "no connection");
    ExpectRow(15, "no connection");
}

TEST_F(TerminalDiagramViewTest, TheTestPatternBoxRedrawsTheColumn) {
    Click(dialog->cb14TestPat);
    ExpectRow(13, "lift status5");
    ExpectRow(14, "test pattern");
    ExpectRow(15, "door closed");
}

TEST_F(TerminalDiagramViewTest, TheLabelsFollowTheTerminalBoxes) {
    TerminalDiagramGeometry g = dialog->DiagramGeometry();
    EXPECT_EQ(g.textX, 453);
    EXPECT_EQ(g.RowY(0), 224);
    EXPECT_EQ(g.rowStep, 16);
    EXPECT_EQ(g.RowY(14), dialog->terminalBoxes[14]->y());
    EXPECT_EQ(g.clearRight, 542);
    EXPECT_EQ(g.clearBottom, 464);

    const QImage designedRow1 = Expected("position code0");
    dialog->terminalBoxes[0]->move(372, 210);
    dialog->terminalBoxes[1]->move(372, 228);
    g = dialog->DiagramGeometry();
    EXPECT_EQ(g.textX, 433);
    EXPECT_EQ(g.rowStep, 18);
    ExpectRow(1, "position code0");
    ExpectRow(2, "position code1");
    ExpectRow(3, "position code2");
    const QImage oldPlace = dialog->grab()
                                .toImage()
                                .convertToFormat(QImage::Format_RGB32)
                                .copy(453, 224, designedRow1.width(), designedRow1.height());
    EXPECT_FALSE(oldPlace == designedRow1);
}

} // namespace
} // namespace pw
