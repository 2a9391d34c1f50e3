#pragma once
// The editor wires the parts together: the document, its one view, the canvas pointer and the
// run, with whom the core asks (the host) and whom it tells (the observers). The application
// makes exactly one; the command line tool one per command.

#include "platform/editor_observer.h"
#include "platform/host.h"
#include "platform/text_engine.h"
#include "shell/document.h"
#include "shell/pointer_state.h"
#include "shell/run.h"
#include "shell/selection.h"
#include "windows/view.h"

namespace pw {

class Editor final : private WindowContext {
public:
    // The canvas starts at the size given (none for a tool no one looks at).
    Editor(Host& host, TextEngine& textEngine, int canvasWidth = kFirstCanvasWidth,
           int canvasHeight = kFirstCanvasHeight);

    Host& host;
    Observers observers;
    TextEngine& textEngine;

    Document doc;
    Run run;
    View view;
    PointerState pointer;
    // The windows picked besides the current one.
    Selection selection;

private:
    void ImageRead(cWindow& w, int index, bool dither, int transparent) override;
    const ImageStore& Images() const override { return doc.images.ImageList; }
    void DisplaySizeRead(int width, int height) override;
};

} // namespace pw
