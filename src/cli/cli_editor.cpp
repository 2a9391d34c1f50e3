#include "cli/cli_editor.h"

#include "cli/cli_files.h"
#include "qt/calendar_names.h"

namespace pw {

CliEditor::CliEditor(CliContext& context, Canvas canvas) {
    // Nothing is drawn on an unseen canvas: it holds no pixels, which a large display's
    // canvas would take megabytes for.
    const bool unseen = canvas == Canvas::Unseen;
    editor_ = unseen ? std::make_unique<Editor>(context.host, text_, 0, 0)
                     : std::make_unique<Editor>(context.host, text_);
    editor_->view.Unseen = unseen;
    // A command never undoes: the history keeps no copy of the layout.
    editor_->doc.history = UndoHistory(0);
    editor_->run.calendarNames = LocaleCalendarNames();
    editor_->doc.images.decoder = &pictures_;
}

CliEditor::~CliEditor() = default;

LoadOutcome CliEditor::Load(const std::string& path) {
    RequireInputFile(path);
    return LoadLayout(*editor_, path);
}

} // namespace pw
