#pragma once
// A Text Edit memo without a widget: the text the session shows and reads back.

#include "dialogs/text_edit_session.h"

#include <string>

namespace pw {

struct FakeMemo : TextMemo {
    std::string text;
    std::string Text() const override { return text; }
    void SetText(const std::string& t) override { text = t; }
};

} // namespace pw
