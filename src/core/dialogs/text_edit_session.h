#pragma once
// One showing of the Text Edit dialog: the indexed texts of a window, one at a time in a memo.
// Moving to another index stores the edited text and loads the next one; closing stores it
// too. A text is written only when the memo was edited, so stepping through indexes without
// typing leaves every text as it was. The session edits a draft of the window's fields, which
// the caller gives the window once the dialog has closed.

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

    // The dialog is being shown for the window: the draft takes its fields and the memo the
    // text of its current index.
    void Start(const cWindow& window);
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
    // Stores the edit, moves the draft to index v (0..99) and loads its text.
    void SwitchIndex(std::int32_t v);

    // The window's fields as the user left them: the texts edited, the index last shown.
    const WindowFields& Draft() const { return draft_; }

private:
    TextMemo& memo_;
    WindowFields draft_;
    bool shown_ = false; // between Start and Finish
};

} // namespace pw
