// Clipboard text that pastes as a window copies and pastes again as the same window.

#include "harnesses.h"
#include "layout_reading.h"

#include "config/window_group.h"
#include "config/window_text.h"
#include "platform/errors.h"

#include <string>

namespace pw::fuzz {

namespace {

// Reads the text as Paste does: first as plain data, then with the window's images.
bool Paste(const std::string& text, LayoutReading& reading, cWindow& pasted) {
    cWindow probe(nullptr);
    try {
        if (!ReadWindowText(text, probe)) return false;
    } catch (const Error&) {
        return false;
    }
    reading.images.ImageList.ReleaseAllImages();
    try {
        Require(ReadWindowText(text, pasted), "text that reads as plain data reads with images");
    } catch (const Error&) {
        // A bitmap that cannot be read ends a paste.
        return false;
    }
    Require(SameWindowAsWritten(probe, reading.images.ImageList, pasted, reading.images.ImageList),
            "both readings of the text give the same window");
    return true;
}

} // namespace

void FuzzPaste(std::string_view bytes) {
    const std::string text(bytes);
    LayoutReading first;
    cWindow pasted(&first);
    if (!Paste(text, first, pasted)) return;

    std::string copied;
    try {
        WriteWindowGroup(pasted, copied);
    } catch (const Error&) {
        PropertyFailed("a window that pastes can be copied");
    }
    LayoutReading second;
    cWindow again(&second);
    Require(Paste(copied, second, again), "a copied window pastes");
    Require(SameWindowAsWritten(pasted, first.images.ImageList, again, second.images.ImageList),
            "a copied window pastes as the same window");
}

} // namespace pw::fuzz
