#pragma once
// One showing of the Text Edit dialog: the indexed texts of a window, one at a time in a memo.
// Moving to another index stores the edited text and loads the next one; closing stores it
// too. A text is written only when the memo was edited, so stepping through indexes without
// typing leaves every text as it was.

#include "windows/window.h"

#include <cstdint>
#include <string>

namespace pw {

// The memo the texts are shown in.
class TextMemo {
public:
    virtual ~TextMemo() = default;
    // The memo's text as a window holds it: Windows-1252 bytes, lines separated by CR LF.
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
};

class TextEditSession {
public:
    explicit TextEditSession(TextMemo& memo) : memo_(memo) {}

    // Set once the dialog has been painted after showing: until then, filling the controls
    // does not count as an edit.
    bool Ready = false;
    // The memo was edited since its text was loaded.
    bool Changed = false;

    // The dialog is being shown for the window: the memo gets the text of its current index.
    void Start(cWindow& window);
    void Painted() { Ready = true; }
    void MemoChanged();
    // The index box now holds text. Throws as IndexFromText does, changing nothing.
    void IndexChanged(const std::string& text);
    // The dialog is closing, by OK or by its close box alike: the edit is kept.
    void Finish();

    // The window's current index, to show in the index box.
    std::int32_t CurIndex() const;
    // A window drawn as an image gets its texts from its bitmaps, and an index a damaged file
    // left outside 0..99 has no text to edit.
    bool MemoEnabled() const;
    // The Background object keeps index 0.
    bool IndexEnabled() const;

    void StoreText();
    void LoadText();
    // Stores the edit, moves the window to index v (0..99) and loads its text. The window is
    // not redrawn: the caller does that once the dialog has closed.
    void SwitchIndex(std::int32_t v);

private:
    TextMemo& memo_;
    cWindow* window_ = nullptr; // only while the dialog is shown
};

} // namespace pw
