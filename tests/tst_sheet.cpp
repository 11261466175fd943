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
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
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

    // Thread, the designation, Fill; then both sides' thicknesses, written
    // with the locale's decimal separator.
    void fillAndCalculate(const QString& designation)
    {
        const auto typed = [](const char* number) {
            return QString::fromLatin1(number).replace(QLatin1Char('.'), QLocale::system().decimalPoint());
        };
        calc->answerer().setDialogHandler([&](QWidget* modal) {
            if (auto* dialog = qobject_cast<orvanta::FrmThread*>(modal)) {
                dialog->txtdesignation->setText(designation);
                dialog->cmdfill->click();
            }
        });
        calc->clickName(QStringLiteral("cmdthread"));
        calc->answerer().setDialogHandler({});
        calc->typeAndTab({typed("0.0005")});
        calc->type(typed("0.0002"));
        calc->enter();
        calc->click(calc->form().txtintminthickness);
        calc->typeAndTab({typed("0.0002")});
        calc->type(typed("0.0005"));
        calc->enter();
    }

    // Sheet, a part number (and `notes`, pasted in), then Save PDF to `path`
    // (answering the file dialog) unless `path` is empty; returns the record
    // as shown.
    QString useSheet(const QString& partNumber, const QString& path, const QString& notes = QString())
    {
        QString shown;
        calc->answerer().setDialogHandler([&](QWidget* modal) {
            if (auto* files = qobject_cast<QFileDialog*>(modal)) {
                files->selectFile(path);
                QMetaObject::invokeMethod(files, "accept"); // as the Save button does
            } else if (auto* sheet = qobject_cast<orvanta::FrmSheet*>(modal); sheet && shown.isEmpty()) {
                QTest::keyClicks(sheet->txtpartnumber, partNumber);
                if (!notes.isEmpty()) {
                    sheet->txtnotes->setPlainText(notes);
                }
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

    // The job (thread, limits, wires, gauges, taps) on the first page; the
    // diameters and the standards behind it on a second page rather than the
    // whole shrinking below 7 pt.
    void the_pdf_holds_the_whole_job_on_its_first_page_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("paper");
        QTest::addColumn<int>("pages");
        QTest::newRow("A4 elsewhere") << "de_DE"
                                      << "A4" << 2;
        QTest::newRow("Letter in the United States") << "en_US"
                                                     << "letter" << 2;
    }
    void the_pdf_holds_the_whole_job_on_its_first_page()
    {
        QFETCH(QString, locale);
        QFETCH(QString, paper);
        QFETCH(int, pages);
        QLocale::setDefault(QLocale(locale));
        QVERIFY(!calc->form().cmdsheet->isEnabled());
        fillAndCalculate(QStringLiteral("1/2-13 UNC-2A/2B"));
        QCOMPARE(calc->suggestions(), QStringList({"0.4465", "0.4427", "0.4520", "0.4573"}));
        QVERIFY(calc->form().cmdsheet->isEnabled());
        const QString path = folder.filePath(locale + QStringLiteral(".pdf"));
        useSheet(QStringLiteral("PN-4711/B"), path);
        QLocale::setDefault(QLocale::c());
        QVERIFY(calc->messages().isEmpty());
        const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-l"),
                                                               QStringLiteral("1"), path, QStringLiteral("-")});
        for (const char* expected : {"PN-4711/B", "1/2-13 UNC-2A/2B, class limits after plating", "0.4485", "0.4435",
                                     "0.4465", "0.4427", "0.4500", "0.4565", "0.4520", "0.4573", "0.0005", "0.0002",
                                     "GO setting plug", "NOT GO plug", "(pick)", "ASME B1.2"}) {
            QVERIFY2(text.contains(QLatin1String(expected)), expected);
        }
        // After the job: the diameters before plating and the hole's drill.
        const QString rest = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"),
                                                               QStringLiteral("2"), path, QStringLiteral("-")});
        for (const char* expected : {"Diameters", "0.4975", "0.4872", "0.4344", "0.4180", "27/64"}) {
            QVERIFY2(rest.contains(QLatin1String(expected)), expected);
        }
        const QString info = run(QStringLiteral("pdfinfo"), {path});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(pages))), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("(%1)").arg(paper)), qPrintable(info));
        const QString all = run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        QVERIFY(all.contains(QStringLiteral("three-wire formula of Machinery's Handbook")));
    }

    // In a comma locale every number of the record is written with a comma,
    // the wire, gauge and tap texts of the gauging library among them; a
    // point stays only in names (ASME B1.2) and the program's version.
    // ctest runs it as tst_sheet_comma_locale, in de_DE.UTF-8.
    void the_record_in_a_comma_locale_has_no_number_with_a_point()
    {
        if (QLocale::system().decimalPoint() != QLatin1Char(',')) {
            QSKIP("needs a comma locale, such as ORVANTA_TEST_LOCALE=de_DE.UTF-8");
        }
        fillAndCalculate(QStringLiteral("1/4-20 UNC-2A/2B"));
        QVERIFY(calc->form().cmdsheet->isEnabled());
        const QString path = folder.filePath(QStringLiteral("comma.pdf"));
        const QString shown = useSheet(QStringLiteral("PN-7"), path);
        QVERIFY(calc->messages().isEmpty());
        const QString saved = run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        const QRegularExpression pointNumber(QStringLiteral("(?<![A-Za-z\\d.,])\\d+\\.\\d"));
        for (const QString& record : {shown, saved}) {
            QVERIFY(record.contains(QStringLiteral("best wire 0,0289 in")));
            QVERIFY(record.contains(QStringLiteral("X tolerance 0,0003 in")));
            for (const QString& line : record.split(QLatin1Char('\n'))) {
                if (!line.contains(QLatin1String("Orvanta "))) { // the version
                    QVERIFY2(!line.contains(pointNumber), qPrintable(line));
                }
            }
        }
    }

    // 150 lines of notes do not shrink the record out of reading: the job on
    // the first page, the notes on the pages after, each page numbered.
    void long_notes_go_on_to_further_pages()
    {
        fillAndCalculate(QStringLiteral("1/2-13 UNC-2A/2B"));
        QStringList notes;
        for (int line = 1; line <= 150; ++line) {
            notes << QStringLiteral("Deburr note %1 of 150").arg(line);
        }
        const QString path = folder.filePath(QStringLiteral("notes.pdf"));
        useSheet(QStringLiteral("PN-150"), path, notes.join(QLatin1Char('\n')));
        QVERIFY(calc->messages().isEmpty());
        const QString info = run(QStringLiteral("pdfinfo"), {path});
        const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)\\n")).match(info);
        QVERIFY2(pages.hasMatch() && pages.captured(1).toInt() > 1, qPrintable(info));
        const int count = pages.captured(1).toInt();
        const auto page = [&](int number) {
            return run(QStringLiteral("pdftotext"),
                       {QStringLiteral("-f"), QString::number(number), QStringLiteral("-l"), QString::number(number),
                        path, QStringLiteral("-")});
        };
        const QString first = page(1);
        for (const char* expected : {"PN-150", "0.4465", "0.4427", "0.4520", "0.4573", "NOT GO plug", "page 1 of"}) {
            QVERIFY2(first.contains(QLatin1String(expected)), expected);
        }
        QVERIFY(!first.contains(QStringLiteral("Deburr note")));
        QVERIFY(page(2).contains(QStringLiteral("Deburr note 1 of 150\n")));
        const QString all = run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        QVERIFY(all.contains(QStringLiteral("Deburr note 150 of 150\n")));
        QCOMPARE(all.count(QStringLiteral("Deburr note ")), 150);
        QVERIFY(page(count).contains(QStringLiteral("page %1 of %1").arg(count)));
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
