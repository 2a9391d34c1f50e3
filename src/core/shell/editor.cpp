#include "shell/editor.h"

#include "shell/window_commands.h"
#include "windows/window_images.h"

namespace pw {

Editor::Editor(Host& host_, TextEngine& textEngine_, int canvasWidth, int canvasHeight)
    : host(host_), textEngine(textEngine_), doc(host_, observers, this),
      view(textEngine_, doc.images, run.random, observers, canvasWidth, canvasHeight) {}

void Editor::ImageRead(cWindow& w, int index, bool dither, int transparent) {
    LoadWindowImage(doc.images, w, index, dither, transparent);
}

void Editor::DisplaySizeRead(int width, int height) {
    SetDisplaySize(doc, view, width, height);
}

} // namespace pw
