// Window geometry is laid out in twips (1/1440 inch), as the forms were drawn.
#pragma once

#include <QRect>
#include <QtMath>

namespace orvanta::forms {

inline constexpr int kTwipsPerInch = 1440;

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

[[nodiscard]] inline int twipsToPixels(int twips, qreal dotsPerInch)
{
    return qRound(twips * dotsPerInch / kTwipsPerInch);
}

// Edges are converted, not sizes, so neighbouring controls that share an edge
// in twips share it in pixels too.
[[nodiscard]] inline QRect toPixels(const TwipsRect& r, qreal dpiX, qreal dpiY)
{
    const int left = twipsToPixels(r.left, dpiX);
    const int top = twipsToPixels(r.top, dpiY);
    const int right = twipsToPixels(r.left + r.width, dpiX);
    const int bottom = twipsToPixels(r.top + r.height, dpiY);
    return {left, top, right - left, bottom - top};
}

} // namespace orvanta::forms
