#include "RecordDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QTextDocument>

namespace orvanta {

namespace {

QString escaped(const std::string& text)
{
    return QString::fromStdString(text).toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

QString tableHtml(const record::Section& section)
{
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\" border=\"1\" width=\"100%\">");
    for (std::size_t r = 0; r < section.rows.size(); ++r) {
        const bool head = section.table && r == 0;
        html += QStringLiteral("<tr>");
        for (std::size_t c = 0; c < section.rows[r].size(); ++c) {
            const QString cell = escaped(section.rows[r][c]);
            const bool label = !section.table && c == 0 && section.rows[r].size() > 1;
            html += head || label ? QStringLiteral("<th align=\"left\">") + cell + QStringLiteral("</th>")
                                  : QStringLiteral("<td>") + cell + QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

} // namespace

QString recordHtml(const record::ThreadRecord& record)
{
    QString html = QStringLiteral("<html><body style=\"font-family: 'Liberation Sans', sans-serif; font-size: 9pt\">"
                                  "<h2>") +
                   escaped(record.title) + QStringLiteral("</h2>");
    for (const record::Section& section : record.sections) {
        if (!section.heading.empty()) {
            html += QStringLiteral("<h4>") + escaped(section.heading) + QStringLiteral("</h4>");
        }
        if (!section.rows.empty()) {
            html += tableHtml(section);
        }
    }
    return html + QStringLiteral("</body></html>");
}

QPageSize::PageSizeId localePaper()
{
    const QLocale::Territory territory = QLocale().territory();
    return territory == QLocale::UnitedStates || territory == QLocale::Canada ? QPageSize::Letter : QPageSize::A4;
}

void drawRecord(const record::ThreadRecord& record, QPagedPaintDevice& device)
{
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    document.setHtml(recordHtml(record));
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    // One page: a record taller than the page is laid out wider and drawn
    // smaller, so that it still fills the width, never split.
    double scale = 1.0;
    document.setTextWidth(page.width());
    while (document.size().height() * scale > page.height() && scale > 0.3) {
        scale -= 0.02;
        document.setTextWidth(page.width() / scale);
    }
    QPainter painter(&device);
    painter.scale(scale, scale);
    document.drawContents(&painter);
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
        drawRecord(record, writer);
    }
    if (file.error() != QFileDevice::NoError || !file.commit()) {
        return QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
    }
    return {};
}

bool printRecord(const record::ThreadRecord& record, QPrinter& printer)
{
    drawRecord(record, printer);
    return printer.printerState() != QPrinter::Error;
}

} // namespace orvanta
