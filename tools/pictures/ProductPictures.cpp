#include "ProductPictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>

#include "Material.h"

namespace velmora::pictures {

namespace {

// The proportions of the printout's picture box (466 x 403), at one and a half times.
constexpr int width = 699;
constexpr int height = 604;

QImage sideView(const DemoProduct& product) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const Material material = materialOf(product.productGroup);

    // The tallest and longest tanks of the catalogue set the scale, so sizes compare.
    const double scale = std::min(0.8 * width / std::max(product.length, 2500),
                                  0.72 * height / std::max(product.height, 2000));
    const double w = product.length * scale;
    const double h = product.height * scale;
    const double floor = height - 70.0;
    const QRectF body((width - w) / 2, floor - h, w, h);

    QRadialGradient shadow(QPointF(width / 2.0, floor), w * 0.65);
    shadow.setColorAt(0.0, QColor(0, 0, 0, 70));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow);
    painter.drawEllipse(QPointF(width / 2.0, floor), w * 0.65, 22);

    QLinearGradient light(body.topLeft(), body.topRight());
    light.setColorAt(0.0, material.body.darker(118));
    light.setColorAt(0.3, material.body.lighter(108));
    light.setColorAt(1.0, material.body.darker(125));
    painter.setPen(QPen(material.shade, 3.0));
    painter.setBrush(light);
    const double corner = 0.08 * std::min(w, h);
    painter.drawRoundedRect(body, corner, corner);

    if (material.ribbed) {
        painter.setPen(QPen(material.shade.lighter(125), 2.0));
        for (int i = 1; i <= 4; ++i) {
            const double y = body.top() + body.height() * i / 5.0;
            painter.drawLine(QPointF(body.left() + 10, y), QPointF(body.right() - 10, y));
        }
    } else {
        // Welded steel: two weld seams and feet.
        painter.setPen(QPen(material.shade, 2.0));
        painter.drawLine(QPointF(body.left() + 0.1 * w, body.top()),
                         QPointF(body.left() + 0.1 * w, body.bottom()));
        painter.drawLine(QPointF(body.right() - 0.1 * w, body.top()),
                         QPointF(body.right() - 0.1 * w, body.bottom()));
    }

    // Fittings dome on top, towards the front end.
    const double domeWidth = std::max(40.0, 0.22 * w);
    const QRectF dome(body.left() + 0.12 * w, body.top() - 26, domeWidth, 30);
    painter.setPen(QPen(material.shade.darker(130), 2.0));
    painter.setBrush(material.dome);
    painter.drawRoundedRect(dome, 6, 6);
    painter.setBrush(QColor(0xB0, 0x3A, 0x2E));
    for (int i = 0; i < 3; ++i) {
        painter.drawRect(
            QRectF(dome.left() + 8 + i * (domeWidth - 22) / 2, dome.top() - 12, 6, 12));
    }

    // Type plate with the nominal volume.
    const QRectF plate(body.center().x() - 70, body.top() + 0.3 * h, 140, 54);
    painter.setPen(QPen(QColor(0x33, 0x33, 0x33), 1.5));
    painter.setBrush(QColor(0xFA, 0xFA, 0xF5));
    painter.drawRect(plate);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(20);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0x1B, 0x36, 0x5D));
    painter.drawText(plate.adjusted(0, 4, 0, -plate.height() / 2), Qt::AlignCenter,
                     QStringLiteral("HALVEX"));
    font.setBold(false);
    painter.setFont(font);
    painter.setPen(QColor(0x33, 0x33, 0x33));
    painter.drawText(plate.adjusted(0, plate.height() / 2, 0, -4), Qt::AlignCenter,
                     QStringLiteral("%1 l").arg(product.litres));
    return image;
}

}  // namespace

void writeProductPictures(const QVector<DemoProduct>& products, PictureWriter& writer) {
    for (const DemoProduct& product : products) {
        if (product.productPicture.isEmpty()) {
            continue;
        }
        writer.save(product.productPicture, sideView(product));
    }
}

}  // namespace velmora::pictures
