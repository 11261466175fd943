// Printing a window, opening the chart page, and the thread record drawn on
// paper: whole, in type that reads, on as many pages as it needs.
#include "ChartLink.h"
#include "FrmPitch.h"
#include "RecordDocument.h"
#include "ThreadLimits.h"
#include "ThreadRecord.h"
#include "WindowPrinter.h"

#include "CalculatorDriver.h"
#include "GuiTestMain.h"
#include "ModalAnswerer.h"

#include <QDesktopServices>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
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

// What pdftotext -bbox finds in a PDF: each page's size and words, in PDF
// points (1/72 in.), y growing downwards.
struct PdfWords {
    struct Word {
        QString text;
        QRectF box;
    };
    struct Page {
        QSizeF size;
        QList<Word> words;
        [[nodiscard]] QString text() const
        {
            QStringList texts;
            for (const Word& word : words) {
                texts << word.text;
            }
            return texts.join(QLatin1Char(' '));
        }
    };
    QList<Page> pages;

    // Every word run together, the pages' numbers left out: text broken
    // over lines and pages anywhere still reads as typed.
    [[nodiscard]] QString runTogether() const
    {
        QString all;
        for (qsizetype page = 0; page < pages.size(); ++page) {
            QString text;
            for (const Word& word : pages[page].words) {
                text += word.text;
            }
            all += text.replace(QStringLiteral("page%1of%2").arg(page + 1).arg(pages.size()), QString());
        }
        return all;
    }
};

PdfWords readWords(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    process.waitForFinished(120000);
    const QString xhtml = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression tag(
        QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">|<word xMin=\"([\\d.-]+)\" "
                       "yMin=\"([\\d.-]+)\" xMax=\"([\\d.-]+)\" yMax=\"([\\d.-]+)\">([^<]*)</word>"));
    PdfWords found;
    for (auto it = tag.globalMatch(xhtml); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (match.capturedLength(1) > 0) {
            found.pages.append({QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()), {}});
        } else if (!found.pages.isEmpty()) {
            QString text = match.captured(7);
            text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
                .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
                .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
                .replace(QStringLiteral("&apos;"), QStringLiteral("'"))
                .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
            const QPointF topLeft(match.captured(3).toDouble(), match.captured(4).toDouble());
            const QPointF bottomRight(match.captured(5).toDouble(), match.captured(6).toDouble());
            found.pages.last().words.append({text, QRectF(topLeft, bottomRight)});
        }
    }
    return found;
}

// The height pdftotext gives a word set at `points` in the record's
// typeface: the yardstick for "reads on paper" and "full size".
double typeHeight(const QString& folder, double points)
{
    const QString pdf = QStringLiteral("%1/type-%2.pdf").arg(folder).arg(points);
    {
        QPdfWriter writer(pdf);
        writer.setResolution(300);
        QPainter painter(&writer);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setStyleHint(QFont::SansSerif);
        font.setPointSizeF(points);
        painter.setFont(font);
        painter.drawText(QPointF(300, 300), QStringLiteral("Reference"));
    }
    const PdfWords words = readWords(pdf);
    return words.pages.isEmpty() || words.pages.constFirst().words.isEmpty()
               ? 0.0
               : words.pages.constFirst().words.constFirst().box.height();
}

// The record of a job, both sides of 1/2-13 UNC-2A/2B plated, as the
// calculator shows them, with `notes` as typed: filled from the designation
// (with wires, gauges and taps) or with the limits typed by hand.
record::ThreadRecord jobRecord(const std::string& notes, bool filled = true)
{
    record::RecordInput input;
    input.date = "2024-05-02";
    input.program = "Orvanta test";
    input.partNumber = "PN-4711/B";
    input.notes = notes;
    const threads::ThreadLookup lookup = threads::lookUpThread("1/2-13 UNC-2A/2B");
    if (filled && lookup.limits) {
        input.thread =
            record::FilledThread{*lookup.limits, "1/2-13 UNC-2A/2B, class limits after plating", false, std::nullopt};
    }
    input.sides = {{ThreadSide::External, "0.4485", "0.4435", "0.0005", "0.0002", "0.4465", "0.4427", ""},
                   {ThreadSide::Internal, "0.4565", "0.4500", "0.0005", "0.0002", "0.4573", "0.4520", ""}};
    return record::buildRecord(input);
}

// What the first page must carry: the part, the thread, the limits, the checks.
const QStringList kJobTexts{"PN-4711/B",       "1/2-13 UNC-2A/2B",
                            "0.4485",          "0.4435",
                            "0.4465",          "0.4427",
                            "0.4565",          "0.4500",
                            "0.4573",          "0.4520",
                            "GO setting plug", "NOT GO plug",
                            "(pick)",          "Internal thread: notes on the checks"};

