#include "shell/editor.h"

#include "shell/colour.h"

namespace pw {

Editor::Editor(Host& host_, TextEngine& textEngine_)
    : host(host_), textEngine(textEngine_), canvas(640, 480, kButtonFace) {
    LocalTime = [] {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
#ifdef _WIN32
        localtime_s(&local, &now);
#else
        localtime_r(&now, &local);
#endif
        return local;
    };
}

cWindow* Background(const Editor& editor) {
    return editor.WindowList.empty() ? nullptr : editor.WindowList.front().get();
}

} // namespace pw
