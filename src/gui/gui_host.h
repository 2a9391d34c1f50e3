#pragma once
// The Host of the running editor: message boxes, file dialogs and the forms on screen.

#include "platform/host.h"

#include <QString>

class QWidget;

namespace pw {

class CanvasView;
class TfImage;
class TfWinInfo;

class GuiHost : public Host {
public:
    // The forms are made after the editor, which needs its host first.
    void Attach(QWidget* mainWindow, CanvasView* canvas, TfWinInfo* winInfo, TfImage* image);

    void ShowMessage(const std::string& text, const std::string& caption) override;
    Answer Ask(const std::string& text, Buttons buttons) override;
    std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) override;
    void SetCaption(const std::string& caption) override;
    void DisplaySizeChanged(int width, int height) override;
    void RepaintCanvas() override;
    void CanvasChanged(const Rect& r) override;
    void ShowWindowInfo() override;
    void ShowPositionRows() override;
    void ImageReadingStarted() override;
    void ImageReadingFinished() override;
    void ShowImageInfo(const std::string& infoLine, const std::string& caption) override;
    void ImageProgress(const std::string& text) override;

    // "Display config|*.dcf" as a Qt file dialog filter, "Display config (*.dcf)".
    static QString QtFilter(const std::string& filter);

private:
    QWidget* Parent() const;

    QWidget* mainWindow_ = nullptr;
    CanvasView* canvas_ = nullptr;
    TfWinInfo* winInfo_ = nullptr;
    TfImage* image_ = nullptr;
};

} // namespace pw
