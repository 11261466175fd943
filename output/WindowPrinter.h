// Prints an image of a window's client area, as shown, after the printer
// dialog. Any failure, a cancelled dialog included, ends in one message.
#pragma once

#include <QImage>

#include <functional>

class QPrinter;
class QWidget;

namespace orvanta {

inline constexpr const char* kPrinterSetupCanceled = "printer setup canceled";

// Lets the user choose the printer and its settings; false when cancelled.
using PrinterChooser = std::function<bool(QPrinter& printer, QWidget& window)>;

// The standard printer dialog, modal on the window.
bool choosePrinterWithDialog(QPrinter& printer, QWidget& window);

// The picture that is printed: the window's client area as it is on screen.
[[nodiscard]] QImage windowImage(QWidget& window);

class WindowPrinter {
public:
    explicit WindowPrinter(PrinterChooser chooser = choosePrinterWithDialog);

    // Returns whether a page was sent to the printer.
    bool print(QWidget& window) const;

private:
    bool printOnce(QWidget& window) const;

    PrinterChooser m_choose;
};

} // namespace orvanta
