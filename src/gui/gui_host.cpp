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

void GuiHost::ShowMessage(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::NoIcon,
                    caption.empty() ? QApplication::applicationDisplayName() : FromWin1252(caption),
                    FromWin1252(text), QMessageBox::Ok, Parent());
    box.exec();
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
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << QString("%1 (%2)").arg(parts[i].trimmed(), parts[i + 1]);
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
