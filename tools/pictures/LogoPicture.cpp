#include "LogoPicture.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace velmora::pictures {

void writeLogoPicture(PictureWriter& writer) {
    // 874 x 170 page units at twice the resolution.
    constexpr int width = 1748;
    constexpr int height = 340;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // An oil drop.
    QPainterPath drop;
    drop.moveTo(150, 30);
    drop.cubicTo(190, 110, 250, 160, 250, 220);
    drop.cubicTo(250, 280, 205, 315, 150, 315);
    drop.cubicTo(95, 315, 50, 280, 50, 220);
    drop.cubicTo(50, 160, 110, 110, 150, 30);
    QLinearGradient fill(QPointF(60, 40), QPointF(240, 310));
    fill.setColorAt(0.0, QColor(0xF5, 0xA6, 0x23));
    fill.setColorAt(1.0, QColor(0xC0, 0x39, 0x2B));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(drop);
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawEllipse(QPointF(112, 225), 18, 34);

    QFont brand(QStringLiteral("Arial"));
    brand.setPixelSize(190);
    brand.setBold(true);
    brand.setLetterSpacing(QFont::AbsoluteSpacing, 8);
    painter.setFont(brand);
    painter.setPen(QColor(0x1B, 0x36, 0x5D));
    painter.drawText(QRect(300, 10, width - 320, 220), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("HALVEX"));

    painter.fillRect(QRect(304, 232, width - 340, 6), QColor(0xF5, 0xA6, 0x23));

    QFont claim(QStringLiteral("Arial"));
    claim.setPixelSize(62);
    painter.setFont(claim);
    painter.setPen(QColor(0x4A, 0x55, 0x60));
    painter.drawText(QRect(304, 250, width - 340, 80), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Tanksysteme für Heizöl"));
    painter.end();
    writer.save(QStringLiteral("images/halvex-logo.jpg"), image);
}

}  // namespace velmora::pictures
