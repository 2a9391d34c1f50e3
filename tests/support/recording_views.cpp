#include "support/recording_views.h"

namespace pw {

RecordingViews::RecordingViews(Editor& editor) : AttachedObserver(editor.observers), editor_(editor) {
    editor_.doc.images.progress = this;
}

RecordingViews::~RecordingViews() {
    if (editor_.doc.images.progress == this) editor_.doc.images.progress = &NoProgress();
}

void RecordingViews::LayoutReplaced() {
    ++layoutsReplaced;
    WindowInfo();
}

void RecordingViews::WindowInfo() {
    ++windowInfoRefills;
    if (onWindowInfo) onWindowInfo();
}

void RecordingViews::ImageInfoChanged(const std::string& infoLine, const std::string& caption) {
    imageInfos.push_back(infoLine);
    captions.push_back(caption);
}

void RecordingViews::Begin(const std::string&) {
    ++imageReadings;
    imageDialogShown = true;
}

} // namespace pw
