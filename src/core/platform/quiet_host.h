#pragma once
// A Host with no windows on screen: nothing to refresh, no dialogs to choose files with.
// Messages and questions are left to whoever derives from it.

#include "platform/host.h"

namespace pw {

class QuietHost : public Host {
public:
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
};

} // namespace pw
