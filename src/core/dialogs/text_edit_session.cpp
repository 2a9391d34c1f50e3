#include "dialogs/text_edit_session.h"

#include "dialogs/index_text.h"

namespace pw {

void TextEditSession::Start(const cWindow& window) {
    draft_ = window;
    shown_ = true;
    Ready = false;
    Changed = false;
    LoadText();
}

void TextEditSession::MemoChanged() {
    if (Ready) Changed = true;
}

void TextEditSession::IndexChanged(const std::string& text) {
    if (Ready && !text.empty()) SwitchIndex(IndexFromText(text));
}

void TextEditSession::Finish() {
    if (Ready) StoreText();
    Ready = false;
    shown_ = false;
}

std::int32_t TextEditSession::CurIndex() const {
    return shown_ ? draft_.CurIndex : 0;
}

bool TextEditSession::MemoEnabled() const {
    return shown_ && draft_.DrawType != dtImage && draft_.CurIndex >= 0 && draft_.CurIndex < kIndexCount;
}

bool TextEditSession::IndexEnabled() const {
    return shown_ && draft_.Type != wtBackground;
}

void TextEditSession::StoreText() {
    if (Changed && MemoEnabled()) draft_.Text.Set(draft_.CurIndex, memo_.Text());
}

void TextEditSession::LoadText() {
    if (!shown_) return;
    const bool inRange = draft_.CurIndex >= 0 && draft_.CurIndex < kIndexCount;
    memo_.SetText(inRange ? std::string(draft_.Text[draft_.CurIndex]) : std::string());
    Changed = false;
}

void TextEditSession::SwitchIndex(std::int32_t v) {
    if (!Ready || !shown_ || v < 0 || v >= kIndexCount) return;
    StoreText();
    draft_.CurIndex = v;
    LoadText();
}

} // namespace pw
