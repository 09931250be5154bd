#include "TankPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTransform>

#include <algorithm>

#include "Material.h"
#include "TankDome.h"

namespace velmora::pictures {

namespace {

// Picture pixels per millimetre of tank.
constexpr double scale = 0.3;
// The plan's floor colour, so that the rounded corners melt into the room.
const QColor floorColour(192, 192, 192);

// The tank with its dome at the top edge: width across, length down the picture.
QImage domeAtTop(const DemoProduct& product) {
    const int width = std::max(8, qRound(product.width * scale));
    const int height = std::max(8, qRound(product.length * scale));
    const Material material = materialOf(product.productGroup);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(floorColour);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF body(1.5, 1.5, width - 3.0, height - 3.0);
    const double corner = 0.12 * std::min(width, height);
    QLinearGradient light(body.topLeft(), body.topRight());
    light.setColorAt(0.0, material.body.darker(112));
    light.setColorAt(0.35, material.body.lighter(106));
    light.setColorAt(1.0, material.body.darker(118));
    painter.setPen(QPen(material.shade, 2.0));
    painter.setBrush(light);
    painter.drawRoundedRect(body, corner, corner);

    // Fittings dome near the top edge, where the catalogue's pipe band runs.
    const double domeDiameter = 0.36 * width;
    const double domeY = domeCentreFromEdge(product.width) * scale;
    const QPointF domeCentre(width / 2.0, domeY);

    if (material.ribbed) {
        painter.setPen(QPen(material.shade.lighter(130), 1.2));
        const double top = domeY + domeDiameter / 2 + 0.06 * height;
        const int ribs = std::max(2, qRound((height - top) / (0.12 * height)));
        for (int i = 0; i < ribs; ++i) {
            const double y = top + (height - top - 0.06 * height) * i / std::max(1, ribs - 1);
            painter.drawLine(QPointF(0.12 * width, y), QPointF(0.88 * width, y));
        }
    }

    // Type plate on the far end.
    painter.setPen(QPen(material.shade, 1.0));
    painter.setBrush(QColor(0xFA, 0xFA, 0xF5));
    const QSizeF plate(0.3 * width, 0.05 * height);
    painter.drawRect(
        QRectF(QPointF(width / 2.0 - plate.width() / 2, height - 0.1 * height), plate));

    painter.setPen(QPen(material.shade.darker(130), 1.5));
    painter.setBrush(material.dome);
    painter.drawEllipse(domeCentre, domeDiameter / 2, domeDiameter / 2);
    painter.setBrush(material.dome.lighter(140));
    painter.drawEllipse(domeCentre, domeDiameter / 3.2, domeDiameter / 3.2);
    // Connections on the dome: filling, venting, level gauge.
    painter.setBrush(QColor(0xB0, 0x3A, 0x2E));
    const double fitting = std::max(1.5, domeDiameter / 11);
    for (int i = -1; i <= 1; ++i) {
        painter.drawEllipse(domeCentre + QPointF(i * domeDiameter / 5, 0), fitting, fitting);
    }
    return image;
}

QImage rotated(const QImage& image, int degrees) {
    return image.transformed(QTransform().rotate(degrees));
}

}  // namespace

void writeTankPictures(const QVector<DemoProduct>& products, PictureWriter& writer) {
    for (const DemoProduct& product : products) {
        const QImage top = domeAtTop(product);
        const QString name = product.tankGraphic;
        writer.save(QStringLiteral("images/graphics/h/%1o.jpg").arg(name), top);
        const QImage left = rotated(top, 270);
        // Fittings that sit opposite stay at the top / left edge: the other picture is the
        // mirror image along the tank instead of the half turn.
        const bool opposite = product.fittingsOpposite;
        writer.save(QStringLiteral("images/graphics/h/%1u.jpg").arg(name),
                    opposite ? top.mirrored(true, false) : rotated(top, 180));
        writer.save(QStringLiteral("images/graphics/v/%1l.jpg").arg(name), left);
        writer.save(QStringLiteral("images/graphics/v/%1r.jpg").arg(name),
                    opposite ? left.mirrored(false, true) : rotated(top, 90));
    }
}

}  // namespace velmora::pictures
