#include "RecordDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <limits>
#include <memory>
#include <vector>

namespace orvanta {

namespace {

QString escaped(const std::string& text)
{
    return QString::fromStdString(text).toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

QString tableHtml(const record::Section& section)
{
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\" border=\"1\" width=\"100%\">");
    const std::size_t columns = section.rows.empty() ? 0 : section.rows.front().size();
    for (std::size_t r = 0; r < section.rows.size(); ++r) {
        const bool head = section.table && r == 0;
        const std::size_t cells = section.rows[r].size();
        html += QStringLiteral("<tr>");
        for (std::size_t c = 0; c < cells; ++c) {
            const QString cell = escaped(section.rows[r][c]);
            const bool label = !section.table && c == 0 && cells > 1;
            // A table row shorter than its header spans the rest with its last cell.
            const QString span = section.table && c + 1 == cells && cells < columns
                                     ? QStringLiteral(" colspan=\"%1\"").arg(columns - c)
                                     : QString();
            html += head || label ? QStringLiteral("<th align=\"left\">") + cell + QStringLiteral("</th>")
                                  : QStringLiteral("<td") + span + QStringLiteral(">") + cell + QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

// The body's size, and the smallest a page may shrink it to and still read
// on paper; below that the record goes on to further pages instead.
constexpr double bodyPoints = 9.0;
constexpr double smallestPoints = 7.0;
constexpr double smallestScale = smallestPoints / bodyPoints;
constexpr double footerPoints = 8.0;
constexpr int sectionHeadingLevel = 4; // <h4>
constexpr std::size_t noBreak = std::numeric_limits<std::size_t>::max();

// The first `count` sections, the one at `breakAt` starting a new page.
QString documentHtml(const record::ThreadRecord& record, std::size_t count, std::size_t breakAt)
{
    QString html = QStringLiteral("<html><body style=\"font-family: 'Liberation Sans', sans-serif; font-size: %1pt\">"
                                  "<h2>")
                       .arg(bodyPoints) +
                   escaped(record.title) + QStringLiteral("</h2>");
    for (std::size_t i = 0; i < count && i < record.sections.size(); ++i) {
        const record::Section& section = record.sections[i];
        const QString pageBreak = i == breakAt ? QStringLiteral(" style=\"page-break-before: always\"") : QString();
        if (!section.heading.empty()) {
            html += QStringLiteral("<h4%1>").arg(pageBreak) + escaped(section.heading) + QStringLiteral("</h4>");
        } else if (!pageBreak.isEmpty()) {
            html += QStringLiteral("<div%1></div>").arg(pageBreak);
        }
        if (!section.rows.empty()) {
            html += tableHtml(section);
        }
    }
    return html + QStringLiteral("</body></html>");
}

// `html` laid out for `device` at `scale`, `area` being the printable part
// of a page in device pixels; one endless page unless `paged`.
std::unique_ptr<QTextDocument> layOut(const QString& html, QPagedPaintDevice& device, QSizeF area, double scale,
                                      bool paged)
{
    auto document = std::make_unique<QTextDocument>();
    document->documentLayout()->setPaintDevice(&device);
    // A word wider than the page (a part number, a pasted line without a
    // blank) breaks anywhere rather than running off the paper's edge.
    QTextOption option = document->defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document->setDefaultTextOption(option);
    document->setHtml(html);
    if (paged) {
        document->setPageSize(area / scale);
    } else {
        document->setTextWidth(area.width() / scale);
    }
    return document;
}

// From full size down to the smallest that reads on paper.
std::vector<double> scales()
{
    std::vector<double> steps;
    for (double scale = 1.0; scale > smallestScale + 1e-9; scale -= 0.02) {
        steps.push_back(scale);
    }
    steps.push_back(smallestScale);
    return steps;
}

QFont footerFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(footerPoints);
    return font;
}

// Makes each line of text a block of its own. A page is drawn clipped to its
// slice of the document, but Qt draws a block's line just above the slice as
// well: hidden under the clip, yet in the PDF's text, read twice by a search
// or a copy. A block that ends above the slice is not drawn at all.
void oneLineABlock(QTextDocument& document)
{
    (void)document.documentLayout()->documentSize(); // lays it all out: the lines are known
    std::vector<int> lineStarts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        for (int line = 1; line < layout->lineCount(); ++line) {
            lineStarts.push_back(block.position() + layout->lineAt(line).textStart());
        }
    }
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (auto start = lineStarts.rbegin(); start != lineStarts.rend(); ++start) {
        cursor.setPosition(*start);
        if (document.characterAt(*start - 1) == QChar::LineSeparator) {
            cursor.deletePreviousChar(); // a <br>: the new block ends the line instead
        }
        QTextBlockFormat previous = cursor.blockFormat();
        QTextBlockFormat next = previous;
        previous.setBottomMargin(0);
        cursor.setBlockFormat(previous);
        next.setTopMargin(0);
        next.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
        cursor.insertBlock(next);
    }
    cursor.endEditBlock();
}

// A section that fits on a page starts a new page rather than being split,
// and a heading never ends a page with its rows on the next.
void keepSectionsTogether(QTextDocument& document)
{
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    const double pageHeight = document.pageSize().height();
    const auto pageOf = [pageHeight](double y) { return static_cast<int>(y / pageHeight); };
    std::vector<int> headings;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == sectionHeadingLevel) {
            headings.push_back(block.blockNumber());
        }
    }
    for (std::size_t i = 0; i < headings.size(); ++i) {
        const QTextBlock heading = document.findBlockByNumber(headings[i]);
        const QTextBlock last =
            i + 1 < headings.size() ? document.findBlockByNumber(headings[i + 1]).previous() : document.lastBlock();
        const QRectF top = layout->blockBoundingRect(heading);
        const QRectF first = layout->blockBoundingRect(heading.next());
        const QRectF bottom = layout->blockBoundingRect(last);
        const int page = pageOf(top.top());
        const bool startsPage =
            !heading.previous().isValid() || pageOf(layout->blockBoundingRect(heading.previous()).bottom()) < page;
        // Room left for the page's own margins and the heading's.
        const bool fitsAPage = bottom.bottom() - top.top() < pageHeight * 0.9;
        const bool split = pageOf(bottom.bottom()) > page && fitsAPage;
        if (!startsPage && (split || pageOf(first.top()) > page)) {
            QTextBlockFormat format = heading.blockFormat();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(heading).setBlockFormat(format);
        }
    }
}

struct Layout {
    std::unique_ptr<QTextDocument> document;
    double scale = 1.0;
    int pages = 1;
    double pageHeight = 0; // in device pixels, the footer's band left out
};

Layout layOutRecord(const record::ThreadRecord& record, QPagedPaintDevice& device, QSizeF area)
{
    const std::size_t all = record.sections.size();
    const QString whole = documentHtml(record, all, noBreak);
    // One page, shrunk no further than reads on paper.
    if (layOut(whole, device, area, smallestScale, false)->size().height() * smallestScale <= area.height()) {
        for (const double scale : scales()) {
            auto document = layOut(whole, device, area, scale, false);
            if (document->size().height() * scale <= area.height()) {
                return {std::move(document), scale, 1, area.height()};
            }
        }
    }
    // Several pages, numbered at their feet. The thread, its limits and its
    // checks stay together on the first page, as large as that allows; the
    // notes and the standards follow on a page of their own.
    // The foot of each page keeps a line for its number and a line's space above it.
    const QFontMetricsF footer(footerFont(), &device);
    const QSizeF body(area.width(), area.height() - 2 * footer.height());
    const auto firstOther = std::find_if(record.sections.begin(), record.sections.end(),
                                         [](const record::Section& section) { return !section.job; });
    const auto jobSections = static_cast<std::size_t>(firstOther - record.sections.begin());
    const std::size_t breakAt = jobSections > 0 && jobSections < all ? jobSections : noBreak;
    double chosen = smallestScale;
    for (const double scale : scales()) {
        if (layOut(documentHtml(record, jobSections, noBreak), device, body, scale, true)->pageCount() == 1) {
            chosen = scale;
            break;
        }
    }
    auto document = layOut(documentHtml(record, all, breakAt), device, body, chosen, true);
    oneLineABlock(*document);
    keepSectionsTogether(*document);
    const int pages = document->pageCount();
    return {std::move(document), chosen, pages, body.height()};
}

} // namespace

