// The thread record driven as a user drives it: Thread, a designation,
// Fill, the thicknesses, Calculate, Sheet, a part number, Save PDF; the PDF
// read back as text. Needs pdftotext and pdfinfo (poppler-utils).
#include "CalculatorDriver.h"
#include "FrmSheet.h"
#include "FrmThread.h"
#include "GuiTestMain.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <memory>

namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class SheetTest : public QObject {
    Q_OBJECT
    std::unique_ptr<CalculatorDriver> calc;
    QTemporaryDir folder;

    // Thread, the designation, Fill; then both sides' thicknesses.
    void fillAndCalculate(const QString& designation)
    {
        calc->answerer().setDialogHandler([&](QWidget* modal) {
            if (auto* dialog = qobject_cast<orvanta::FrmThread*>(modal)) {
                dialog->txtdesignation->setText(designation);
                dialog->cmdfill->click();
            }
        });
        calc->clickName(QStringLiteral("cmdthread"));
        calc->answerer().setDialogHandler({});
        calc->typeAndTab({"0.0005"});
        calc->type("0.0002");
        calc->enter();
        calc->click(calc->form().txtintminthickness);
        calc->typeAndTab({"0.0002"});
        calc->type("0.0005");
        calc->enter();
    }

    // Sheet, a part number, then Save PDF to `path` (answering the file
    // dialog) unless `path` is empty; returns the record as shown.
    QString useSheet(const QString& partNumber, const QString& path)
    {
        QString shown;
        calc->answerer().setDialogHandler([&](QWidget* modal) {
            if (auto* files = qobject_cast<QFileDialog*>(modal)) {
                files->selectFile(path);
                QMetaObject::invokeMethod(files, "accept"); // as the Save button does
            } else if (auto* sheet = qobject_cast<orvanta::FrmSheet*>(modal); sheet && shown.isEmpty()) {
                QTest::keyClicks(sheet->txtpartnumber, partNumber);
                shown = sheet->txtsheet->toPlainText();
                if (!path.isEmpty()) {
                    sheet->cmdsavepdf->click();
                }
                sheet->cmdclosesheet->click();
            }
        });
        QTest::keyClick(calc->form().windowHandle(), Qt::Key_S, Qt::AltModifier);
        calc->answerer().setDialogHandler({});
        return shown;
    }

private slots:
    void init() { calc = std::make_unique<CalculatorDriver>(); }
    void cleanup() { calc.reset(); }

    void the_pdf_holds_the_whole_job_on_one_page_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("paper");
        QTest::newRow("A4 elsewhere") << "de_DE"
                                      << "A4";
        QTest::newRow("Letter in the United States") << "en_US"
                                                     << "letter";
    }
    void the_pdf_holds_the_whole_job_on_one_page()
    {
        QFETCH(QString, locale);
        QFETCH(QString, paper);
        QLocale::setDefault(QLocale(locale));
        QVERIFY(!calc->form().cmdsheet->isEnabled());
        fillAndCalculate(QStringLiteral("1/2-13 UNC-2A/2B"));
        QCOMPARE(calc->suggestions(), QStringList({"0.4465", "0.4427", "0.4520", "0.4573"}));
        QVERIFY(calc->form().cmdsheet->isEnabled());
        const QString path = folder.filePath(locale + QStringLiteral(".pdf"));
        useSheet(QStringLiteral("PN-4711/B"), path);
        QLocale::setDefault(QLocale::c());
        QVERIFY(calc->messages().isEmpty());
        const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
        for (const char* expected : {"PN-4711/B", "1/2-13 UNC-2A/2B, class limits after plating", "0.4485", "0.4435",
                                     "0.4465", "0.4427", "0.4500", "0.4565", "0.4520", "0.4573", "0.0005", "0.0002",
                                     "GO setting plug", "NOT GO plug", "(pick)", "ASME B1.2"}) {
            QVERIFY2(text.contains(QLatin1String(expected)), expected);
        }
        const QString info = run(QStringLiteral("pdfinfo"), {path});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("(%1)").arg(paper)), qPrintable(info));
    }

    void limits_typed_by_hand_have_no_gauging()
    {
        calc->typeAndTab({"0.4485", "0.4435", "0.0005"});
        calc->type("0.0002");
        calc->enter();
        const QString shown = useSheet(QStringLiteral("A-1"), QString());
        QVERIFY(shown.contains(QStringLiteral("limits entered by hand")));
        QVERIFY(shown.contains(QStringLiteral("Not given: the limits were entered by hand.")));
        QVERIFY(!shown.contains(QStringLiteral("GO setting plug")));
        QVERIFY(!shown.contains(QStringLiteral("Internal thread")));
    }

    void a_folder_that_cannot_be_written_gives_a_message_and_no_file()
    {
        fillAndCalculate(QStringLiteral("M10x1.5-6H/6g"));
        QFile blocker(folder.filePath(QStringLiteral("not-a-folder")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString path = blocker.fileName() + QStringLiteral("/record.pdf");
        useSheet(QStringLiteral("A-2"), path);
        QCOMPARE(calc->messages().size(), 1);
        QVERIFY2(calc->messages().constFirst().startsWith(QStringLiteral("Cannot write ")),
                 qPrintable(calc->messages().constFirst()));
        QVERIFY(!QFile::exists(path));
    }

    // A failed save keeps the PDF that was there. An immutable folder is the
    // one a test run as root cannot write to either.
    void a_failed_save_keeps_the_existing_pdf()
    {
        QTemporaryDir locked;
        const QString path = locked.filePath(QStringLiteral("kept.pdf"));
        QFile existing(path);
        QVERIFY(existing.open(QIODevice::WriteOnly) && existing.write("%PDF-1.4 kept") > 0);
        existing.close();
        if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), locked.path()}) != 0) {
            QSKIP("chattr +i is not available here to make a folder unwritable");
        }
        const auto unlock = qScopeGuard([&] {
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), locked.path()});
        });
        fillAndCalculate(QStringLiteral("M10x1.5-6H/6g"));
        calc->answerer().answerNext(QMessageBox::Yes); // replace it
        useSheet(QStringLiteral("A-3"), path);
        QVERIFY(calc->messages().constFirst().contains(QStringLiteral("already exists")));
        QVERIFY2(calc->messages().constLast().startsWith(QStringLiteral("Cannot write ")),
                 qPrintable(calc->messages().constLast()));
        QFile kept(path);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("%PDF-1.4 kept"));
        QCOMPARE(QDir(locked.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"kept.pdf"}));
    }
};

ORVANTA_GUI_TEST_MAIN(SheetTest)
#include "tst_sheet.moc"
