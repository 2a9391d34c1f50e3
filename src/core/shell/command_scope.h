#pragma once
// A user command: a menu choice, a press or release on the canvas, a value applied in a
// dialog. Whatever it changes becomes one step of undo when the outermost command ends, so
// that a dialog a command opened runs commands of its own inside it and all of it is undone
// at once. The editor, the command line tool and the tests all change the document this way.

#include "shell/document.h"
#include "windows/view.h"

#include <string>

namespace pw {

void BeginCommand(Document& doc);
// Ends the command begun last. When it was the outermost one, the windows that show store
// what they show, the change becomes one undo step (named by what changed) and the views
// are told (CommandEnded).
void EndCommand(Document& doc, const View& view);

// A command for as long as the scope lives. End() ends it where an error must reach the
// caller; otherwise the scope ends it when it is left.
class CommandScope {
public:
    CommandScope(Document& doc, const View& view) : doc_(doc), view_(view) { BeginCommand(doc_); }
    ~CommandScope();
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;

    void End();

private:
    Document& doc_;
    const View& view_;
    bool open_ = true;
};

} // namespace pw
