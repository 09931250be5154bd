#include "PictureWriter.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

namespace velmora::pictures {

PictureWriter::PictureWriter(const QString& root) : root_(root) {}

void PictureWriter::save(const QString& relativePath, const QImage& image) {
    const QString path = root_.filePath(relativePath);
    const QString clean = QDir::cleanPath(relativePath);
    if (QDir::isAbsolutePath(relativePath) || clean == QLatin1String("..") ||
        clean.startsWith(QLatin1String("../"))) {
        failures_ << QStringLiteral("%1: outside %2").arg(relativePath, root_.path());
        return;
    }
    const QString suffix = QFileInfo(relativePath).suffix().toLower();
    if (suffix != QLatin1String("jpg") && suffix != QLatin1String("bmp") &&
        suffix != QLatin1String("png")) {
        failures_ << QStringLiteral("%1: not .jpg, .bmp or .png").arg(relativePath);
        return;
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        failures_ << QStringLiteral("%1: cannot create its folder").arg(path);
        return;
    }
    const bool jpeg = suffix == QLatin1String("jpg");
    const bool png = suffix == QLatin1String("png");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        failures_ << QStringLiteral("%1: %2").arg(path, file.errorString());
        return;
    }
    QImageWriter writer(&file, jpeg ? "jpeg" : (png ? "png" : "bmp"));
    if (jpeg) {
        writer.setQuality(92);
    }
    // Bitmaps keep exact colours: their white is the transparent key. PNG icons keep alpha.
    const QImage pixels = image.convertToFormat(png ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (!writer.write(pixels) || !file.commit()) {
        failures_ << QStringLiteral("%1: %2").arg(path, writer.errorString());
        return;
    }
    ++written_;
}

}  // namespace velmora::pictures
