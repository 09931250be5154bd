#include "BoilerRoomPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace velmora::pictures {

namespace {

constexpr int size = 360;

// The boiler room with its corner walls at the top and left, without the flame sign.
QImage topLeftPlan() {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(QColor(0xF3, 0xEC, 0xE4));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // Tiled floor.
    painter.setPen(QPen(QColor(0xE2, 0xD6, 0xC8), 1.0));
    for (int i = 30; i < size; i += 30) {
        painter.drawLine(i, 0, i, size);
        painter.drawLine(0, i, size, i);
    }

    // The boiler against the corner walls, with its burner and the flue to the chimney.
    const QRectF boiler(24, 24, 190, 150);
    painter.setPen(QPen(QColor(0x6E, 0x1F, 0x17), 3.0));
    painter.setBrush(QColor(0xC0, 0x44, 0x32));
    painter.drawRoundedRect(boiler, 14, 14);
    painter.setBrush(QColor(0xE3, 0x8B, 0x6F));
    painter.drawRoundedRect(boiler.adjusted(18, 18, -18, -18), 8, 8);

    painter.setPen(QPen(QColor(0x44, 0x44, 0x44), 3.0));
    painter.setBrush(QColor(0x9A, 0x9A, 0x9A));
    painter.drawEllipse(QPointF(70, 70), 26, 26);
    painter.setBrush(QColor(0x5A, 0x5A, 0x5A));
    painter.drawEllipse(QPointF(70, 70), 12, 12);

    // Service area in front of the boiler.
    painter.setPen(QPen(QColor(0x8C, 0x7B, 0x6A), 2.0, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(24, 196, 190, 120));
    painter.drawLine(QPointF(24, 196), QPointF(214, 316));
    painter.drawLine(QPointF(214, 196), QPointF(24, 316));

    // Heating pipes leaving along the wall.
    painter.setPen(QPen(QColor(0xC0, 0x44, 0x32), 6.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(214, 60), QPointF(size, 60));
    painter.setPen(QPen(QColor(0x2E, 0x6E, 0xB0), 6.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(214, 84), QPointF(size, 84));
    return image;
}

// The plan mirrored into another corner, with the flame sign upright on the boiler's front.
QImage inCorner(const QImage& plan, bool mirrorX, bool mirrorY) {
    QImage image = plan.mirrored(mirrorX, mirrorY);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(mirrorX ? size - 294 : 0, mirrorY ? size - 230 : 0);
    QPainterPath flame;
    flame.moveTo(150, 150);
    flame.cubicTo(120, 140, 125, 105, 150, 80);
    flame.cubicTo(148, 105, 178, 115, 168, 140);
    flame.cubicTo(164, 148, 158, 151, 150, 150);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xFF, 0xC1, 0x3B));
    painter.drawPath(flame);
    return image;
}

}  // namespace

void writeBoilerRoomPictures(PictureWriter& writer) {
    const QImage plan = topLeftPlan();
    writer.save(QStringLiteral("images/graphics/heizung-topleft.jpg"),
                inCorner(plan, false, false));
    writer.save(QStringLiteral("images/graphics/heizung-topright.jpg"),
                inCorner(plan, true, false));
    writer.save(QStringLiteral("images/graphics/heizung-bottomleft.jpg"),
                inCorner(plan, false, true));
    writer.save(QStringLiteral("images/graphics/heizung-bottomright.jpg"),
                inCorner(plan, true, true));
}

}  // namespace velmora::pictures
