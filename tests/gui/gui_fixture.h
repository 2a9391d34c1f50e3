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

    // Arranges for the next message box to be answered with the button, and records its
    // text; returns the recorded text's holder.
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
};

} // namespace pw
