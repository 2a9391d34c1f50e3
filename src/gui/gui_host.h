#pragma once
// The Host of the running editor: message boxes and file dialogs, over whichever window is
// in front.

#include "platform/host.h"

#include <QString>

class QWidget;

namespace pw {

class GuiHost : public Host {
public:
    // The main window is made after the editor, which needs its host first.
    void Attach(QWidget* mainWindow) { mainWindow_ = mainWindow; }

    void ShowMessage(const std::string& text, const std::string& caption) override;
    void ShowWarning(const std::string& text) override;
    Answer Ask(const std::string& text, Buttons buttons) override;
    Answer AskWithDetails(const std::string& text, Buttons buttons,
                          const std::string& details) override;
    std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) override;

    // "Display config|*.dcf" as a Qt file dialog filter, "Display config (*.dcf)".
    static QString QtFilter(const std::string& filter);

private:
    QWidget* Parent() const;

    QWidget* mainWindow_ = nullptr;
};

} // namespace pw
