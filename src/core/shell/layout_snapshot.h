#pragma once
// A copy of the layout — windows, job record, images — and the selection, file name and
// background colour that go with it, to put back when a command fails half-way.

#include "shell/editor.h"

namespace pw {

class LayoutSnapshot {
public:
    explicit LayoutSnapshot(const Editor& editor);
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
