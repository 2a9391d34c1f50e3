#pragma once
// A long command's progress in a window of its own, which shows itself only when the command
// takes longer than a moment. The command runs on; the window is painted between its steps,
// without letting input in.

#include "platform/progress.h"

#include <QElapsedTimer>
#include <QString>

#include <memory>

class QProgressDialog;
class QWidget;

namespace pw {

class ProgressWindow : public Progress {
public:
    // Steps begun within this many milliseconds of the start show nothing.
    static constexpr int kMomentMs = 400;

    explicit ProgressWindow(QWidget* parent);
    ~ProgressWindow() override;

    void Begin(const std::string& what) override;
    void Step(long done, long total, const std::string& text) override;
    void End() override;

    // The window, once it shows; for the tests.
    QProgressDialog* Window() const { return dialog_.get(); }

private:
    QWidget* parent_;
    QString title_;
    QElapsedTimer started_;
    std::unique_ptr<QProgressDialog> dialog_;
};

} // namespace pw
