#include "shell/undo_history.h"

#include "windows/window_list.h"

#include <unordered_set>

namespace pw {

namespace {

bool SameImages(const ImageStore& store, const std::vector<KeptImage>& kept) {
    const auto& images = store.Images();
    if (images.size() != kept.size()) return false;
    for (std::size_t i = 0; i < images.size(); ++i)
        if (images[i] != kept[i].image || images[i]->Transparent != kept[i].transparent)
            return false;
    return true;
}

} // namespace

UndoHistory::State UndoHistory::Capture(const Editor& editor, const State& like) {
    const Layout& layout = editor.layout;
    State state;
    state.id = nextId_++;
    state.windows.reserve(layout.WindowList.size());
    for (std::size_t i = 0; i < layout.WindowList.size(); ++i) {
        const cWindow& w = *layout.WindowList[i];
        std::shared_ptr<const cWindow> shared;
        // Most commands leave most windows where they were; a window that moved in the list
        // (deleted before it, put on top) is found by its number.
        if (i < like.windows.size() && SameContent(*like.windows[i], w)) shared = like.windows[i];
        for (std::size_t j = 0; !shared && j < like.windows.size(); ++j)
            if (like.windows[j]->Number == w.Number && SameContent(*like.windows[j], w))
                shared = like.windows[j];
        state.windows.push_back(shared ? shared : std::make_shared<const cWindow>(w));
    }
    state.current = IndexOf(layout, layout.CurWindow);
    state.nextNumber = layout.NextWindowNumber;
    state.backgroundColour = layout.BackgroundColour;
    state.job = layout.InputSpec;
    state.images = KeepImages(editor.images.ImageList);
    return state;
}

bool UndoHistory::Differs(const Editor& editor, const State& state) {
    const Layout& layout = editor.layout;
    if (layout.WindowList.size() != state.windows.size() ||
        layout.BackgroundColour != state.backgroundColour || !(layout.InputSpec == state.job) ||
        !SameImages(editor.images.ImageList, state.images))
        return true;
    for (std::size_t i = 0; i < state.windows.size(); ++i)
        if (!SameContent(*layout.WindowList[i], *state.windows[i])) return true;
    return false;
}

void UndoHistory::Restore(Editor& editor, const State& state) {
    Layout layout(editor.layout.context);
    layout.WindowList.reserve(state.windows.size());
    for (const auto& w : state.windows) layout.WindowList.push_back(std::make_unique<cWindow>(*w));
    RenumberWindows(layout);
    layout.CurWindow = state.current >= 0 ? WindowAt(layout, static_cast<std::size_t>(state.current))
                                          : nullptr;
    layout.NextWindowNumber = state.nextNumber;
    layout.BackgroundColour = state.backgroundColour;
    layout.InputSpec = state.job;
    PutLayoutBack(editor, std::move(layout), state.images);
}

void UndoHistory::Reset(const Editor& editor) {
    undo_.clear();
    redo_.clear();
    base_ = Capture(editor, State{});
    savedId_ = base_.id;
}

bool UndoHistory::Commit(const Editor& editor, const std::string& name) {
    if (!Differs(editor, base_)) return false;
    State after = Capture(editor, base_);
    undo_.push_back({std::move(base_), name});
    base_ = std::move(after);
    redo_.clear();
    if (undo_.size() > limit_) undo_.pop_front();
    return true;
}

void UndoHistory::Undo(Editor& editor) {
    if (undo_.empty()) return;
    Step step = std::move(undo_.back());
    undo_.pop_back();
    redo_.push_back({std::move(base_), step.name});
    base_ = std::move(step.state);
    Restore(editor, base_);
}

void UndoHistory::Redo(Editor& editor) {
    if (redo_.empty()) return;
    Step step = std::move(redo_.back());
    redo_.pop_back();
    undo_.push_back({std::move(base_), step.name});
    base_ = std::move(step.state);
    Restore(editor, base_);
}

bool UndoHistory::Modified(const Editor& editor) const {
    return base_.id != savedId_ || Differs(editor, base_);
}

std::size_t UndoHistory::WindowCopies() const {
    std::unordered_set<const cWindow*> seen;
    const auto count = [&](const State& s) {
        for (const auto& w : s.windows) seen.insert(w.get());
    };
    count(base_);
    for (const Step& s : undo_) count(s.state);
    for (const Step& s : redo_) count(s.state);
    return seen.size();
}

} // namespace pw
