#pragma once
// A Host for tests: records every prompt, answers questions from a queue.

#include "platform/host.h"

#include <deque>
#include <string>
#include <vector>

namespace pw {

class RecordingHost : public Host {
public:
    struct Message {
        std::string text;
        std::string caption;
    };

    std::vector<Message> messages;
    std::vector<std::string> questions;
    std::vector<std::string> details; // of each question, "" when it had none
    std::deque<Answer> answers; // given in order; Cancel when empty
    std::deque<std::optional<std::string>> openFiles, saveFiles;
    std::vector<FileDialogRequest> fileRequests;

    void ShowMessage(const std::string& text, const std::string& caption) override;
    Answer Ask(const std::string& text, Buttons buttons) override;
    Answer AskWithDetails(const std::string& text, Buttons buttons,
                          const std::string& details) override;
    std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) override;
};

} // namespace pw
