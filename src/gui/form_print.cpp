#include "gui/form_print.h"

#include "platform/files.h"
#include "platform/host.h"
#include "qt/win1252.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace pw {

namespace {

constexpr double kScreenDpi = 96.0;

} // namespace

bool PaintFormPage(QWidget& form, QPagedPaintDevice& device) {
    const QPixmap image = form.grab();
    QPainter painter;
    if (!painter.begin(&device)) return false;
    // Small text blurs under lossy compression; the page is a wiring record and must read.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    // The form was laid out for the screen's 96 pixels per inch.
    painter.scale(device.logicalDpiX() / kScreenDpi, device.logicalDpiY() / kScreenDpi);
    painter.drawPixmap(0, 0, image);
    return painter.end();
}

QByteArray FormPagePdf(QWidget& form) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(form.windowTitle());
        writer.setCreator(QStringLiteral("Panelwright"));
        writer.setResolution(300);
        if (!PaintFormPage(form, writer)) return {};
    }
    return bytes;
}

void OfferPdfInstead(QWidget& form, Host& host, const QString& reason) {
    const std::string question =
        ToWin1252(reason + QStringLiteral(" Save the page as a PDF file instead?"));
    if (host.Ask(question, Buttons::YesNo) != Answer::Yes) return;
    // "Set Up" suggests "SetUp.pdf".
    QString title = form.windowTitle().remove(' ');
    if (title.isEmpty()) title = QStringLiteral("Form");
    const std::string name = ToWin1252(title) + ".pdf";
    const auto file = host.ChooseSaveFile({"PDF file|*.pdf", "c:\\KVP\\Work", name});
    if (!file) return;
    const QByteArray pdf = FormPagePdf(form);
    if (pdf.isEmpty()) {
        host.ShowMessage("The page could not be made into a PDF file.");
        return;
    }
    WriteFileAtomically(*file, pdf.toStdString());
}

void PrintForm(QWidget& form, Host& host) {
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull()) {
        OfferPdfInstead(form, host, QStringLiteral("There is no printer on this computer."));
        return;
    }
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    printer.setDocName(form.windowTitle());
    printer.setCopyCount(1);
    if (!PaintFormPage(form, printer))
        OfferPdfInstead(form, host,
                        QStringLiteral("The printer %1 could not be started.")
                            .arg(defaultPrinter.printerName()));
}

} // namespace pw
