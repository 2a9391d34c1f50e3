#include "shell/undo_history.h"

#include "shell/step_name.h"
#include "shell/editor.h"
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

std::size_t HeapBytes(const IndexedStrings& entries) {
    std::size_t bytes = entries.size() * sizeof(std::string);
    for (const std::string& s : entries) bytes += HeapBytes(s);
    return bytes;
}

std::size_t WindowBytes(const cWindow& w) {
    return sizeof(cWindow) + HeapBytes(w.FontName) + HeapBytes(w.FntFile) + w.Text.HeapBytes() +
           HeapBytes(w.BMP);
}

// Whether a kept window's field still holds the value a change replaced.
template <typename T> bool Stale(const T& field, const T& was, const T& now) {
    return field == was && now != was;
}

} // namespace

LiveValues LiveValuesOf(const cWindow& w) {
    return {w.CurIndex, std::string(w.Text[0]), w.FontName, w.FontSize};
}

std::vector<LiveValues> LiveValuesOf(const Layout& layout) {
    std::vector<LiveValues> values;
    values.reserve(layout.WindowList.size());
    for (const auto& w : layout.WindowList) values.push_back(LiveValuesOf(*w));
    return values;
}

KeptLayout UndoHistory::Capture(const Document& doc, const KeptLayout& like) {
    const Layout& layout = doc.layout;
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
    state.images = KeepImages(doc.images.ImageList);
    return state;
}

bool UndoHistory::Differs(const Document& doc, const KeptLayout& state) {
    // The background colour is not compared: the renderer derives it from the Background
    // object's colours whenever it draws, and no file holds it.
    const Layout& layout = doc.layout;
    if (layout.WindowList.size() != state.windows.size() || !(layout.InputSpec == state.job) ||
        !SameImages(KeepImages(doc.images.ImageList), state.images))
        return true;
    for (std::size_t i = 0; i < state.windows.size(); ++i)
        if (!SameContent(*layout.WindowList[i], *state.windows[i])) return true;
    return false;
}

Layout UndoHistory::Restore(Document& doc, const KeptLayout& state, const KeptLayout& leaving) {
    // The document's layout is what leaving keeps, window for window: a window both kept
    // layouts share is taken over from the document instead of copied, where nothing the history does
    // not compare has moved on either. Undoing one change of a large layout so costs about
    // that change. The copies are made first, so that a failure leaves the document's layout
    // whole.
    std::vector<std::unique_ptr<cWindow>>& live = doc.layout.WindowList;
    std::unordered_map<const cWindow*, std::size_t> livePlace;
    if (live.size() == leaving.windows.size())
        for (std::size_t i = 0; i < live.size(); ++i) livePlace.emplace(leaving.windows[i].get(), i);
    std::vector<std::unique_ptr<cWindow>> copies(state.windows.size());
    std::vector<std::size_t> taken(state.windows.size(), live.size());
    for (std::size_t i = 0; i < state.windows.size(); ++i) {
        const cWindow& kept = *state.windows[i];
        const auto found = livePlace.find(&kept);
        if (found != livePlace.end() && live[found->second]->LastStepTick == kept.LastStepTick &&
            live[found->second]->Lines == kept.Lines) {
            taken[i] = found->second;
            livePlace.erase(found); // a window is taken over once
        } else {
            copies[i] = std::make_unique<cWindow>(kept);
        }
    }
    Layout layout(doc.layout.context);
    layout.WindowList.reserve(state.windows.size());
    for (std::size_t i = 0; i < state.windows.size(); ++i) {
        layout.WindowList.push_back(taken[i] < live.size() ? std::move(live[taken[i]])
                                                           : std::move(copies[i]));
        // A drag never outlives the layout it was started on.
        layout.WindowList.back()->DragMode = dmIdle;
    }
    RenumberWindows(layout);
    layout.CurWindow =
        state.current >= 0 ? WindowAt(layout, static_cast<std::size_t>(state.current)) : nullptr;
    layout.NextWindowNumber = state.nextNumber;
    layout.BackgroundColour = state.backgroundColour;
    layout.InputSpec = state.job;
    return layout;
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

void UndoHistory::Reset(const Document& doc) {
    undo_.clear();
    redo_.clear();
    base_ = {};
    bytes_ = 0;
    // A tool that never undoes keeps no copy, so that a large layout is not held twice; with
    // nothing to compare, a layout with windows then always counts as modified.
    if (limit_ > 0) base_ = Capture(doc, base_);
    savedId_ = base_.id;
}

bool UndoHistory::Commit(const Document& doc) {
    if (limit_ == 0) return false;
    const Layout& layout = doc.layout;
    if (!Differs(doc, base_)) {
        // Selecting is no step, but an undo of the next one comes back to this selection.
        base_.current = IndexOf(layout, layout.CurWindow);
        return false;
    }
    KeptLayout after = Capture(doc, base_);
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
                const bool text = Stale<std::string_view>(w.Text[0], c.was.text, c.now.text);
                const bool font = Stale(w.FontName, c.was.fontName, c.now.fontName);
                const bool size = Stale(w.FontSize, c.was.fontSize, c.now.fontSize);
                if (!index && !text && !font && !size) continue;
                if (!copy) copy = std::make_shared<cWindow>(*held);
                if (index) copy->CurIndex = c.now.index;
                if (text) copy->Text.Set(0, c.now.text);
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

std::optional<UndoHistory::Restored> UndoHistory::Undo(Document& doc) {
    Commit(doc);
    if (undo_.empty()) return std::nullopt;
    Step step = std::move(undo_.back());
    undo_.pop_back();
    redo_.push_back({std::move(base_), step.name});
    base_ = std::move(step.state);
    return Restored{Restore(doc, base_, redo_.back().state), base_.images};
}

std::optional<UndoHistory::Restored> UndoHistory::Redo(Document& doc) {
    // A change not yet committed is a new command: nothing can be redone after it.
    Commit(doc);
    if (redo_.empty()) return std::nullopt;
    Step step = std::move(redo_.back());
    redo_.pop_back();
    undo_.push_back({std::move(base_), step.name});
    base_ = std::move(step.state);
    return Restored{Restore(doc, base_, undo_.back().state), base_.images};
}

void UndoHistory::MarkSaved(const Document& doc) {
    Commit(doc);
    savedId_ = base_.id;
}

bool UndoHistory::Modified(const Document& doc) const {
    return base_.id != savedId_ || Differs(doc, base_);
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

void CommandEnded(Document& doc) {
    const cWindow* w = doc.layout.CurWindow;
    if (w && w->DragMode != dmIdle) return;
    doc.history.Commit(doc);
}

void MarkLayoutSaved(Document& doc) {
    doc.history.MarkSaved(doc);
    doc.observers.Notify(&EditorObserver::LayoutSaved);
}

bool HasUnsavedChanges(const Document& doc) {
    return doc.history.Modified(doc);
}

} // namespace pw
