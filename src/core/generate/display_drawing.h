#pragma once
// The screen a display shows, drawn once from the editor's layout as the Static view shows it
// and once from nothing but the files of a display folder, so that the two can be compared
// pixel for pixel.

#include "generate/display_file_check.h"
#include "generate/fnt_text_engine.h"
#include "images/image_store.h"
#include "platform/calendar_names.h"
#include "platform/raster_canvas.h"
#include "windows/layout.h"

#include <ctime>
#include <optional>
#include <string>

namespace pw {

struct DrawingOptions {
    // Every window that is not a background object shows this index.
    std::optional<int> index;
    // The clocks show this time; without it they show their fixed sample, as in the Static
    // view.
    std::optional<std::tm> clock;
};

// The layout drawn as the Static view draws it, on a canvas of the display's size, with the
// images of the store and the text of the engine. The layout itself is not changed.
RasterCanvas DrawDisplay(const Layout& layout, const ImageStore& images, TextEngine& engine,
                         const CalendarNames& names, const DrawingOptions& options);
// The size DrawDisplayOn makes the canvas: the display's. Fresh memory costs a page fault for
// every 4 KB when it is first touched, more than drawing most layouts takes, so a caller may
// give a new canvas this size ahead, on a thread of its own.
struct CanvasSize {
    int width, height;
};
CanvasSize DisplayCanvasSize(const Layout& layout);
// The same on the canvas given, whose memory is used again when it is large enough.
void DrawDisplayOn(RasterCanvas& canvas, const Layout& layout, const ImageStore& images,
                   TextEngine& engine, const CalendarNames& names, const DrawingOptions& options);

// What a display folder gives a display to draw from: the layout of its "Display.dcf", the
// images of its .bm files under the names the windows give them, and its .fnt files for the
// fonts of the text windows that name them.
struct DisplayFolder {
    Layout layout;
    ImageStore images;
    FntTextEngine fonts;
};

// Reads the folder (ending with a backslash). Throws IoError or FormatError when its layout
// or a font file its windows name is missing or cannot be read. A missing bitmap is left
// out, as the display leaves it out.
DisplayFolder ReadDisplayFolder(const std::string& folder);

// The same from the files of the folder already read and decoded (display_file_check.h), as a
// deployment has its staged files: nothing is read or decoded again.
DisplayFolder DisplayFolderOf(DecodedDisplayFiles files, const std::string& folder);

// The windows in whose area the two drawings differ, with how many pixels each, a pixel
// counting for the topmost window drawn over it: "Message Window 10: 35 pixels". Empty when
// they are the same.
std::string DrawingDifferences(const Layout& layout, const RasterCanvas& expected,
                               const RasterCanvas& actual);

} // namespace pw
