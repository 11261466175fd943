// The record printed for real: the Sheet window's Print, the print dialog
// answered, the pages sent to the system's print service, and the PDF that
// a cups-pdf queue wrote read back as text, a record of several pages as
// much as one of a single page. Run by with-cups.sh, which starts CUPS with
// that queue as the default destination.
#include "CalculatorDriver.h"
#include "FrmSheet.h"
#include "GuiTestMain.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>

class PrintSheetTest : public QObject {
    Q_OBJECT

    // Sheet, the part number (and `notes`, pasted in), Print, the print
    // dialog accepted with the default destination as set up; then the text
    // of the newest PDF the queue wrote since, once it holds all of
    // `expected` (the queue writes the file as it goes), else what it holds.
    static QString printThroughTheQueue(const QString& folder, const QString& notes, const QStringList& expected)
    {
        const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
        CalculatorDriver calc;
        calc.typeAndTab({"0.4485", "0.4435", "0.0005"});
        calc.type("0.0002");
        calc.enter();
        bool used = false; // the handler may meet the sheet again as the print dialog opens: print once
        calc.answerer().setDialogHandler([&](QWidget* modal) {
            if (auto* print = qobject_cast<QPrintDialog*>(modal)) {
                QMetaObject::invokeMethod(print, "accept"); // the default destination, as set up
            } else if (auto* sheet = qobject_cast<orvanta::FrmSheet*>(modal); sheet && sheet->isVisible() && !used) {
                used = true;
                sheet->txtpartnumber->setText(QStringLiteral("PRINT-0815"));
                sheet->txtnotes->setPlainText(notes);
                sheet->cmdprintsheet->click();
                sheet->cmdclosesheet->click();
            }
        });
        calc.clickName(QStringLiteral("cmdsheet"));
        calc.answerer().setDialogHandler({});
        if (!calc.messages().isEmpty()) {
            return calc.messages().join(QLatin1Char('\n'));
        }
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
        QString text;
        QDeadlineTimer deadline(60000);
        do {
            text = printed();
            if (std::all_of(expected.begin(), expected.end(), [&](const QString& e) { return text.contains(e); })) {
                break;
            }
            QTest::qWait(250);
        } while (!deadline.hasExpired());
        return text;
    }

private slots:
    void the_sheet_reaches_the_print_service()
    {
        const QString folder = qEnvironmentVariable("ORVANTA_CUPS_PDF_DIR");
        if (folder.isEmpty()) {
            QSKIP("needs a CUPS queue: run under tests/display/with-cups.sh");
        }
        const QStringList expected{"PRINT-0815", "limits entered by hand", "0.4485", "0.4465", "0.4427"};
        const QString text = printThroughTheQueue(folder, QString(), expected);
        for (const QString& e : expected) {
            QVERIFY2(text.contains(e), qPrintable(e));
        }
        QVERIFY(!text.contains(QStringLiteral("page 1 of")));
    }

    // A record of several pages reaches paper whole: every line of the
    // notes once, every page numbered.
    void a_long_record_prints_whole()
    {
        const QString folder = qEnvironmentVariable("ORVANTA_CUPS_PDF_DIR");
        if (folder.isEmpty()) {
            QSKIP("needs a CUPS queue: run under tests/display/with-cups.sh");
        }
        QStringList notes;
        for (int line = 1; line <= 150; ++line) {
            notes << QStringLiteral("Printed note %1 of 150").arg(line);
        }
        const QStringList expected{"PRINT-0815", "0.4465", "Printed note 1 of 150\n", "Printed note 150 of 150\n",
                                   "page 1 of "};
        const QString text = printThroughTheQueue(folder, notes.join(QLatin1Char('\n')), expected);
        for (const QString& e : expected) {
            QVERIFY2(text.contains(e), qPrintable(e));
        }
        QCOMPARE(text.count(QStringLiteral("Printed note ")), 150);
        const QRegularExpressionMatch last = QRegularExpression(QStringLiteral("page 1 of (\\d+)")).match(text);
        QVERIFY(last.hasMatch() && last.captured(1).toInt() > 1);
        for (int page = 2; page <= last.captured(1).toInt(); ++page) {
            QVERIFY2(text.contains(QStringLiteral("page %1 of %2").arg(page).arg(last.captured(1))),
                     qPrintable(QString::number(page)));
        }
    }
};

ORVANTA_GUI_TEST_MAIN(PrintSheetTest)
#include "tst_printsheet.moc"
