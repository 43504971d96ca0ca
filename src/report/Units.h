#pragma once

#include <QFont>
#include <QRectF>

namespace kelvora::report {

// Pages are laid out in millimetres and painted in dots of 1/1200 inch, measured
// from the paper's top-left corner; each device scales dots to its own pixels.
// Fonts are given in points and painted at a pixel size in dots, so a text measures
// the same on the screen, on paper and in a PDF and wraps at the same words.
inline constexpr double DotsPerInch = 1200.0;
inline constexpr double DotsPerMm = DotsPerInch / 25.4;

inline double dots(double millimetres)
{
    return millimetres * DotsPerMm;
}
inline QRectF dots(const QRectF& millimetres)
{
    return {dots(millimetres.x()), dots(millimetres.y()), dots(millimetres.width()),
            dots(millimetres.height())};
}
inline double millimetres(double dots)
{
    return dots / DotsPerMm;
}

// `font` (sized in points) as it is painted: the same face at its size in dots.
QFont paintedFont(const QFont& font);

// The face every text of a report starts with; Debian's fonts-dejavu-core has it.
QFont defaultFont(double pointSize = 10);

} // namespace kelvora::report
