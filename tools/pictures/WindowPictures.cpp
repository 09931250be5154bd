#include "WindowPictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace velmora::pictures {

namespace {

const QColor kNavy(0x1B, 0x36, 0x5D);
const QColor kAmber(0xF5, 0xA6, 0x23);
const QColor kRed(0xC0, 0x39, 0x2B);

// A row of upright tanks seen from the front, as a light silhouette.
void drawTankRow(QPainter& painter, QRectF area, int count, const QColor& colour) {
    const qreal gap = area.width() * 0.06;
    const qreal width = (area.width() - gap * (count - 1)) / count;
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    for (int index = 0; index < count; ++index) {
        const QRectF tank(area.left() + index * (width + gap), area.top(), width, area.height());
        painter.drawRoundedRect(tank, width * 0.18, width * 0.18);
    }
    painter.drawRect(
        QRectF(area.left(), area.top() - area.height() * 0.12, area.width(), area.height() * 0.05));
}

}  // namespace

void writeHeaderPicture(PictureWriter& writer) {
    // 560 x 60 window pixels at twice the resolution.
    constexpr int width = 1120;
    constexpr int height = 120;
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient background(QPointF(0, 0), QPointF(width, 0));
    background.setColorAt(0.0, kNavy);
    background.setColorAt(1.0, QColor(0x2E, 0x5C, 0x8A));
    painter.fillRect(image.rect(), background);
    drawTankRow(painter, QRectF(width - 330, 34, 300, 78), 4, QColor(255, 255, 255, 46));
    painter.fillRect(QRect(0, height - 8, width, 8), kAmber);

    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(44);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRect(32, 10, width - 400, 60), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Tankplanung"));
    QFont subtitle(QStringLiteral("Arial"));
    subtitle.setPixelSize(26);
    painter.setFont(subtitle);
    painter.setPen(QColor(0xDD, 0xE6, 0xF0));
    painter.drawText(QRect(34, 66, width - 400, 36), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Batterietanks für Keller- und Heizräume"));
    painter.end();
    writer.save(QStringLiteral("images/header.jpg"), image);
}

void writeProgramIcon(PictureWriter& writer) {
    constexpr int size = 256;
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kNavy);
    painter.drawRoundedRect(QRectF(8, 8, size - 16, size - 16), 44, 44);
    drawTankRow(painter, QRectF(44, 120, 168, 96), 3, QColor(0xDD, 0xE6, 0xF0));

    QPainterPath drop;
    drop.moveTo(128, 28);
    drop.cubicTo(146, 58, 166, 74, 166, 96);
    drop.cubicTo(166, 116, 149, 130, 128, 130);
    drop.cubicTo(107, 130, 90, 116, 90, 96);
    drop.cubicTo(90, 74, 110, 58, 128, 28);
    QLinearGradient fill(QPointF(96, 36), QPointF(160, 128));
    fill.setColorAt(0.0, kAmber);
    fill.setColorAt(1.0, kRed);
    painter.setBrush(fill);
    painter.drawPath(drop);
    painter.end();
    writer.save(QStringLiteral("images/velmora.png"), image);
}

}  // namespace velmora::pictures
