#pragma once
// What the core needs from the program around it: message boxes, questions, file choosers,
// and telling the windows on screen that something changed. The GUI implements it with
// widgets, the command line tool with stderr and flags, the tests by recording the calls.

#include "platform/geometry.h"

#include <optional>
#include <string>

namespace pw {

enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

struct FileDialogRequest {
    std::string filter;     // "Display config|*.dcf": description and pattern, bar-separated
    std::string initialDir; // a drive path such as "c:\KVP\Work"
    std::string fileName;   // preset file name, may be empty
};

class Host {
public:
    virtual ~Host() = default;

    // Message boxes. An empty caption means the application's title.
    virtual void ShowMessage(const std::string& text, const std::string& caption = {}) = 0;
    virtual Answer Ask(const std::string& text, Buttons buttons) = 0;

    // Standard file dialogs; nothing when the user cancels.
    virtual std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) = 0;

    // The main window.
    virtual void SetCaption(const std::string& caption) = 0;
    // The display size changed: the scrollable area must cover width x height.
    virtual void DisplaySizeChanged(int width, int height) = 0;
    // The whole layout must be redrawn (RedrawAll) before the canvas is shown again.
    virtual void RepaintCanvas() = 0;
    // Pixels of the main canvas inside r (layout coordinates) were drawn.
    virtual void CanvasChanged(const Rect& r) = 0;

    // The Window Information dialog: refill everything, or only the position rows.
    virtual void ShowWindowInfo() = 0;
    virtual void ShowPositionRows() = 0;

    // The Image dialog as the bitmap reader's window onto the user.
    virtual void ImageReadingStarted() = 0;  // shown without waiting while a layout is read
    virtual void ImageReadingFinished() = 0; // closed again
    virtual void ShowImageInfo(const std::string& infoLine, const std::string& caption) = 0;
    virtual void ImageProgress(const std::string& text) = 0; // "Row N of H"
};

} // namespace pw
