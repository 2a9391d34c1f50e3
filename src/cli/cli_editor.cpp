#include "cli/cli_editor.h"

#include "config/layout_file.h"
#include "platform/errors.h"
#include "platform/files.h"

#include <QGuiApplication>

namespace pw {

CliEditor::CliEditor(CliContext& context) : editor_(std::make_unique<Editor>(context.host, text_)) {}

CliEditor::~CliEditor() = default;

void CliEditor::Load(const std::string& path) {
    if (!FileExists(path)) throw IoError("The file \"" + path + "\" does not exist.");
    LoadLayout(*editor_, path);
}

void EnsureGuiApplication() {
    if (QGuiApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "panelwright-cli";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

} // namespace pw
