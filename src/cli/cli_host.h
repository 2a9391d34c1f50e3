#pragma once
// The Host of the command line tool: messages go to stderr, questions take the answer the
// command chose, nothing is shown on screen.

#include "platform/host.h"

#include <ostream>

namespace pw {

class CliHost : public Host {
public:
    explicit CliHost(std::ostream& err) : err_(err) {}

    // The answer every question gets.
    Answer answer = Answer::Yes;
    // Messages shown so far.
    int messages = 0;

    void ShowMessage(const std::string& text, const std::string& caption) override;
    Answer Ask(const std::string& text, Buttons buttons) override;
    // There is no one to choose a file.
    std::optional<std::string> ChooseOpenFile(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> ChooseSaveFile(const FileDialogRequest&) override { return {}; }

private:
    std::ostream& err_;
};

} // namespace pw
