#include "shell/editor.h"

#include "display/colour.h"
#include "platform/local_time.h"
#include "windows/window_list.h"

namespace pw {

Editor::Editor(Host& host_, TextEngine& textEngine_)
    : host(host_), textEngine(textEngine_), layout(this), images(host_, observers),
      canvas(640, 480, kButtonFace) {
    LocalTime = [] { return LocalTimeOf(std::time(nullptr)); };
}

void Editor::DisplaySizeRead(int width, int height) { SetDisplaySize(*this, width, height); }

} // namespace pw
