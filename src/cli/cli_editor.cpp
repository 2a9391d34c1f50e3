#include "cli/cli_editor.h"

#include "cli/cli_files.h"
#include "qt/calendar_names.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

namespace pw {

CliEditor::CliEditor(CliContext& context, Canvas canvas) {
    // Measuring and drawing text needs the font system.
    EnsureGuiApplication();
    editor_ = std::make_unique<Editor>(context.host, text_);
    editor_->view.Unseen = canvas == Canvas::Unseen;
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

void EnsureGuiApplication() {
    if (QGuiApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a runtime folder Qt warns on every run; a private one in the temporary folder
    // keeps the tool's output to what the user asked for.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString dir = QDir::tempPath() + "/panelwright-runtime-" + qEnvironmentVariable("USER");
        QDir().mkpath(dir);
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", dir.toLocal8Bit());
    }
    static int argc = 1;
    static char name[] = "panelwright-cli";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

} // namespace pw
