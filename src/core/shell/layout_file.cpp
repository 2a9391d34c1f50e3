#include "shell/layout_file.h"

#include "config/dcf_file.h"
#include "config/layout_parse.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/local_time.h"
#include "platform/paths.h"
#include "shell/redraw.h"
#include "shell/window_commands.h"
#include "windows/layout_snapshot.h"
#include "windows/window_images.h"

#include <ctime>

namespace pw {

std::string BackupPath(const std::string& path) { return ChangeExtension(path, ".~dc"); }

void CheckLayoutTarget(const std::string& path) {
    if (FolderExists(path))
        throw IoError("Cannot save the layout as \"" + path + "\": that is a folder.");
    const std::string backup = BackupPath(path);
    if (FolderExists(backup))
        throw IoError("Cannot save the layout as \"" + path + "\": its backup \"" + backup +
                      "\" is a folder. Move the folder away or save under another name.");
}

void SaveLayout(Document& doc, const std::string& path) {
    CheckLayoutTarget(path);
    WriteFileWithBackup(path, BackupPath(path), WriteLayoutText(doc.layout));
    // Generate files also writes the layout into the display folder; only the layout's own
    // file counts as saving it.
    if (path == doc.LayoutFileName) MarkLayoutSaved(doc);
}

std::optional<std::int32_t> FileStamp(const std::string& path) {
    const std::optional<std::time_t> t = LastWriteTime(path);
    if (!t) return std::nullopt;
    const std::tm local = LocalTimeOf(*t);
    const std::uint32_t packed =
        (static_cast<std::uint32_t>(local.tm_year + 1900 - 1980) << 25) |
        (static_cast<std::uint32_t>(local.tm_mon + 1) << 21) |
        (static_cast<std::uint32_t>(local.tm_mday) << 16) |
        (static_cast<std::uint32_t>(local.tm_hour) << 11) |
        (static_cast<std::uint32_t>(local.tm_min) << 5) |
        static_cast<std::uint32_t>(local.tm_sec / 2);
    return static_cast<std::int32_t>(packed);
}

bool IsNotOlder(const std::string& a, const std::string& b) {
    if (!FileExists(a)) return false;
    if (!FileExists(b)) return true;
    const auto stampA = FileStamp(a), stampB = FileStamp(b);
    if (!stampA || !stampB) return true;
    return *stampA >= *stampB;
}

void SetLayoutFileName(Document& doc, const std::string& path) {
    doc.LayoutFileName = path;
    doc.observers.Notify(&EditorObserver::CaptionChanged, MainCaption(path));
}

std::string MainCaption(const std::string& layoutFileName) {
    return layoutFileName.empty() ? kMainCaption : "PW " + layoutFileName;
}

std::string CutShortWarning(const std::string& path) {
    return "The layout file \"" + path +
           "\" ends inside a group or a text, so it may have been cut short. Everything before "
           "that point has been read; check the layout before you save it (the first save keeps "
           "the file as it is now as its .~dc backup).";
}

LoadOutcome LoadLayout(Editor& editor, const std::string& path) {
    if (!FileExists(path)) return LoadOutcome::NoFile;
    if (!IsNotOlder(path, kDefaultDisplayConfig))
        editor.host.ShowMessage(std::string("WARNING  the default display configuration ") +
                                kDefaultDisplayConfig +
                                " is newer than the file you are loading.");
    const LoadOutcome outcome = OpenLayout(editor, path, path);
    MarkLayoutSaved(editor.doc);
    return outcome;
}

namespace {

// Puts a layout that has been read in place of the open one: its windows reach the editor's
// images and display, the images its entries name are read, the display takes its size. When
// an image cannot be read the open layout comes back as it was.
void PutParsedLayout(Editor& editor, ParsedLayout parsed) {
    Layout& layout = editor.doc.layout;
    WindowContext* context = layout.context;
    LayoutSnapshot previous(TakeWindows(layout), editor.doc.images.ImageList);
    try {
        editor.doc.images.ImageList.ReleaseAllImages();
        LoadingScope loading(editor.view);
        layout = std::move(parsed.layout);
        layout.context = context;
        for (const auto& w : layout.WindowList) w->SetContext(context);
        for (const ImageRequest& request : parsed.images)
            LoadWindowImage(editor.doc.images, *layout.WindowList[request.window],
                            request.index, request.dither, request.transparent);
        if (parsed.displayWidth > 0)
            SetDisplaySize(editor.doc, editor.view, parsed.displayWidth, parsed.displayHeight);
    } catch (...) {
        PutLayoutBack(editor.doc, editor.view, std::move(previous.layout()), previous.images());
        throw;
    }
}

} // namespace

LoadOutcome OpenLayout(Editor& editor, const std::string& path, const std::string& layoutFileName) {
    // A layout that cannot be read must not replace the one in the editor: saving it would
    // then overwrite the file with what little was read. The whole file is read first, and
    // nothing changes until it has been.
    // The file's bytes go as soon as they are parsed: a large layout is not held twice.
    ParsedLayout parsed =
        ParseLayout(ReadFileBytes(path, kMaxLayoutFileBytes), editor.doc.layout, editor.host);
    // Everything in the editor expects the Background object as element 0.
    if (parsed.layout.WindowList.empty())
        throw FormatError("The file \"" + path + "\" holds no windows; it is not a layout file.");
    const bool endedEarly = parsed.endedEarly;
    PutParsedLayout(editor, std::move(parsed));
    SetLayoutFileName(editor.doc, layoutFileName);
    // The windows take the values they show before the history keeps the layout, so that the
    // repaint below finds nothing left to patch in it, window by window.
    if (!editor.view.Loading) ApplyShownValues(editor.doc, editor.view, false);
    // Another layout: what was done to the previous one cannot be undone in this one.
    editor.doc.history.Reset(editor.doc);
    editor.observers.Notify(&EditorObserver::LayoutReplaced);
    RedrawAll(editor.view, editor.doc);
    if (!endedEarly) return LoadOutcome::Whole;
    editor.host.ShowWarning(CutShortWarning(path));
    return LoadOutcome::CutShort;
}

} // namespace pw
