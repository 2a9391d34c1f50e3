#pragma once
// What the core asks of the user: message boxes, questions and file choosers. The GUI
// implements it with dialogs, the command line tool with stderr and flags, the tests by
// recording the calls. What the core tells the windows on screen goes to observers instead
// (editor_observer.h), and long operations report to a Progress (progress.h).

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
    // A message about something that may have gone wrong, which the user should look into;
    // shown as a message, with a warning's mark where the host has one.
    virtual void ShowWarning(const std::string& text) { ShowMessage(text); }
    virtual Answer Ask(const std::string& text, Buttons buttons) = 0;
    // A question with a longer text the user may open (a message box's "Show Details...").
    // Where there is no room for it, it is the question alone.
    virtual Answer AskWithDetails(const std::string& text, Buttons buttons,
                                  const std::string& /*details*/) {
        return Ask(text, buttons);
    }

    // Standard file dialogs; nothing when the user cancels.
    virtual std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) = 0;
};

} // namespace pw
