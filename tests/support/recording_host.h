#pragma once
// A Host for tests: records every call, answers questions from a queue.

#include "platform/host.h"

#include <deque>
#include <functional>
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
    std::deque<Answer> answers; // given in order; Cancel when empty
    std::deque<std::optional<std::string>> openFiles, saveFiles;
    std::vector<FileDialogRequest> fileRequests;
    std::vector<std::string> captions;
    std::vector<std::pair<int, int>> displaySizes;
    int repaints = 0;
    std::vector<Rect> changed;
    int windowInfoRefills = 0;
    int positionRowRefills = 0;
    int imageReadings = 0;
    bool imageDialogShown = false;
    std::vector<std::string> imageInfos;
    std::vector<std::string> progress;
    // Runs on every RepaintCanvas, for tests that want the repaint to happen at once.
    std::function<void()> onRepaint;
    std::function<void()> onWindowInfo;

    void ShowMessage(const std::string& text, const std::string& caption) override;
    Answer Ask(const std::string& text, Buttons buttons) override;
    std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) override;
    void SetCaption(const std::string& caption) override { captions.push_back(caption); }
    void DisplaySizeChanged(int width, int height) override {
        displaySizes.emplace_back(width, height);
    }
    void RepaintCanvas() override;
    void CanvasChanged(const Rect& r) override { changed.push_back(r); }
    void ShowWindowInfo() override {
        ++windowInfoRefills;
        if (onWindowInfo) onWindowInfo();
    }
    void ShowPositionRows() override { ++positionRowRefills; }
    void ImageReadingStarted() override;
    void ImageReadingFinished() override { imageDialogShown = false; }
    void ShowImageInfo(const std::string& infoLine, const std::string& caption) override;
    void ImageProgress(const std::string& text) override { progress.push_back(text); }
};

} // namespace pw
