#pragma once
// Undo and redo as layouts kept at the end of each user command. A step holds the layout as
// it was before a command; the windows a command did not change are shared between the
// steps, so a step costs about what the command changed. Images are shared with the store.

#include "shell/layout_snapshot.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace pw {

class UndoHistory {
public:
    // Steps kept before the oldest is dropped.
    static constexpr std::size_t kDefaultLimit = 200;

    explicit UndoHistory(std::size_t limit = kDefaultLimit) : limit_(limit) {}

    // The editor's layout is where the history starts, with nothing to undo or redo: after
    // a load or a new layout.
    void Reset(const Editor& editor);
    // A command ended. When the layout differs from the one the last command left, the
    // change becomes one step, named (for the menu) by what the command did, and nothing can
    // be redone any more. A command that changed nothing adds no step. Returns whether one
    // was added.
    bool Commit(const Editor& editor, const std::string& name);

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    // What Undo and Redo act on ("Move Position Window"); empty when there is nothing.
    std::string UndoName() const { return undo_.empty() ? "" : undo_.back().name; }
    std::string RedoName() const { return redo_.empty() ? "" : redo_.back().name; }
    // Puts back the layout as it was before the last step, with the selection of that
    // moment, or as it was after the step undone last.
    void Undo(Editor& editor);
    void Redo(Editor& editor);

    // The layout as it is now is what its file holds (after a save; a load resets).
    void MarkSaved() { savedId_ = base_.id; }
    // Whether the layout differs from what was last loaded, saved or made new.
    bool Modified(const Editor& editor) const;

    std::size_t UndoSteps() const { return undo_.size(); }
    // How many window copies the steps hold, all steps together: what the history costs.
    std::size_t WindowCopies() const;

private:
    struct State {
        std::uint64_t id = 0;
        std::vector<std::shared_ptr<const cWindow>> windows;
        int current = -1; // the selected window's place in the list
        std::uint32_t nextNumber = 1;
        std::int32_t backgroundColour = 0;
        cInputSpec job;
        std::vector<KeptImage> images;
    };
    struct Step {
        State state;
        std::string name;
    };

    // The editor's layout as a state, sharing the windows that equal those of like.
    State Capture(const Editor& editor, const State& like);
    static bool Differs(const Editor& editor, const State& state);
    static void Restore(Editor& editor, const State& state);

    std::size_t limit_;
    std::deque<Step> undo_;
    std::vector<Step> redo_;
    State base_; // the layout the last command left
    std::uint64_t nextId_ = 1;
    std::uint64_t savedId_ = 0;
};

} // namespace pw
