#pragma once
// The editor's state: the layout, the job record, the image store and everything the
// commands, the canvas and the dialogs share. The application makes exactly one.

#include "config/job_record.h"
#include "images/image_store.h"
#include "platform/host.h"
#include "platform/raster_canvas.h"
#include "platform/text_engine.h"
#include "windows/canvas_font.h"
#include "windows/simulation_state.h"
#include "windows/window.h"

#include <array>
#include <ctime>
#include <functional>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace pw {

// ViewMode values.
enum ViewKind : std::uint8_t {
    vmDesign = 0,
    vmStatic = 1,
    vmDynamic = 2,
};

class Editor {
public:
    Editor(Host& host, TextEngine& textEngine);
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    Host& host;
    TextEngine& textEngine;

    // The main canvas: the display's pixels in layout coordinates.
    RasterCanvas canvas;
    CanvasFont canvasFont;

    // The layout. Element 0 is the Background object that covers the display.
    std::vector<std::unique_ptr<cWindow>> WindowList;
    cWindow* CurWindow = nullptr;
    std::uint32_t NextWindowNumber = 1;

    std::uint8_t ViewMode = vmDesign;
    bool Loading = false; // nothing is drawn while set
    std::int32_t BackgroundColour = 0;
    std::uint32_t TickCount = 0;
    std::int32_t LineColour = 0;
    std::int32_t FillColour = 0;

    // Canvas editing.
    std::uint8_t PlaceMode = 0;
    std::int32_t LastMouseX = 0;
    std::int32_t LastMouseY = 0;

    std::string LayoutFileName;
    bool StartupDone = false;
    bool TimerBusy = false;

    cInputSpec InputSpec;
    ImageStore ImageList;

    // Running error of dithered colour reduction, red, green, blue.
    std::array<std::int32_t, 3> DitherError{};
    // Generator shared by mat surfaces and the simulation.
    std::uint32_t RandomState = 0;
    std::uint32_t RandomMask = 0x0C17DFD1;
    Simulation sim;
    // The local time the clocks show; replaceable so that tests can set the time.
    std::function<std::tm()> LocalTime;

    // Switches that live on dialogs but steer the core: the Image dialog's Dither box and
    // the View Control dialog's Full Redraw box.
    bool Dither = false;
    bool FullRedraw = true;
};

// Sets Loading for a scope, so that nothing is drawn, and puts back what it was, also when an
// exception passes.
class LoadingScope {
public:
    explicit LoadingScope(Editor& editor) : editor_(editor), was_(editor.Loading) {
        editor_.Loading = true;
    }
    ~LoadingScope() { editor_.Loading = was_; }
    LoadingScope(const LoadingScope&) = delete;
    LoadingScope& operator=(const LoadingScope&) = delete;

private:
    Editor& editor_;
    bool was_;
};

// The Background object (element 0), or none for an empty list.
cWindow* Background(const Editor& editor);

} // namespace pw
