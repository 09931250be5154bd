#include "platform/qt/QtPictureLoader.h"

#include <QFileInfo>
#include <QImageReader>

#include <utility>

namespace velmora {

namespace {

QByteArray formatName(PictureFormat format) {
    switch (format) {
        case PictureFormat::Bitmap:
            return "bmp";
        case PictureFormat::Jpeg:
            return "jpeg";
        case PictureFormat::Png:
            return "png";
        case PictureFormat::Gif:
            break;
    }
    return "gif";
}

// Pure white becomes fully transparent; everything else stays exactly as it was.
QImage keyedOnWhite(const QImage& decoded) {
    QImage image = decoded.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & 0x00FFFFFFu) == 0x00FFFFFFu) {
                line[x] = 0;
            }
        }
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

QtPicture::QtPicture(QImage image, Transparency transparency)
    : image_(std::move(image)), transparency_(transparency) {}

std::unique_ptr<Picture> QtPictureLoader::load(const std::string& path, PictureFormat format,
                                               Transparency transparency) {
    const QString file = QString::fromStdString(path);
    if (!QFileInfo(file).isFile()) {
        return nullptr;
    }
    QImageReader reader(file, formatName(format));
    reader.setAutoDetectImageFormat(false);
    const QImage decoded = reader.read();
    if (decoded.isNull()) {
        return nullptr;
    }
    QImage image = transparency == Transparency::WhiteIsTransparent
                       ? keyedOnWhite(decoded)
                       : decoded.convertToFormat(decoded.hasAlphaChannel()
                                                     ? QImage::Format_ARGB32_Premultiplied
                                                     : QImage::Format_RGB32);
    return std::make_unique<QtPicture>(std::move(image), transparency);
}

}  // namespace velmora
