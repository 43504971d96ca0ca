#include "report/Units.h"

#include <cmath>

namespace kelvora::report {

QFont paintedFont(const QFont& font)
{
    QFont painted(font);
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : 10.0;
    painted.setPixelSize(int(std::lround(points * DotsPerInch / 72.0)));
    return painted;
}

QFont defaultFont(double pointSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace kelvora::report
