#pragma once
// The built-in help: a page for every help context the program uses, compiled into the
// program as resources, shown in one help window with a contents page and links.

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace pw {

// The property through which widgets and menu items name their help context.
constexpr const char* kHelpContextProperty = "helpContext";
// The contents page, which "&Help (F1)" opens.
constexpr int kContentsTopic = 10;

// The page of a help context, whether or not the program has one.
QUrl HelpPage(int context);
bool HasHelpPage(int context);

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the topic, or the contents when the program has no page for it.
    void ShowTopic(int context);
    QTextBrowser* Browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

// Shows the topic in the help window, made at the first request. While a modal dialog is
// open the window belongs to it, so that it can be read and its links followed meanwhile.
void ShowHelp(int context);

// The help window, if one has been made.
HelpWindow* TheHelpWindow();

} // namespace pw
