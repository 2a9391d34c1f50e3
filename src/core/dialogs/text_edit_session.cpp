#include "dialogs/text_edit_session.h"

#include "dialogs/index_text.h"

namespace pw {

void TextEditSession::Start(cWindow& window) {
    window_ = &window;
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
    window_ = nullptr;
}

std::int32_t TextEditSession::CurIndex() const {
    return window_ ? window_->CurIndex : 0;
}

bool TextEditSession::MemoEnabled() const {
    return window_ && window_->DrawType != dtImage && window_->IndexInRange();
}

bool TextEditSession::IndexEnabled() const {
    return window_ && window_->Type != wtBackground;
}

void TextEditSession::StoreText() {
    if (Changed && MemoEnabled()) window_->Text[window_->CurIndex] = memo_.Text();
}

void TextEditSession::LoadText() {
    if (!window_) return;
    memo_.SetText(window_->IndexInRange() ? window_->Text[window_->CurIndex] : std::string());
    Changed = false;
}

void TextEditSession::SwitchIndex(std::int32_t v) {
    if (!Ready || !window_ || v < 0 || v >= kIndexCount) return;
    StoreText();
    window_->CurIndex = v;
    LoadText();
}

} // namespace pw
