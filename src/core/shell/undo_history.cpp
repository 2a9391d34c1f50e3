#include "shell/undo_history.h"

#include "shell/step_name.h"
#include "shell/window_commands.h"
#include "windows/layout_snapshot.h"
#include "windows/window_list.h"

#include <unordered_map>
#include <unordered_set>

namespace pw {

namespace {

// Memory a string takes beyond its own object: none while it is short enough to be held inside.
std::size_t HeapBytes(const std::string& s) {
    const auto* data = reinterpret_cast<const unsigned char*>(s.data());
    const auto* self = reinterpret_cast<const unsigned char*>(&s);
    return data >= self && data < self + sizeof s ? 0 : s.capacity() + 1;
}

std::size_t WindowBytes(const cWindow& w) {
    std::size_t bytes = sizeof(cWindow) + HeapBytes(w.FontName) + HeapBytes(w.FntFile);
    for (int i = 0; i < kIndexCount; ++i) bytes += HeapBytes(w.Text[i]) + HeapBytes(w.BMP[i]);
    return bytes;
}

// Whether a kept window's field still holds the value a change replaced.
template <typename T> bool Stale(const T& field, const T& was, const T& now) {
    return field == was && now != was;
}

} // namespace

LiveValues LiveValuesOf(const cWindow& w) {
    return {w.CurIndex, w.Text[0], w.FontName, w.FontSize};
}

std::vector<LiveValues> LiveValuesOf(const Layout& layout) {
    std::vector<LiveValues> values;
    values.reserve(layout.WindowList.size());
    for (const auto& w : layout.WindowList) values.push_back(LiveValuesOf(*w));
    return values;
}

KeptLayout UndoHistory::Capture(const Editor& editor, const KeptLayout& like) {
    const Layout& layout = editor.doc.layout;
    KeptLayout state;
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
        if (!shared) {
            shared = std::make_shared<const cWindow>(w);
            // The copy's strings take what they hold, which may be less than the original's.
            bytes_ += WindowBytes(*shared);
        }
        state.windows.push_back(std::move(shared));
    }
    state.current = IndexOf(layout, layout.CurWindow);
    state.nextNumber = layout.NextWindowNumber;
    state.backgroundColour = layout.BackgroundColour;
    state.job = layout.InputSpec;
    state.images = KeepImages(editor.doc.images.ImageList);
    return state;
}

bool UndoHistory::Differs(const Editor& editor, const KeptLayout& state) {
    // The background colour is not compared: the renderer derives it from the Background
    // object's colours whenever it draws, and no file holds it.
    const Layout& layout = editor.doc.layout;
    if (layout.WindowList.size() != state.windows.size() || !(layout.InputSpec == state.job) ||
        !SameImages(KeepImages(editor.doc.images.ImageList), state.images))
        return true;
    for (std::size_t i = 0; i < state.windows.size(); ++i)
        if (!SameContent(*layout.WindowList[i], *state.windows[i])) return true;
    return false;
}

void UndoHistory::Restore(Editor& editor, const KeptLayout& state) {
    Layout layout(editor.doc.layout.context);
    layout.WindowList.reserve(state.windows.size());
    for (const auto& w : state.windows) {
        layout.WindowList.push_back(std::make_unique<cWindow>(*w));
        // A drag never outlives the layout it was started on.
        layout.WindowList.back()->DragMode = dmIdle;
    }
    RenumberWindows(layout);
    layout.CurWindow =
        state.current >= 0 ? WindowAt(layout, static_cast<std::size_t>(state.current)) : nullptr;
    layout.NextWindowNumber = state.nextNumber;
    layout.BackgroundColour = state.backgroundColour;
    layout.InputSpec = state.job;
    PutLayoutBack(editor, std::move(layout), state.images);
}

void UndoHistory::Forget(KeptLayout& state) {
    for (const auto& w : state.windows)
        if (w.use_count() == 1) bytes_ -= WindowBytes(*w);
    state.windows.clear();
}

void UndoHistory::DropOldSteps() {
    while (undo_.size() > limit_ || (bytes_ > byteLimit_ && undo_.size() > 1)) {
        Forget(undo_.front().state);
        undo_.pop_front();
    }
}

void UndoHistory::Reset(const Editor& editor) {
    undo_.clear();
    redo_.clear();
    base_ = {};
    bytes_ = 0;
    base_ = Capture(editor, base_);
    savedId_ = base_.id;
}

bool UndoHistory::Commit(const Editor& editor) {
    const Layout& layout = editor.doc.layout;
    if (!Differs(editor, base_)) {
        // Selecting is no step, but an undo of the next one comes back to this selection.
        base_.current = IndexOf(layout, layout.CurWindow);
        return false;
    }
    KeptLayout after = Capture(editor, base_);
    // Undo selects the window the command acted on, which is the one selected after it,
    // where that window was there before.
    if (const cWindow* current = layout.CurWindow)
        for (std::size_t i = 0; i < base_.windows.size(); ++i)
            if (base_.windows[i]->Number == current->Number) {
                base_.current = static_cast<int>(i);
                break;
            }
    std::string name = StepName(base_, after);
    undo_.push_back({std::move(base_), std::move(name)});
    base_ = std::move(after);
    while (!redo_.empty()) {
        Forget(redo_.back().state);
        redo_.pop_back();
    }
    DropOldSteps();
    return true;
}

