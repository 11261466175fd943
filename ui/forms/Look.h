// Fonts, colours and the plain decoration controls (labels, lines, frames)
// the forms are drawn with.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QLabel>
#include <QPalette>

#include <optional>
#include <variant>

class QWidget;

namespace orvanta::forms {

struct FontSpec {
    qreal points = 8.25;
    bool bold = false;
    bool italic = false;
};

// The forms' face, "MS Sans Serif", with its look-alikes where it is missing.
[[nodiscard]] QFont formFont(const FontSpec& style);

// A fixed colour, or one taken from the platform's colour scheme.
using ColorRef = std::variant<QColor, QPalette::ColorRole>;

struct LabelLook {
    std::optional<ColorRef> background; // none: the window shows through
    std::optional<ColorRef> text;       // none: the default black
    bool border = false;
    Qt::Alignment alignment = Qt::AlignLeft;
    std::optional<FontSpec> font; // none: the window's font
};

// Greedy word wrap in which blanks keep their width: a run of blanks that
// reaches the edge ends the line (and is not carried over), a word that does
// not fit starts the next line, and a word wider than the line stands alone.
[[nodiscard]] QStringList wrapKeepingBlanks(const QString& text, const QFontMetricsF& metrics, qreal width);

// A label whose blanks take their full width when the caption wraps, as in
// the forms' own toolkit: leading and doubled blanks in captions decide
// where the words break.
class Caption : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The label belongs to `parent`.
QLabel* makeLabel(QWidget& parent, const QString& name, const QString& caption, const QRect& geometry,
                  const LabelLook& look);

// A straight line `width` pixels thick from `from` to `to` (horizontal or vertical).
QWidget* makeLine(QWidget& parent, const QString& name, QPoint from, QPoint to, int width);

void setBackground(QWidget& widget, const ColorRef& color);

} // namespace orvanta::forms
