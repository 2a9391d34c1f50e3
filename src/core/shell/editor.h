#pragma once
// The editor's state: the layout with everything that goes with showing and editing it. The
// application makes exactly one; the command line tool one per command.

#include "generate/font_file_list.h"
#include "images/image_bank.h"
#include "platform/calendar_names.h"
#include "platform/editor_observer.h"
#include "platform/host.h"
#include "platform/raster_canvas.h"
#include "platform/text_engine.h"
#include "shell/undo_history.h"
#include "windows/canvas_font.h"
#include "windows/layout.h"
#include "windows/simulation_state.h"

#include <cstdint>
#include <ctime>
#include <functional>
#include <string>

namespace pw {

// ViewMode values.
enum ViewKind : std::uint8_t {
    vmDesign = 0,
    vmStatic = 1,
    vmDynamic = 2,
};

class Editor final : private WindowContext {
public:
    Editor(Host& host, TextEngine& textEngine);
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    // Whom the core asks, and whom it tells what changed.
    Host& host;
    Observers observers;
    TextEngine& textEngine;

    // The layout being edited, and the images its windows name.
    Layout layout;
    ImageBank images;
    std::string LayoutFileName;
    // Undo and redo, and whether the layout differs from what was last loaded or saved.
    UndoHistory history;
    // The font files of the last Generate files, one record each.
    FontFileRecords FontFileList;

    // The view: the display's pixels in layout coordinates, and how they are drawn.
    RasterCanvas canvas;
    CanvasFont canvasFont;
    std::uint8_t ViewMode = vmDesign;
    bool Loading = false; // nothing is drawn while set
    std::int32_t LineColour = 0;
    std::int32_t FillColour = 0;
    // The View Control dialog's Full Redraw box, which steers index changes outside Design.
    bool FullRedraw = true;

    // Canvas editing.
    std::uint8_t PlaceMode = 0;
    std::int32_t LastMouseX = 0;
    std::int32_t LastMouseY = 0;

    // The run: start-up, the one-second timer and the simulation it drives.
    bool StartupDone = false;
    bool TimerBusy = false;
    std::uint32_t TickCount = 0;
    Simulation sim;
    // Generator shared by mat surfaces and the simulation.
    std::uint32_t RandomState = 0;
    std::uint32_t RandomMask = 0x0C17DFD1;
    // The local time the clocks show; replaceable so that tests can set the time.
    std::function<std::tm()> LocalTime;
    // The names the clocks show it with.
    CalendarNames calendarNames;

private:
    ImageBank& Images() override { return images; }
    void DisplaySizeRead(int width, int height) override;
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

} // namespace pw