void UndoHistory::TakeIn(const cWindow& w, const LiveValues& was) {
    TakeIn({{w.Number, was, LiveValuesOf(w)}});
}

void UndoHistory::TakeIn(const Layout& layout, const std::vector<LiveValues>& was) {
    std::vector<LiveChange> changes;
    for (std::size_t i = 0; i < layout.WindowList.size() && i < was.size(); ++i) {
        LiveValues now = LiveValuesOf(*layout.WindowList[i]);
        if (now.index != was[i].index || now.text != was[i].text ||
            now.fontName != was[i].fontName || now.fontSize != was[i].fontSize)
            changes.push_back({layout.WindowList[i]->Number, was[i], std::move(now)});
    }
    if (!changes.empty()) TakeIn(changes);
}

void UndoHistory::TakeIn(const std::vector<LiveChange>& changes) {
    std::unordered_map<std::uint32_t, std::vector<const LiveChange*>> byNumber;
    for (const LiveChange& c : changes) byNumber[c.number].push_back(&c);
    // Kept layouts share windows; each shared window is patched once and stays shared.
    std::unordered_map<const cWindow*, std::shared_ptr<const cWindow>> patched;
    std::vector<std::shared_ptr<const cWindow>> replaced;
    const auto patch = [&](KeptLayout& state) {
        for (auto& held : state.windows) {
            const auto numbered = byNumber.find(held->Number);
            if (numbered == byNumber.end()) continue;
            if (const auto found = patched.find(held.get()); found != patched.end()) {
                held = found->second;
                continue;
            }
            std::shared_ptr<cWindow> copy;
            for (const LiveChange* change : numbered->second) {
                const LiveChange& c = *change;
                const cWindow& w = copy ? *copy : *held;
                const bool index = Stale(w.CurIndex, c.was.index, c.now.index);
                const bool text = Stale(w.Text[0], c.was.text, c.now.text);
                const bool font = Stale(w.FontName, c.was.fontName, c.now.fontName);
                const bool size = Stale(w.FontSize, c.was.fontSize, c.now.fontSize);
                if (!index && !text && !font && !size) continue;
                if (!copy) copy = std::make_shared<cWindow>(*held);
                if (index) copy->CurIndex = c.now.index;
                if (text) copy->Text[0] = c.now.text;
                if (font) copy->FontName = c.now.fontName;
                if (size) copy->FontSize = c.now.fontSize;
            }
            if (!copy) continue;
            bytes_ += WindowBytes(*copy);
            replaced.push_back(held);
            patched[held.get()] = copy;
            held = std::move(copy);
        }
    };
    patch(base_);
    for (Step& step : undo_) patch(step.state);
    for (Step& step : redo_) patch(step.state);
    for (const auto& w : replaced)
        if (w.use_count() == 1) bytes_ -= WindowBytes(*w);
}

void UndoHistory::Undo(Editor& editor) {
    Commit(editor);
    if (undo_.empty()) return;
    Step step = std::move(undo_.back());
    undo_.pop_back();
    redo_.push_back({std::move(base_), step.name});
    base_ = std::move(step.state);
    Restore(editor, base_);
}

void UndoHistory::Redo(Editor& editor) {
    // A change not yet committed is a new command: nothing can be redone after it.
    Commit(editor);
    if (redo_.empty()) return;
    Step step = std::move(redo_.back());
    redo_.pop_back();
    undo_.push_back({std::move(base_), step.name});
    base_ = std::move(step.state);
    Restore(editor, base_);
}

void UndoHistory::MarkSaved(const Editor& editor) {
    Commit(editor);
    savedId_ = base_.id;
}

bool UndoHistory::Modified(const Editor& editor) const {
    return base_.id != savedId_ || Differs(editor, base_);
}

std::size_t UndoHistory::WindowCopies() const {
    std::unordered_set<const cWindow*> seen;
    const auto count = [&](const KeptLayout& s) {
        for (const auto& w : s.windows) seen.insert(w.get());
    };
    count(base_);
    for (const Step& s : undo_) count(s.state);
    for (const Step& s : redo_) count(s.state);
    return seen.size();
}

void CommandEnded(Editor& editor) {
    const cWindow* w = editor.doc.layout.CurWindow;
    if (w && w->DragMode != dmIdle) return;
    editor.doc.history.Commit(editor);
}

void MarkLayoutSaved(Editor& editor) {
    editor.doc.history.MarkSaved(editor);
    editor.observers.Notify(&EditorObserver::LayoutSaved);
}

bool HasUnsavedChanges(const Editor& editor) {
    return editor.doc.history.Modified(editor);
}

} // namespace pw
