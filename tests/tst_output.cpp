// Printing a window and opening the chart page.
#include "ChartLink.h"
#include "FrmPitch.h"
#include "WindowPrinter.h"

#include "CalculatorDriver.h"
#include "GuiTestMain.h"
#include "ModalAnswerer.h"

#include <QDesktopServices>
#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>
#include <stdexcept>

using namespace orvanta;

namespace {

bool holdsColour(const QImage& image, QColor colour, int tolerance = 8)
{
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) <= tolerance &&
                std::abs(pixel.green() - colour.green()) <= tolerance &&
                std::abs(pixel.blue() - colour.blue()) <= tolerance) {
                return true;
            }
        }
    }
    return false;
}

// Catches the addresses QDesktopServices is asked to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

} // namespace

class OutputTest : public QObject {
    Q_OBJECT
    std::unique_ptr<CalculatorDriver> calc;
    QTemporaryDir dir;

    // The calculator with both sides computed, as a user would print it.
    void computeBothSides()
    {
        calc->typeAndTab({"0.4485", "0.4435", "0.0005", "0.0002", "0.4500", "0.4565", "0.0002"});
        calc->type("0.0005");
        calc->enter();
        QCOMPARE(calc->suggestions(), QStringList({"0.4465", "0.4427", "0.4520", "0.4573"}));
    }

    QStringList fieldTexts()
    {
        QStringList texts;
        for (auto* field : calc->form().findChildren<QLineEdit*>()) {
            texts << field->text();
        }
        return texts << calc->suggestions() << calc->instruction();
    }

private slots:
    void init() { calc = std::make_unique<CalculatorDriver>(); }
    void cleanup() { calc.reset(); }

    void cancelled_printer_dialog_reports_and_changes_nothing()
    {
        computeBothSides();
        const QStringList before = fieldTexts();
        // Action: Print; the real printer dialog is cancelled.
        QString dialogName;
        calc->answerer().setDialogHandler([&dialogName](QWidget* dialog) {
            dialogName = dialog->objectName();
            QVERIFY(qobject_cast<QPrintDialog*>(dialog) != nullptr);
            static_cast<QDialog*>(dialog)->reject();
        });
        const bool printed = WindowPrinter().print(calc->form());
        // Expected: the one message, nothing printed, the window as it was.
        QVERIFY(!printed);
        QCOMPARE(dialogName, QStringLiteral("dlgprinter"));
        QCOMPARE(calc->messages(), QStringList{"printer setup canceled"});
        QCOMPARE(fieldTexts(), before);
    }

    void printing_that_fails_reports_the_same_message()
    {
        const WindowPrinter printer([](QPrinter& chosen, QWidget&) {
            chosen.setOutputFormat(QPrinter::PdfFormat);
            chosen.setOutputFileName(QStringLiteral("/nonexistent-folder/out.pdf"));
            return true;
        });
        QVERIFY(!printer.print(calc->form()));
        QCOMPARE(calc->messages(), QStringList{"printer setup canceled"});
    }

    void window_image_shows_the_results_as_on_screen()
    {
        computeBothSides();
        const QImage image = windowImage(calc->form());
        QCOMPARE(image.size(), calc->form().size() * calc->form().devicePixelRatio());
        QVERIFY(holdsColour(image, QColor(255, 255, 0))); // the suggestion fields
        QVERIFY(holdsColour(image, QColor(192, 0, 0)));   // the instruction line, the NOGO headings
    }

    void prints_one_page_to_a_pdf_file()
    {
        computeBothSides();
        const QString pdf = dir.filePath(QStringLiteral("calculator.pdf"));
        const WindowPrinter printer([&pdf](QPrinter& chosen, QWidget&) {
            chosen.setOutputFormat(QPrinter::PdfFormat);
            chosen.setOutputFileName(pdf);
            return true;
        });
        QVERIFY(printer.print(calc->form()));
        QVERIFY(calc->messages().isEmpty());
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");

        // Turned into a picture, the page shows the yellow result fields.
        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (pdftoppm.isEmpty()) {
            QSKIP("pdftoppm (poppler-utils) is not installed: the page image is not checked");
        }
        const QString prefix = dir.filePath(QStringLiteral("page"));
        QCOMPARE(QProcess::execute(pdftoppm, {"-r", "40", "-png", pdf, prefix}), 0);
        QVERIFY2(!QFile::exists(prefix + "-2.png"), "more than one page");
        const QImage page(prefix + "-1.png");
        QVERIFY(!page.isNull());
        QVERIFY(holdsColour(page, QColor(255, 255, 0), 16));
        QVERIFY(holdsColour(page, QColor(0, 128, 0), 16)); // the GO headings
    }

    void chart_link_ok_opens_the_page_once()
    {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
        const QStringList before = fieldTexts();
        calc->answerer().answerNext(QMessageBox::Ok);
        ChartLink().open(calc->form());
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QCOMPARE(calc->messages(), QStringList{"Make sure you are connected to the internet, then press OK."});
        QCOMPARE(calc->answerer().shown().front().buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(catcher.opened.size(), 1);
        QCOMPARE(catcher.opened.front().scheme(), QStringLiteral("http"));
        QCOMPARE(catcher.opened.front().path(), QStringLiteral("/tech/pitchchart.html"));
        QCOMPARE(fieldTexts(), before);
    }

    void chart_link_cancel_or_close_opens_nothing_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("cancel") << int(QMessageBox::Cancel);
        QTest::newRow("box closed") << int(QMessageBox::NoButton);
    }
    void chart_link_cancel_or_close_opens_nothing()
    {
        QFETCH(int, answer);
        int opened = 0;
        calc->answerer().answerNext(static_cast<QMessageBox::StandardButton>(answer));
        ChartLink([&opened](const QUrl&) { return ++opened > 0; }).open(calc->form());
        QCOMPARE(opened, 0);
        QCOMPARE(calc->messages().size(), 1);
    }

    void chart_link_reports_only_a_raised_failure_data()
    {
        QTest::addColumn<bool>("raise");
        QTest::addColumn<QStringList>("messagesAfterTheQuestion");
        QTest::newRow("opener raises") << true << QStringList{"Unable to connect to the Internet at this time"};
        QTest::newRow("opener answers false") << false << QStringList{};
    }
    void chart_link_reports_only_a_raised_failure()
    {
        QFETCH(bool, raise);
        QFETCH(QStringList, messagesAfterTheQuestion);
        calc->answerer().answerNext(QMessageBox::Ok);
        ChartLink([raise](const QUrl&) -> bool {
            if (raise) {
                throw std::runtime_error("no opener");
            }
            return false;
        }).open(calc->form());
        QCOMPARE(calc->messages().mid(1), messagesAfterTheQuestion);
    }
};

ORVANTA_GUI_TEST_MAIN(OutputTest)
#include "tst_output.moc"
