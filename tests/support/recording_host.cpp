#include "support/recording_host.h"

namespace pw {

void RecordingHost::ShowMessage(const std::string& text, const std::string& caption) {
    messages.push_back({text, caption});
}

Answer RecordingHost::Ask(const std::string& text, Buttons buttons) {
    return AskWithDetails(text, buttons, {});
}

Answer RecordingHost::AskWithDetails(const std::string& text, Buttons, const std::string& more) {
    questions.push_back(text);
    details.push_back(more);
    if (answers.empty()) return Answer::Cancel;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<std::string> RecordingHost::ChooseOpenFile(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    if (openFiles.empty()) return std::nullopt;
    auto f = openFiles.front();
    openFiles.pop_front();
    return f;
}

std::optional<std::string> RecordingHost::ChooseSaveFile(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    if (saveFiles.empty()) return std::nullopt;
    auto f = saveFiles.front();
    saveFiles.pop_front();
    return f;
}

} // namespace pw
