#include "gui/help_window.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace pw {

namespace {

QPointer<HelpWindow> helpWindow;

constexpr const char* kStyle = "body { font-size: 10pt; }"
                               "h1 { font-size: 15pt; }"
                               "h2 { font-size: 12pt; margin-top: 14px; }"
                               "td, th { padding: 2px 8px 2px 0; }"
                               "th { text-align: left; }";

// The window a help window belongs to: the modal dialog in front, else the program's window
// the user works in (so that the help closes with the program).
QWidget* Owner() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    // While a menu is open it has the keyboard, not a window.
    QWidget* owner = QApplication::activePopupWidget();
    if (!owner) owner = QApplication::activeWindow();
    if (helpWindow && owner == helpWindow) owner = helpWindow->parentWidget();
    while (owner && owner->parentWidget()) owner = owner->parentWidget();
    return owner;
}

QPushButton* Button(const char* caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

QUrl HelpPage(int context) {
    return QUrl(QString("qrc:/help/%1.html").arg(context));
}

bool HasHelpPage(int context) {
    return QFile::exists(QString(":/help/%1.html").arg(context));
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("HelpWindow");
    setWindowTitle("Panelwright Help");
    resize(620, 560);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName("helpText");
    browser_->setOpenExternalLinks(true);
    browser_->document()->setDefaultStyleSheet(kStyle);
    auto* contents = Button("&Contents", "btContents", this);
    auto* back = Button("&Back", "btBack", this);
    auto* forward = Button("&Forward", "btForward", this);
    auto* close = Button("Close", "btClose", this);
    connect(contents, &QPushButton::clicked, this, [this] { ShowTopic(kContentsTopic); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    back->setEnabled(false);
    forward->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {contents, back, forward}) buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
}

void HelpWindow::ShowTopic(int context) {
    browser_->setSource(HelpPage(HasHelpPage(context) ? context : kContentsTopic));
}

void ShowHelp(int context) {
    QWidget* owner = Owner();
    if (!helpWindow)
        helpWindow = new HelpWindow(owner);
    else if (owner && helpWindow->parentWidget() != owner)
        helpWindow->setParent(owner, Qt::Window);
    helpWindow->ShowTopic(context);
    helpWindow->show();
    helpWindow->raise();
    helpWindow->activateWindow();
}

HelpWindow* TheHelpWindow() {
    return helpWindow;
}

} // namespace pw
