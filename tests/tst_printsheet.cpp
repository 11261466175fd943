// The record printed for real: the Sheet window's Print, the print dialog
// answered, the page sent to the system's print service, and the PDF that
// a cups-pdf queue wrote read back as text. Run by with-cups.sh, which
// starts CUPS with that queue as the default destination.
#include "CalculatorDriver.h"
#include "FrmSheet.h"
#include "GuiTestMain.h"

#include <QDateTime>
#include <QDir>
#include <QLineEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>

class PrintSheetTest : public QObject {
    Q_OBJECT

private slots:
    void the_sheet_reaches_the_print_service()
    {
        const QString folder = qEnvironmentVariable("ORVANTA_CUPS_PDF_DIR");
        if (folder.isEmpty()) {
            QSKIP("needs a CUPS queue: run under tests/display/with-cups.sh");
        }
        const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
        CalculatorDriver calc;
        calc.typeAndTab({"0.4485", "0.4435", "0.0005"});
        calc.type("0.0002");
        calc.enter();
        calc.answerer().setDialogHandler([&](QWidget* modal) {
            if (auto* print = qobject_cast<QPrintDialog*>(modal)) {
                QMetaObject::invokeMethod(print, "accept"); // the default destination, as set up
            } else if (auto* sheet = qobject_cast<orvanta::FrmSheet*>(modal); sheet && sheet->isVisible()) {
                sheet->txtpartnumber->setText(QStringLiteral("PRINT-0815"));
                sheet->cmdprintsheet->click();
                sheet->cmdclosesheet->click();
            }
        });
        calc.clickName(QStringLiteral("cmdsheet"));
        calc.answerer().setDialogHandler({});
        QVERIFY(calc.messages().isEmpty());

        // The newest PDF the queue wrote since the test started, as text.
        const auto printed = [&] {
            QString newest;
            for (const QFileInfo& file :
                 QDir(folder).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time)) {
                if (file.lastModified() >= started) {
                    newest = file.filePath();
                    break;
                }
            }
            QProcess text;
            text.start(QStringLiteral("pdftotext"), {newest, QStringLiteral("-")});
            text.waitForFinished(30000);
            return newest.isEmpty() ? QString() : QString::fromUtf8(text.readAllStandardOutput());
        };
        // The queue writes the file as it goes: wait until the whole page is in.
        const auto missing = [&] {
            const QString text = printed();
            for (const char* expected : {"PRINT-0815", "limits entered by hand", "0.4485", "0.4465", "0.4427"}) {
                if (!text.contains(QLatin1String(expected))) {
                    return QString::fromLatin1(expected);
                }
            }
            return QString();
        };
        QTRY_COMPARE_WITH_TIMEOUT(missing(), QString(), 60000);
    }
};

ORVANTA_GUI_TEST_MAIN(PrintSheetTest)
#include "tst_printsheet.moc"
