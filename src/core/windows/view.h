#pragma once
// A view of a layout: the display's pixels in layout coordinates and how they are drawn. The
// renderer draws a layout on a view and changes nothing but the view; the shell owns the
// editor's one view, and anything else that wants the screen drawn (a check, a picture of a
// display folder) can make a view of its own.

#include "images/image_bank.h"
#include "platform/editor_observer.h"
#include "platform/raster_canvas.h"
#include "platform/text_engine.h"
#include "windows/canvas_font.h"
#include "windows/random.h"

#include <cstdint>
#include <set>

namespace pw {

// ViewMode values.
enum ViewKind : std::uint8_t {
    vmDesign = 0,
    vmStatic = 1,
    vmDynamic = 2,
};

// The canvas of a view before a layout gives it the display's size.
constexpr int kFirstCanvasWidth = 640;
constexpr int kFirstCanvasHeight = 480;

class View {
public:
    // Drawing measures and draws text with the engine, reaches the images through the bank
    // (whose dither error a mat's levels carry on), restarts the mats' generator, and tells
    // the observers which pixels changed. A view that knows its display's size makes its
    // canvas that size at once.
    View(TextEngine& textEngine, ImageBank& images, Random& random, const Observers& observers,
         int width = kFirstCanvasWidth, int height = kFirstCanvasHeight);
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    TextEngine& textEngine;
    ImageBank& images;
    Random& random;
    const Observers& observers;

    RasterCanvas canvas;
    CanvasFont canvasFont;
    std::uint8_t ViewMode = vmDesign;
    bool Loading = false; // nothing is drawn while set
    // No one looks at the canvas (a command-line tool): drawing stores what the windows show,
    // as it always does, but draws no pixel, and the canvas keeps the size it was given.
    bool Unseen = false;
    std::int32_t LineColour = 0;
    std::int32_t FillColour = 0;
    // The View Control dialog's Full Redraw box, which steers index changes outside Design.
    bool FullRedraw = true;
    // The windows (by Number) the user hid: the Design view leaves them out.
    std::set<std::uint32_t> Hidden;
};

// Sets Loading for a scope, so that nothing is drawn, and puts back what it was, also when an
// exception passes.
class LoadingScope {
public:
    explicit LoadingScope(View& view) : view_(view), was_(view.Loading) { view_.Loading = true; }
    ~LoadingScope() { view_.Loading = was_; }
    LoadingScope(const LoadingScope&) = delete;
    LoadingScope& operator=(const LoadingScope&) = delete;

private:
    View& view_;
    bool was_;
};

} // namespace pw
