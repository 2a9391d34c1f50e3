#include "gui/when_on_screen.h"

#include <QEvent>
#include <QTimer>
#include <QWindow>

#include <chrono>
#include <utility>

namespace pw {

namespace {

// Long enough for any system to expose a window that it shows, short enough for a user not
// to wait on it.
constexpr std::chrono::milliseconds kLongestWait{250};

class OnScreenWaiter : public QObject {
public:
    OnScreenWaiter(QWindow& window, std::function<void()> then)
        : QObject(&window), then_(std::move(then)) {
        window.installEventFilter(this);
        QTimer::singleShot(kLongestWait, this, [this] { Run(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Queued, so that the frame the exposure asks for is painted first.
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed())
            QTimer::singleShot(0, this, [this] { Run(); });
        return false;
    }

private:
    void Run() {
        if (!then_) return;
        parent()->removeEventFilter(this);
        const std::function<void()> then = std::exchange(then_, nullptr);
        deleteLater();
        then();
    }

    std::function<void()> then_;
};

} // namespace

void WhenOnScreen(QWindow& window, std::function<void()> then) {
    new OnScreenWaiter(window, std::move(then));
}

} // namespace pw
