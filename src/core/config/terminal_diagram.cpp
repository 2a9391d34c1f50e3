#include "config/terminal_diagram.h"

namespace pw {

namespace {

// Writes labels one row after another from the first, each over what the row held.
class RowWriter {
public:
    explicit RowWriter(TerminalLabels& rows) : rows_(rows) {}

    void Write(const std::string& label) {
        if (next_ < rows_.size()) rows_[next_] = label;
        ++next_;
    }
    void Numbered(const std::string& stem, int first, int count) {
        for (int n = first; n < first + count; ++n) Write(stem + std::to_string(n));
    }

private:
    TerminalLabels& rows_;
    std::size_t next_ = 0;
};

constexpr std::size_t kTestPatternRow = 13; // terminal 14
constexpr std::size_t kDoorClosedRow = 14;  // terminal 15

} // namespace

TerminalLabels TerminalFunctions(std::uint8_t inputMode, std::int32_t flags) {
    TerminalLabels rows;
    RowWriter out(rows);
    const bool testPattern = (flags & jfTestPattern) != 0;
    // The last status input gives way to the test pattern on terminal 14.
    const int spare = testPattern ? 1 : 0;
    switch (inputMode) {
    case imSimulate:
        for (int i = 0; i < 15 - spare; ++i) out.Write("no connection");
        break;
    case imGray:
    case imBinary:
        out.Numbered("position code", 0, 6);
        out.Write("up arrow");
        out.Write("down arrow");
        out.Numbered("lift status", 1, 6 - spare);
        break;
    case imParallel:
        out.Numbered("position ", 1, 6);
        out.Write("up arrow");
        out.Write("down arrow");
        out.Numbered("position ", 7, 3);
        out.Numbered("lift status", 1, 4 - spare);
        break;
    case imCountPlates:
        out.Write("top floor");
        out.Write("bottom floor");
        out.Write("floor plate");
        out.Write("up direction");
        out.Write("");
        out.Write("");
        out.Write("up arrow");
        out.Write("down arrow");
        out.Numbered("lift status", 1, 6 - spare);
        break;
    default:
        break; // a mode this program does not know has no terminal functions of its own
    }
    if (testPattern) rows[kTestPatternRow] = "test pattern";
    if (inputMode != imSimulate) rows[kDoorClosedRow] = "door closed";
    return rows;
}

TerminalDiagramGeometry MeasureTerminalDiagram(const DiagramAnchors& a) {
    TerminalDiagramGeometry g;
    g.textX = a.firstBoxLeft + a.firstBoxWidth + 20;
    g.row1Y = a.firstBoxTop;
    g.rowStep = a.secondBoxTop - a.firstBoxTop;
    g.clearLeft = g.textX;
    g.clearTop = g.row1Y;
    g.clearRight = a.frameLeft + a.frameWidth - 3;
    g.clearBottom = g.row1Y + static_cast<int>(kTerminalCount) * g.rowStep;
    return g;
}

} // namespace pw
