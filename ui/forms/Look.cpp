#include "Look.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>

namespace orvanta::forms {

namespace {

QColor resolve(const QWidget& widget, const ColorRef& color)
{
    if (const auto* fixed = std::get_if<QColor>(&color)) {
        return *fixed;
    }
    return widget.palette().color(std::get<QPalette::ColorRole>(color));
}

} // namespace

namespace {

// The face is chosen once: a list of families would make every font of every
// control search its fallbacks again, which is most of the start-up time.
QString formFamily()
{
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const char* candidate :
             {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arial", "Nimbus Sans", "DejaVu Sans"}) {
            if (installed.contains(QLatin1String(candidate))) {
                return QString::fromLatin1(candidate);
            }
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

} // namespace

QFont formFont(const FontSpec& style)
{
    QFont font(formFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(style.points);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    return font;
}

QStringList wrapKeepingBlanks(const QString& text, const QFontMetricsF& metrics, qreal width)
{
    if (metrics.horizontalAdvance(text) <= width) {
        return {text};
    }
    QStringList lines;
    QString line;
    qreal lineWidth = 0;
    qsizetype position = 0;
    while (position < text.size()) {
        const bool blank = text.at(position) == QLatin1Char(' ');
        qsizetype end = position;
        while (end < text.size() && (text.at(end) == QLatin1Char(' ')) == blank) {
            ++end;
        }
        const QString token = text.mid(position, end - position);
        position = end;
        const qreal tokenWidth = metrics.horizontalAdvance(token);
        const bool fits = lineWidth + tokenWidth <= width;
        if (blank && !fits) {
            lines << line;
            line.clear();
            lineWidth = 0;
        } else if (fits || line.isEmpty()) {
            line += token;
            lineWidth += tokenWidth;
        } else {
            while (line.endsWith(QLatin1Char(' '))) {
                line.chop(1);
            }
            lines << line;
            line = token;
            lineWidth = tokenWidth;
        }
    }
    lines << line;
    return lines;
}

void Caption::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event); // background and border only
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(isEnabled() ? QPalette::Normal : QPalette::Disabled, foregroundRole()));
    const QRect area = contentsRect();
    const QFontMetricsF metrics(font());
    const QStringList lines = wordWrap() ? wrapKeepingBlanks(text(), metrics, area.width()) : QStringList{text()};
    const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
    qreal top = area.top();
    for (const QString& line : lines) {
        painter.drawText(QRectF(area.left(), top, area.width(), metrics.height()), horizontal | Qt::AlignTop, line);
        top += metrics.lineSpacing();
    }
}

void setBackground(QWidget& widget, const ColorRef& color)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, resolve(widget, color));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

QLabel* makeLabel(QWidget& parent, const QString& name, const QString& caption, const QRect& geometry,
                  const LabelLook& look)
{
    auto* label = new Caption(caption, &parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    // Captions sit at the top of their box, as the forms were drawn.
    label->setAlignment(look.alignment | Qt::AlignTop);
    label->setMargin(0);
    label->setIndent(0);
    if (look.font) {
        label->setFont(formFont(*look.font));
    }
    if (look.background) {
        setBackground(*label, *look.background);
    }
    if (look.text) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, resolve(*label, *look.text));
        label->setPalette(palette);
    }
    if (look.border) {
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setLineWidth(1);
    }
    return label;
}

QWidget* makeLine(QWidget& parent, const QString& name, QPoint from, QPoint to, int width)
{
    auto* line = new QWidget(&parent);
    line->setObjectName(name);
    const int half = width / 2;
    const QRect span = QRect(from, to).normalized();
    line->setGeometry(span.left() - half, span.top() - half, span.width() - 1 + width, span.height() - 1 + width);
    setBackground(*line, QColor(Qt::black));
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    return line;
}

} // namespace orvanta::forms
