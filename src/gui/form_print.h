#pragma once
// Printing a form as it shows on screen: one page, the form's image at the page's top-left
// corner, scaled from the screen's 96 pixels per inch to the page's resolution.

#include <QByteArray>

class QPagedPaintDevice;
class QWidget;

namespace pw {

class Host;

// Paints the form's client area onto the first page of the device, which must not have
// been painted on yet. False when the device could not be started.
bool PaintFormPage(QWidget& form, QPagedPaintDevice& device);

// The page as a PDF document.
QByteArray FormPagePdf(QWidget& form);

// One print job of one page on the default printer, without a print dialog. Without a
// printer, or when the printer cannot be started, the user is told so and may save the
// page as a PDF file instead, so the record on it is not lost without a word.
void PrintForm(QWidget& form, Host& host);

// Says why the page could not be printed and offers to save it as a PDF file.
void OfferPdfInstead(QWidget& form, Host& host, const QString& reason);

} // namespace pw