QString recordHtml(const record::ThreadRecord& record)
{
    return documentHtml(record, record.sections.size(), noBreak);
}

QPageSize::PageSizeId localePaper()
{
    const QLocale::Territory territory = QLocale().territory();
    return territory == QLocale::UnitedStates || territory == QLocale::Canada ? QPageSize::Letter : QPageSize::A4;
}

bool drawRecord(const record::ThreadRecord& record, QPagedPaintDevice& device)
{
    const QSizeF area = device.pageLayout().paintRectPixels(device.logicalDpiX()).size();
    const Layout layout = layOutRecord(record, device, area);
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const double sliceHeight = layout.pageHeight / layout.scale;
    for (int page = 0; page < layout.pages; ++page) {
        if (page > 0 && !device.newPage()) {
            return false;
        }
        painter.save();
        painter.scale(layout.scale, layout.scale);
        const QRectF slice(0, page * sliceHeight, area.width() / layout.scale, sliceHeight);
        painter.translate(0, -slice.top());
        layout.document->drawContents(&painter, slice);
        painter.restore();
        if (layout.pages > 1) {
            painter.setFont(footerFont());
            painter.setPen(Qt::black);
            painter.drawText(QRectF(QPointF(0, 0), area), Qt::AlignHCenter | Qt::AlignBottom,
                             QStringLiteral("page %1 of %2").arg(page + 1).arg(layout.pages));
        }
    }
    return painter.end();
}

QString saveRecordPdf(const record::ThreadRecord& record, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
    }
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(localePaper()));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(QString::fromStdString(record.title));
        writer.setCreator(QStringLiteral("Orvanta"));
        if (!drawRecord(record, writer)) {
            file.cancelWriting();
        }
    }
    if (file.error() != QFileDevice::NoError || !file.commit()) {
        return QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
    }
    return {};
}

bool printRecord(const record::ThreadRecord& record, QPrinter& printer)
{
    return drawRecord(record, printer) && printer.printerState() != QPrinter::Error;
}

} // namespace orvanta
