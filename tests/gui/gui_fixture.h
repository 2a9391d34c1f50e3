#pragma once
// The editor as the application makes it: real forms, the Qt text engine and the GUI host,
// run offscreen.

#include "gui/forms.h"
#include "gui/gui_host.h"
#include "gui/main_window.h"
#include "qt/qt_text_engine.h"
#include "shell/editor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace pw {

class GuiTest : public ::testing::Test {
protected:
    QtTextEngine text;
    GuiHost host;
    Editor editor{host, text};
    Forms forms;
    std::unique_ptr<TfPanelwright> main;

    void Start(const QStringList& arguments = {}) {
        main = CreateForms(editor, host, arguments, forms);
        main->show();
        QApplication::processEvents();
    }

    void TearDown() override {
        if (main) {
            main->hide();
            main.reset();
        }
    }

    // Arranges for the next message boxes to be answered with the buttons, in order, and
    // records their texts; returns the holder of the texts (the first one in front).
    std::shared_ptr<QStringList> AnswerMessageBoxes(std::vector<QMessageBox::StandardButton> buttons) {
        answered_ = std::make_shared<QStringList>();
        pending_ = std::move(buttons);
        QTimer::singleShot(0, &timers_, [this] { AnswerPending(0); });
        return answered_;
    }

    // Arranges for the next message box to be answered with the button, and records its
    // text; returns the recorded text's holder (empty when no box opened at once).
    std::shared_ptr<QString> AnswerNextMessageBox(QMessageBox::StandardButton button) {
        auto seen = std::make_shared<QString>();
        QTimer::singleShot(0, [seen, button] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                    *seen = box->text();
                    box->button(button)->click();
                    return;
                }
            }
        });
        return seen;
    }

private:
    void AnswerPending(int tries) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box || !box->isVisible() || pending_.empty()) continue;
            *answered_ << box->text();
            const auto button = pending_.front();
            pending_.erase(pending_.begin());
            box->button(button)->click();
            if (!pending_.empty()) QTimer::singleShot(0, &timers_, [this] { AnswerPending(0); });
            return;
        }
        // The box may not be open yet; look again a little later.
        if (tries < 200 && !pending_.empty())
            QTimer::singleShot(10, &timers_, [this, tries] { AnswerPending(tries + 1); });
    }

    std::shared_ptr<QStringList> answered_;
    std::vector<QMessageBox::StandardButton> pending_;
    QObject timers_; // its timers end with the test
};

} // namespace pw
