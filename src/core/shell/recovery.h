#pragma once
// A copy of the layout kept while it has unsaved changes, so that a run that does not end
// cleanly (a crash, a killed process, a power cut) loses at most the last half minute of
// work. Each run keeps its own copy, named after its process, in the user's state folder:
// several editors running at once never take each other's copy for one left behind.

#include "shell/editor.h"

#include <chrono>
#include <functional>
#include <string>

namespace pw {

// The copy is brought up to date at most this often...
constexpr std::chrono::seconds kRecoveryInterval{30};
// ...and looked at this often, so that the first change after a save is kept within seconds.
constexpr std::chrono::seconds kRecoveryCheck{5};

class RecoveryCopy : private AttachedObserver {
public:
    // folder is a path in the editor's own form; processId names this run's copy.
    RecoveryCopy(Editor& editor, std::string folder, int processId);

    // Called every kRecoveryCheck with the time of a steady clock. While the layout has
    // unsaved changes the copy is written (atomically) when there is none yet, or when the
    // layout changed since it was written and kRecoveryInterval has passed; once nothing is
    // unsaved it is removed. A copy that cannot be written is reported once, and again only
    // after writing has worked in between. Nothing happens while a command holds the timer
    // (TimerBusy), since the layout may be half-way through a change.
    void Update(std::chrono::steady_clock::time_point now);

    // Removes this run's copy: at a clean exit, and whenever nothing is unsaved any more.
    void Remove();

    // Offers the copies that runs no longer running left behind, newest first, each with
    // "Recover the unsaved layout of <date and time>?". Yes opens it as an unsaved layout
    // under the file name it had, and it becomes this run's copy; No removes it.
    void OfferLeftCopies(const std::function<bool(int processId)>& running);

    const std::string& Path() const { return path_; }

private:
    void LayoutSaved() override { Remove(); }

    Editor& editor_;
    std::string folder_;
    int processId_;
    std::string path_;
    // The layout text this run's copy holds, and when it was written; empty while there is
    // none.
    std::string written_;
    std::chrono::steady_clock::time_point writtenAt_;
    bool failureReported_ = false;
};

} // namespace pw
