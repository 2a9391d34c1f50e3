#pragma once
// The main editor window: caption, menu, the layout canvas and the one timer.

#include "gui/forms.h"
#include "shell/editor.h"
#include "shell/recovery.h"

#include <QMainWindow>
#include <QStringList>
#include <QTimer>

namespace pw {

class CanvasView;
class EditMenu;
class ProblemsDock;
class WindowsDock;
class TfPanelwright : public QMainWindow, private AttachedObserver {
    Q_OBJECT
public:
    TfPanelwright(Editor& editor, QStringList arguments, const Forms& forms);
    ~TfPanelwright() override;

    CanvasView* Canvas() const { return canvas_; }
    ProblemsDock* Problems() const { return problems_; }
    WindowsDock* Windows() const { return windows_; }
    // A menu item by its component name ("SaveAs1"), for the tests and the help key.
    QAction* MenuItem(const QString& name) const;

    // Menu commands.
    void New1Click();
    void Load1Click();
    void Save1Click();
    void SaveAs1Click();
    void ExportPicture1Click();
    void Generatefiles1Click();
    void VerifyDisplayFiles1Click();
    void RestorePreviousDisplayFiles1Click();
    void ViewActual1Click();
    void SetUp1Click();
    void Help1Click();
    void Timer1Timer();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenu();
    void CaptionChanged(const std::string& caption) override;
    void ShowGenerateAvailable();
    void CommandEnded() override;
    void LayoutReplaced() override;
    // Grows the window, as far as the screen allows, to show the whole display at one screen
    // pixel a display pixel.
    void GrowToShowDisplay();

    Editor& editor_;
    QStringList arguments_;
    const Forms& forms_;
    CanvasView* canvas_;
    EditMenu* edit_ = nullptr;
    ProblemsDock* problems_;
    WindowsDock* windows_;
    QTimer Timer1;
    // The copy of unsaved work, looked at every kRecoveryCheck.
    RecoveryCopy recovery_;
    QTimer recoveryTimer_;
};

} // namespace pw
