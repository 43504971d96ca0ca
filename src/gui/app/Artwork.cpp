#include "gui/app/Artwork.h"

#include <QCoreApplication>
#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace kelvora::Artwork {

QPixmap splash(const QSize& size)
{
    QPixmap pixmap(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, size.height());
    background.setColorAt(0, QColor(0x1f, 0x4e, 0x79));
    background.setColorAt(1, QColor(0x0b, 0x25, 0x3d));
    painter.fillRect(pixmap.rect(), background);

    // A pulse line across a heart-rate grid: the assessment office's mark.
    const qreal h = size.height();
    const qreal w = size.width();
    painter.setPen(QPen(QColor(255, 255, 255, 30), 1));
    for (qreal x = 0; x < w; x += h / 10)
        painter.drawLine(QPointF(x, 0), QPointF(x, h));
    for (qreal y = 0; y < h; y += h / 10)
        painter.drawLine(QPointF(0, y), QPointF(w, y));
    QPainterPath pulse(QPointF(0, h * 0.62));
    pulse.lineTo(w * 0.30, h * 0.62);
    pulse.lineTo(w * 0.34, h * 0.48);
    pulse.lineTo(w * 0.38, h * 0.78);
    pulse.lineTo(w * 0.42, h * 0.30);
    pulse.lineTo(w * 0.46, h * 0.70);
    pulse.lineTo(w * 0.49, h * 0.62);
    pulse.lineTo(w, h * 0.62);
    painter.setPen(
        QPen(QColor(0x7f, 0xd3, 0x8b), h * 0.018, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(pulse);

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(int(h * 0.17));
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, h * 0.08, w, h * 0.25), Qt::AlignHCenter | Qt::AlignVCenter,
                     QStringLiteral("Kelvora"));
    QFont subtitle(QStringLiteral("DejaVu Sans"));
    subtitle.setPixelSize(int(h * 0.065));
    painter.setFont(subtitle);
    painter.drawText(QRectF(0, h * 0.80, w, h * 0.12), Qt::AlignHCenter | Qt::AlignVCenter,
                     QStringLiteral("Sistema de Avaliação Física"));
    return pixmap;
}

QIcon icon()
{
    QIcon icon;
    const QDir sizes(QStringLiteral(":/icons"), QStringLiteral("kelvora-*.png"));
    for (const QString& file : sizes.entryList())
        icon.addFile(sizes.filePath(file));
    return icon;
}

QPixmap padlock(int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = side;
    // The shackle, then the body over its feet.
    painter.setPen(QPen(QColor(0x5b, 0x6b, 0x7a), s * 0.09, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(s * 0.27, s * 0.08, s * 0.46, s * 0.50), 0, 180 * 16);
    painter.drawLine(QPointF(s * 0.27, s * 0.33), QPointF(s * 0.27, s * 0.48));
    painter.drawLine(QPointF(s * 0.73, s * 0.33), QPointF(s * 0.73, s * 0.48));
    QLinearGradient body(0, s * 0.45, 0, s * 0.95);
    body.setColorAt(0, QColor(0x2e, 0x6d, 0xa4));
    body.setColorAt(1, QColor(0x1f, 0x4e, 0x79));
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawRoundedRect(QRectF(s * 0.14, s * 0.45, s * 0.72, s * 0.50), s * 0.08, s * 0.08);
    painter.setBrush(QColor(0x0b, 0x25, 0x3d));
    painter.drawEllipse(QPointF(s * 0.5, s * 0.64), s * 0.07, s * 0.07);
    painter.drawRect(QRectF(s * 0.47, s * 0.66, s * 0.06, s * 0.16));
    return pixmap;
}

} // namespace kelvora::Artwork