QString noteLines(int count)
{
    QStringList lines;
    for (int line = 1; line <= count; ++line) {
        lines << QStringLiteral("notes line %1 of %2 end").arg(line).arg(count);
    }
    return lines.join(QLatin1Char('\n'));
}

QString withoutBlanks(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

// What of `record` is missing from `words`, or drawn smaller than `smallest`
// (a height in points) or outside the page less `margin` points all round:
// empty when the record is all there and reads.
QString lostOrUnreadable(const PdfWords& words, const record::ThreadRecord& record, double smallest, double margin)
{
    const QString all = words.runTogether();
    QStringList texts{QString::fromStdString(record.title)};
    for (const record::Section& section : record.sections) {
        texts << QString::fromStdString(section.heading);
        for (const auto& row : section.rows) {
            for (const std::string& cell : row) {
                texts << QString::fromStdString(cell).split(QLatin1Char('\n'));
            }
        }
    }
    for (const QString& text : texts) {
        if (!all.contains(withoutBlanks(text))) {
            return QStringLiteral("lost: ") + text.left(80);
        }
    }
    for (qsizetype page = 0; page < words.pages.size(); ++page) {
        const PdfWords::Page& sheet = words.pages[page];
        const QRectF printable = QRectF(QPointF(0, 0), sheet.size).adjusted(margin, margin, -margin, -margin);
        for (const PdfWords::Word& word : sheet.words) {
            if (word.box.height() < smallest) {
                return QStringLiteral("page %1: \"%2\" is %3 pt high, less than %4")
                    .arg(page + 1)
                    .arg(word.text.left(40))
                    .arg(word.box.height())
                    .arg(smallest);
            }
            if (!printable.adjusted(-1, -1, 1, 1).contains(word.box)) {
                return QStringLiteral("page %1: \"%2\" is off the printable area")
                    .arg(page + 1)
                    .arg(word.text.left(40));
            }
        }
    }
    return {};
}

// The first page whose words, run together, hold `text`; -1 if none does.
qsizetype pageHolding(const PdfWords& words, const QString& text)
{
    for (qsizetype page = 0; page < words.pages.size(); ++page) {
        if (withoutBlanks(words.pages[page].text()).contains(withoutBlanks(text))) {
            return page;
        }
    }
    return -1;
}

// Where a record of several pages does not say, at the foot of each, which
// page of how many it is; or where a single page says so.
QString misnumbered(const PdfWords& words)
{
    const qsizetype pages = words.pages.size();
    for (qsizetype page = 0; page < pages; ++page) {
        const QList<PdfWords::Word>& onPage = words.pages[page].words;
        const QStringList footer{QStringLiteral("page"), QString::number(page + 1), QStringLiteral("of"),
                                 QString::number(pages)};
        qsizetype at = -1;
        for (qsizetype word = 0; word + footer.size() <= onPage.size() && at < 0; ++word) {
            bool same = true;
            for (qsizetype i = 0; i < footer.size(); ++i) {
                same = same && onPage[word + i].text == footer[i];
            }
            at = same ? word : -1;
        }
        const bool atFoot = at >= 0 && std::all_of(onPage.begin(), onPage.end(), [&](const PdfWords::Word& word) {
                                return word.box.top() <= onPage[at].box.top();
                            });
        if ((at >= 0) != (pages > 1) || (at >= 0 && !atFoot)) {
            return QStringLiteral("page %1 of %2: %3").arg(page + 1).arg(pages).arg(words.pages[page].text().right(80));
        }
    }
    return {};
}

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

    void a_saved_record_is_whole_and_reads_on_paper_data()
    {
        QTest::addColumn<bool>("filled"); // from the designation, with gauging; else limits typed by hand
        QTest::addColumn<int>("noteLines");
        QTest::addColumn<int>("unbroken"); // characters of a note line without a blank
        QTest::addColumn<int>("jobRows");  // rows of a job section put in after the header
        QTest::addColumn<int>("fewestPages");
        QTest::addColumn<int>("mostPages");
        QTest::addColumn<bool>("fullSize");       // 9 pt, else no less than 7 pt
        QTest::addColumn<bool>("jobOnFirstPage"); // the thread, limits and checks on page 1, the notes after
        QTest::newRow("limits by hand: one page at full size") << false << 0 << 0 << 0 << 1 << 1 << true << false;
        QTest::newRow("limits by hand, a few notes: one page at full size")
            << false << 8 << 0 << 0 << 1 << 1 << true << false;
        QTest::newRow("the whole job, its diameters on page 2") << true << 0 << 0 << 0 << 2 << 2 << false << true;
        QTest::newRow("the whole job, a few notes: the notes on page 2")
            << true << 8 << 0 << 0 << 2 << 2 << false << true;
        QTest::newRow("150 lines of notes") << true << 150 << 0 << 0 << 2 << 4 << false << true;
        QTest::newRow("1000 lines of notes") << true << 1000 << 0 << 0 << 10 << 30 << false << true;
        QTest::newRow("20,000 characters without a blank") << true << 0 << 20000 << 0 << 2 << 8 << false << true;
        QTest::newRow("a job section taller than a page") << true << 0 << 0 << 150 << 2 << 6 << false << false;
    }
    void a_saved_record_is_whole_and_reads_on_paper()
    {
        QFETCH(bool, filled);
        QFETCH(int, noteLines);
        QFETCH(int, unbroken);
        QFETCH(int, jobRows);
        QFETCH(int, fewestPages);
        QFETCH(int, mostPages);
        QFETCH(bool, fullSize);
        QFETCH(bool, jobOnFirstPage);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            QSKIP("pdftotext (poppler-utils) is not installed: the PDF is not read back");
        }
        QStringList notes;
        if (noteLines > 0) {
            notes << ::noteLines(noteLines);
        }
        QString line;
        for (int token = 1; line.size() < unbroken; ++token) {
            line += QStringLiteral("x%1").arg(token, 5, 10, QLatin1Char('0'));
        }
        if (!line.isEmpty()) {
            notes << line;
        }
        record::ThreadRecord record = jobRecord(notes.join(QLatin1Char('\n')).toStdString(), filled);
        QVERIFY(!filled || record.sections.size() > 6); // both sides and their checks
        record::Section readings{"Readings", {}, false, true};
        for (int row = 1; row <= jobRows; ++row) {
            readings.rows.push_back({"Reading", QStringLiteral("%1 of %2 end").arg(row).arg(jobRows).toStdString()});
        }
        if (jobRows > 0) {
            record.sections.insert(record.sections.begin() + 1, readings);
        }

        const QString pdf = dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".pdf"));
        QCOMPARE(saveRecordPdf(record, pdf), QString());
        const PdfWords words = readWords(pdf);
        QVERIFY2(words.pages.size() >= fewestPages && words.pages.size() <= mostPages,
                 qPrintable(QStringLiteral("%1 pages").arg(words.pages.size())));
        const double smallest = typeHeight(dir.path(), fullSize ? 9.0 : 7.0) * 0.98;
        QVERIFY(smallest > 6.0);
        const double margin = 15 / 25.4 * 72; // the PDF's margins, 15 mm
        QCOMPARE(lostOrUnreadable(words, record, smallest, margin), QString());
        QCOMPARE(misnumbered(words), QString());
        // A short section is not split over two pages.
        const record::Section& standards = record.sections.back();
        QCOMPARE(QString::fromStdString(standards.heading), QStringLiteral("Standards"));
        QCOMPARE(pageHolding(words, QString::fromStdString(standards.rows.back().back())),
                 pageHolding(words, QStringLiteral("Standards")));
        if (jobOnFirstPage) {
            const QString first = withoutBlanks(words.pages.constFirst().text());
            for (const QString& text : kJobTexts) {
                QVERIFY2(first.contains(withoutBlanks(text)), qPrintable(text));
            }
            if (words.pages.size() > 1) {
                QVERIFY(!first.contains(QStringLiteral("notesline")) && !first.contains(QStringLiteral("x00001")));
                // What follows the job starts the next page: the diameters of a filled thread, else the notes.
                QCOMPARE(words.pages[1].words.constFirst().text,
                         filled ? QStringLiteral("Diameters") : QStringLiteral("Notes"));
            }
        }
    }

    void printing_gives_what_the_pdf_gives()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            QSKIP("pdftotext (poppler-utils) is not installed: the printout is not read back");
        }
        const record::ThreadRecord record = jobRecord(noteLines(150).toStdString());
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(localePaper()));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
        const double margin = printer.pageLayout().margins(QPageLayout::Point).top();
        QVERIFY(printRecord(record, printer));
        const PdfWords words = readWords(printer.outputFileName());
        QVERIFY2(words.pages.size() > 1, qPrintable(QStringLiteral("%1 pages").arg(words.pages.size())));
        QCOMPARE(lostOrUnreadable(words, record, typeHeight(dir.path(), 7.0) * 0.98, margin), QString());
        QCOMPARE(misnumbered(words), QString());
    }

    void a_record_the_printer_cannot_take_is_reported()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QStringLiteral("/nonexistent-folder/record.pdf"));
        QVERIFY(!printRecord(jobRecord(noteLines(150).toStdString()), printer));
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
