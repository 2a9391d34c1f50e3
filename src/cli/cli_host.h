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
    std::optional<std::string> ChooseOpenFile(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> ChooseSaveFile(const FileDialogRequest&) override { return {}; }
    void SetCaption(const std::string&) override {}
    void DisplaySizeChanged(int, int) override {}
    void RepaintCanvas() override {}
    void CanvasChanged(const Rect&) override {}
    void ShowWindowInfo() override {}
    void ShowPositionRows() override {}
    void ImageReadingStarted() override {}
    void ImageReadingFinished() override {}
    void ShowImageInfo(const std::string&, const std::string&) override {}
    void ImageProgress(const std::string&) override {}

private:
    std::ostream& err_;
};

} // namespace pw
