#include "platform/qt/QtRasterImage.h"

#include <algorithm>

namespace velmora {

namespace {

QImage whiteImage(int width, int height) {
    QImage image(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

}  // namespace

QtRasterImage::QtRasterImage(int width, int height)
    : image_(whiteImage(width, height)),
      painter_(&image_),
      canvas_(painter_, image_.width(), image_.height(), image_.logicalDpiY()) {}

QtRasterImage::~QtRasterImage() {
    painter_.end();
}

}  // namespace velmora
