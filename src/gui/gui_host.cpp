#include "gui/gui_host.h"

#include "platform/paths.h"
#include "qt/win1252.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include <filesystem>

namespace pw {

QWidget* GuiHost::Parent() const {
    QWidget* active = QApplication::activeModalWidget();
    return active ? active : mainWindow_;
}

namespace {

void Show(QMessageBox::Icon icon, const QString& caption, const std::string& text,
          QWidget* parent) {
    QMessageBox box(icon, caption.isEmpty() ? QApplication::applicationDisplayName() : caption,
                    FromWin1252(text), QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

void GuiHost::ShowMessage(const std::string& text, const std::string& caption) {
    Show(QMessageBox::NoIcon, FromWin1252(caption), text, Parent());
}

void GuiHost::ShowWarning(const std::string& text) {
    Show(QMessageBox::Warning, QString(), text, Parent());
}

Answer GuiHost::Ask(const std::string& text, Buttons buttons) {
    return AskWithDetails(text, buttons, {});
}

Answer GuiHost::AskWithDetails(const std::string& text, Buttons buttons,
                               const std::string& details) {
    QMessageBox::StandardButtons shown = QMessageBox::Ok;
    if (buttons == Buttons::YesNo) shown = QMessageBox::Yes | QMessageBox::No;
    if (buttons == Buttons::YesNoCancel)
        shown = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(),
                    FromWin1252(text), shown, Parent());
    if (!details.empty()) box.setDetailedText(FromWin1252(details));
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        return Answer::Cancel;
    }
}

QString GuiHost::QtFilter(const std::string& filter) {
    const QStringList parts = FromWin1252(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i].trimmed();
        const QString& pattern = parts[i + 1];
        // A name that already shows its pattern ("Display config( *.dcf)") would show it
        // twice, as Qt adds it.
        const qsizetype open = name.lastIndexOf('(');
        if (open >= 0 && name.endsWith(')') &&
            name.mid(open + 1, name.size() - open - 2).trimmed() == pattern)
            name = name.left(open).trimmed();
        filters << QString("%1 (%2)").arg(name, pattern);
    }
    return filters.join(";;");
}

namespace {

QString StartIn(const FileDialogRequest& request) {
    QString dir = NativePath(request.initialDir);
    if (!request.fileName.empty()) return QDir(dir).filePath(NativePath(request.fileName));
    return dir;
}

// A file below a drive's root is named as layouts name it ("C:\KVP\Work\logo.bmp"), so a
// layout made here names its files the same on every system.
std::optional<std::string> Chosen(const QString& file) {
    if (file.isEmpty()) return std::nullopt;
    return DrivePath(std::filesystem::path(file.toStdU16String()));
}

} // namespace

std::optional<std::string> GuiHost::ChooseOpenFile(const FileDialogRequest& request) {
    return Chosen(QFileDialog::getOpenFileName(Parent(), QString(), StartIn(request),
                                               QtFilter(request.filter)));
}

std::optional<std::string> GuiHost::ChooseSaveFile(const FileDialogRequest& request) {
    return Chosen(QFileDialog::getSaveFileName(Parent(), QString(), StartIn(request),
                                               QtFilter(request.filter), nullptr,
                                               QFileDialog::DontConfirmOverwrite));
}

} // namespace pw
