#pragma once
// The layout — windows, job record, images — and the selection, file name and background
// colour that go with it, taken out of the editor by a command that replaces the layout, so
// that it can be put back when the command fails half-way.

#include "shell/editor.h"

namespace pw {

class LayoutSnapshot {
public:
    // Takes the windows and images out of the editor (which is left without any) and keeps a
    // copy of the rest.
    explicit LayoutSnapshot(Editor& editor);
    // Puts the layout back, with its display size and caption, and asks for a repaint.
    void Restore(Editor& editor);

private:
    std::vector<std::unique_ptr<cWindow>> windows_;
    int current_;
    cInputSpec job_;
    ImageStore images_;
    std::int32_t backgroundColour_;
    std::string layoutFileName_;
};

} // namespace pw
