#pragma once
// The views of an editor for tests: records what the core told them, and the progress of
// bitmap reading (as the Image dialog shows it).

#include "shell/editor.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace pw {

class RecordingViews : public AttachedObserver, public Progress {
public:
    explicit RecordingViews(Editor& editor);
    ~RecordingViews() override;

    std::vector<std::string> captions; // main window captions and Image dialog captions
    std::vector<std::pair<int, int>> displaySizes;
    int layoutsReplaced = 0;
    int repaints = 0;
    std::vector<Rect> changed;
    int windowInfoRefills = 0; // selection, window and layout changes: the sheet refilled
    int positionRowRefills = 0;
    int imageReadings = 0;
    bool imageDialogShown = false;
    std::vector<std::string> imageInfos;
    std::vector<std::string> progress;
    std::function<void()> onWindowInfo;

    void CaptionChanged(const std::string& caption) override { captions.push_back(caption); }
    void DisplaySizeChanged(int width, int height) override {
        displaySizes.emplace_back(width, height);
    }
    void LayoutReplaced() override;
    void RedrawRequested() override { ++repaints; }
    void CanvasChanged(const Rect& r) override { changed.push_back(r); }
    void SelectionChanged() override { WindowInfo(); }
    void WindowChanged() override { WindowInfo(); }
    void PositionChanged() override { ++positionRowRefills; }
    void ImageInfoChanged(const std::string& infoLine, const std::string& caption) override;

    void Begin(const std::string&) override;
    void Step(long, long, const std::string& text) override { progress.push_back(text); }
    void End() override { imageDialogShown = false; }

private:
    void WindowInfo();

    Editor& editor_;
};

} // namespace pw
