#include "platform/qt/QtRasterImage.h"

#include <algorithm>

namespace velmora {

namespace {

QImage whiteImage(int width, int height, double devicePixelRatio) {
    const double ratio = devicePixelRatio > 0.0 ? devicePixelRatio : 1.0;
    QImage image(std::max(qRound(width * ratio), 1), std::max(qRound(height * ratio), 1),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

}  // namespace

QtRasterImage::QtRasterImage(int width, int height, double devicePixelRatio)
    : image_(whiteImage(width, height, devicePixelRatio)),
      painter_(&image_),
      canvas_(painter_, std::max(width, 1), std::max(height, 1), image_.logicalDpiY()) {}

QtRasterImage::~QtRasterImage() {
    painter_.end();
}

}  // namespace velmora
