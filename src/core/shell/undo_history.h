#pragma once
// Undo and redo as layouts kept at the end of each user command. A step holds the layout as
// it was before a command; the windows a command did not change are shared between the
// steps, so a step costs about what the command changed. Images are shared with the store.
// The history also knows whether the layout differs from what was last loaded or saved.

#include "shell/kept_layout.h"
#include "windows/layout.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace pw {

class Document;
class Layout;

// The values a window takes without a user command asking: the Dynamic view's timer moves
// its index and a clock's text, and drawing gives a text its default font and size and a
// clock outside the Dynamic view its sample.
struct LiveValues {
    std::int32_t index;
    std::string text; // Text[0]
    std::string fontName;
    std::int32_t fontSize;
};
LiveValues LiveValuesOf(const cWindow& w);
// Those of every window, in list order.
std::vector<LiveValues> LiveValuesOf(const Layout& layout);

class UndoHistory {
public:
    // Steps kept before the oldest is dropped; at 0 not even a copy of the layout is kept...
    static constexpr std::size_t kDefaultLimit = 200;
    // ...and the memory their window copies may take (the last step is always kept).
    static constexpr std::size_t kDefaultBytes = 64u << 20;

    explicit UndoHistory(std::size_t limit = kDefaultLimit, std::size_t bytes = kDefaultBytes)
        : limit_(limit), byteLimit_(bytes) {}

    // The editor's layout is where the history starts, with nothing to undo or redo and
    // nothing unsaved: after a load or a new layout.
    void Reset(const Document& doc);
    // A command ended. When the layout differs from the one the last command left, the
    // change becomes one step, named by what changed (StepName), and nothing can be redone
    // any more. A command that changed nothing adds no step. Returns whether one was added.
    bool Commit(const Document& doc);
    // Window w's live values changed from was, and no user command asked for it. Every kept
    // layout that held w with a value from before holds the new one: the change adds no
    // step, is not folded into the command under way, and no undo takes it back.
    void TakeIn(const cWindow& w, const LiveValues& was);
    // The same for every window of the layout (a timer tick), was in list order.
    void TakeIn(const Layout& layout, const std::vector<LiveValues>& was);

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    // What Undo and Redo act on ("Move Position Window"); empty when there is nothing.
    std::string UndoName() const { return undo_.empty() ? "" : undo_.back().name; }
    std::string RedoName() const { return redo_.empty() ? "" : redo_.back().name; }
    // What an undo or redo puts back: the layout, made of the document's own windows where
    // the step left them alone, and the images its windows hold.
    struct Restored {
        Layout layout;
        const std::vector<KeptImage>& images;
    };
    // The layout as it was before the last step, selecting the window the step acted on, or
    // as it was after the step undone last; the document's layout gives up the windows taken
    // over. Changes not yet committed (a drag under way) become a step first, so undo takes
    // back exactly them. Nothing when there is no step.
    std::optional<Restored> Undo(Document& doc);
    std::optional<Restored> Redo(Document& doc);

    // The layout as it is now is what its file holds (after a save; a load resets).
    void MarkSaved(const Document& doc);
    // No file holds the layout as it is now (a recovered copy).
    void MarkUnsaved() { savedId_ = 0; }
    // Whether the layout differs from what was last loaded, saved or made new.
    bool Modified(const Document& doc) const;

    std::size_t UndoSteps() const { return undo_.size(); }
    // How many window copies the history holds, all steps together, and their bytes: what
    // the history costs.
    std::size_t WindowCopies() const;
    std::size_t Bytes() const { return bytes_; }

private:
    struct Step {
        KeptLayout state;
        std::string name;
    };

    // The editor's layout as kept, sharing the windows that equal those of like.
    KeptLayout Capture(const Document& doc, const KeptLayout& like);
    static bool Differs(const Document& doc, const KeptLayout& state);
    // The layout state keeps, made from the document's, which leaving keeps.
    static Layout Restore(Document& doc, const KeptLayout& state, const KeptLayout& leaving);
    // Lets go of a kept layout's windows, counting off the copies no other layout holds.
    void Forget(KeptLayout& state);
    void DropOldSteps();
    struct LiveChange {
        std::uint32_t number;
        LiveValues was;
        LiveValues now;
    };
    void TakeIn(const std::vector<LiveChange>& changes);

    std::size_t limit_;
    std::size_t byteLimit_;
    std::deque<Step> undo_;
    std::vector<Step> redo_;
    KeptLayout base_; // the layout the last command left
    std::uint64_t nextId_ = 1;
    std::uint64_t savedId_ = 0;
    std::size_t bytes_ = 0;
};

// A user command ended: what it changed becomes one step of undo. A drag goes on until the
// mouse is released, so that a whole drag is one step.
void CommandEnded(Document& doc);

// The layout was saved to its own file, or loaded: nothing in it is unsaved. Tells the views.
void MarkLayoutSaved(Document& doc);
// Whether the layout differs from what was last loaded, saved or made new.
bool HasUnsavedChanges(const Document& doc);

} // namespace pw
