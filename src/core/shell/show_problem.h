#pragma once
// Going to a problem of the layout check from the list that shows them.

#include "shell/document.h"
#include "windows/view.h"

#include <cstdint>

namespace pw {

// Selects the window of that number and shows the index (none: kNoIndex), as the Window
// Information dialog's index box would. Nothing for a window no longer in the layout.
void ShowProblem(Document& doc, View& view, std::uint32_t window, int index);

} // namespace pw
