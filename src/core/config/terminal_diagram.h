#pragma once
// What each input terminal of a display does in the job's input mode, as the Set Up dialog
// writes it beside the terminals' "Inverted" boxes, and where those labels go.

#include "windows/job_record.h"

#include <array>
#include <cstddef>
#include <string>

namespace pw {

// The input terminals in Invert bit order: bit i belongs to terminal i + 1.
constexpr std::size_t kTerminalCount = 15;
constexpr std::array<const char*, kTerminalCount> kTerminalNames = {
    "PA", "PB", "PC", "PD", "PE", "PF", "UPA", "DNA", "9", "10", "11", "12", "13", "14", "15"};

// One label per terminal row, row 1 first; an empty string leaves the row blank. A row
// holds what was written on it last: the test pattern and the door-closed labels are
// written after the mode's own labels and cover them.
using TerminalLabels = std::array<std::string, kTerminalCount>;
TerminalLabels TerminalFunctions(std::uint8_t inputMode, std::int32_t flags);

// The diagram's place, measured from the first two terminal check boxes and the frame
// around the panel, so that the labels follow the boxes wherever the form puts them.
struct TerminalDiagramGeometry {
    int textX = 0;   // left of every label
    int row1Y = 0;   // top of the first row
    int rowStep = 0; // from one row's top to the next
    // The area cleared before the labels are written; right and bottom are exclusive.
    int clearLeft = 0, clearTop = 0, clearRight = 0, clearBottom = 0;

    int RowY(std::size_t row) const { return row1Y + static_cast<int>(row) * rowStep; }
};

struct DiagramAnchors {
    int firstBoxLeft = 0, firstBoxTop = 0, firstBoxWidth = 0; // cbPA
    int secondBoxTop = 0;                                     // cbPB
    int frameLeft = 0, frameWidth = 0;                        // Bevel1
};

TerminalDiagramGeometry MeasureTerminalDiagram(const DiagramAnchors& anchors);

} // namespace pw
