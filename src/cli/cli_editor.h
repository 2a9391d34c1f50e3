#pragma once
// An editor for one command: the core with the Qt font engine and image readers, no windows
// on screen.

#include "cli/commands.h"
#include "cli/gui_on_demand.h"
#include "shell/editor.h"
#include "shell/layout_file.h"
#include "windows/glyph_cache.h"

#include <memory>
#include <string>

namespace pw {

class CliEditor {
public:
    // Only a command that makes a picture of the canvas has it drawn; for every other one
    // drawing only stores what the windows show.
    enum class Canvas { Unseen, Drawn };
    explicit CliEditor(CliContext& context, Canvas canvas = Canvas::Unseen);
    ~CliEditor();

    // Loads the layout as the Load command does; a missing file is an error here. Tells
    // whether the file was read to its end.
    LoadOutcome Load(const std::string& path);

    Editor& editor() { return *editor_; }

private:
    OnDemandTextEngine fonts_;
    GlyphCache text_{fonts_}; // what the editor measures and draws with
    OnDemandPictureDecoder pictures_;
    std::unique_ptr<Editor> editor_;
};

} // namespace pw
