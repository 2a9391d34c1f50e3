#include "shell/editor.h"

#include "platform/local_time.h"
#include "shell/colour.h"

namespace pw {

Editor::Editor(Host& host_, TextEngine& textEngine_)
    : host(host_), textEngine(textEngine_), canvas(640, 480, kButtonFace) {
    LocalTime = [] { return LocalTimeOf(std::time(nullptr)); };
}

cWindow* Background(const Editor& editor) {
    return editor.WindowList.empty() ? nullptr : editor.WindowList.front().get();
}

} // namespace pw
