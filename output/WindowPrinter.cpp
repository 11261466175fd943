#include "WindowPrinter.h"

#include "forms/MessageBox.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

namespace orvanta {

bool choosePrinterWithDialog(QPrinter& printer, QWidget& window)
{
    QPrintDialog dialog(&printer, &window);
    dialog.setObjectName(QStringLiteral("dlgprinter"));
    // The print is always one page: there is no range to choose.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialog.exec() == QDialog::Accepted;
}

QImage windowImage(QWidget& window)
{
    return window.grab().toImage();
}

WindowPrinter::WindowPrinter(PrinterChooser chooser)
    : m_choose(std::move(chooser))
{
}

bool WindowPrinter::print(QWidget& window) const
{
    bool printed = false;
    // Any failure raised on the way ends in the one message.
    try {
        printed = printOnce(window);
    } catch (...) {
        printed = false;
    }
    if (!printed) {
        forms::showMessage(&window, QString::fromLatin1(kPrinterSetupCanceled));
    }
    return printed;
}

bool WindowPrinter::printOnce(QWidget& window) const
{
    // The printer exists only while printing: print support costs nothing
    // until Print is pressed.
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(window.windowTitle());
    bool printed = false;
    if (m_choose(printer, window)) {
        // The one setting given the value 1 is the page range: the job holds
        // the window image on page 1 and nothing else.
        printer.setFromTo(1, 1);
        const QImage image = windowImage(window);
        QPainter painter;
        if (!image.isNull() && painter.begin(&printer)) {
            // Fit the printable page, keeping the window's proportions.
            const QRect page = painter.viewport();
            QSize size = image.size();
            size.scale(page.size(), Qt::KeepAspectRatio);
            painter.setViewport(page.x(), page.y(), size.width(), size.height());
            painter.setWindow(image.rect());
            painter.drawImage(0, 0, image);
            // Ending the painter ends the job and sends it at once.
            printed = painter.end() && printer.printerState() != QPrinter::Error;
        }
    }
    return printed;
}

} // namespace orvanta
