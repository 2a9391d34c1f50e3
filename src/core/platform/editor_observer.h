#pragma once
// What the core tells the views on screen: that something changed and should be shown
// again. Any number of views follow one editor (the canvas, the Window Information dialog,
// the Image dialog, the status bar); each overrides what it shows and ignores the rest.

#include "platform/geometry.h"

#include <algorithm>
#include <string>
#include <vector>

namespace pw {

class EditorObserver {
public:
    virtual ~EditorObserver() = default;

    // The main window's caption.
    virtual void CaptionChanged(const std::string&) {}
    // The display size changed: the scrollable area must cover width x height.
    virtual void DisplaySizeChanged(int /*width*/, int /*height*/) {}
    // Another layout took the place of the one shown (a load, a new layout, an undo): every
    // window and the selection may differ.
    virtual void LayoutReplaced() {}
    // The whole layout must be redrawn (RedrawAll) before the canvas is shown again.
    virtual void RedrawRequested() {}
    // Pixels of the main canvas inside r (layout coordinates) were drawn.
    virtual void CanvasChanged(const Rect&) {}
    // Another window, or none, is the current one.
    virtual void SelectionChanged() {}
    // Design, Static or Dynamic view is shown now (ViewMode).
    virtual void ViewModeChanged() {}
    // The current window's properties changed: show all of them again.
    virtual void WindowChanged() {}
    // A window's position changed: show the position rows again.
    virtual void PositionChanged() {}
    // A Place menu choice was armed, or the press it waited for placed its window.
    virtual void PlaceModeChanged() {}
    // An image's facts, for the Image dialog's information line and caption.
    virtual void ImageInfoChanged(const std::string& /*infoLine*/, const std::string& /*caption*/) {}
    // The layout was loaded, saved to its own file or made new: nothing in it is unsaved.
    virtual void LayoutSaved() {}
    // A user command ended: what it changed is one step of undo now.
    virtual void CommandEnded() {}
};

// The views following one editor. A view attaches itself for as long as it lives.
class Observers {
public:
    void Attach(EditorObserver& o) { list_.push_back(&o); }
    void Detach(EditorObserver& o) { std::erase(list_, &o); }

    // Calls f(args...) on every attached view, in the order they attached.
    template <typename F, typename... Args> void Notify(F f, const Args&... args) const {
        // A view may detach another while being told; work on the list as it was.
        const std::vector<EditorObserver*> now = list_;
        for (EditorObserver* o : now)
            if (std::find(list_.begin(), list_.end(), o) != list_.end()) (o->*f)(args...);
    }

private:
    std::vector<EditorObserver*> list_;
};

// An observer that follows the editor for as long as it lives.
class AttachedObserver : public EditorObserver {
public:
    AttachedObserver(const AttachedObserver&) = delete;
    AttachedObserver& operator=(const AttachedObserver&) = delete;

protected:
    explicit AttachedObserver(Observers& observers) : observers_(observers) {
        observers_.Attach(*this);
    }
    ~AttachedObserver() override { observers_.Detach(*this); }

private:
    Observers& observers_;
};

} // namespace pw
