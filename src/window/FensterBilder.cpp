#include "window/FensterBilder.h"

#include <QImageReader>
#include <QString>

namespace velmora {

namespace {

// Naming the format spares probing every image plugin.
QImage bild(const QString& path, const char* format, const QSize& passendIn = QSize()) {
    QImageReader reader(path, format);
    if (passendIn.isValid()) {
        // The JPEG decoder scales while it decodes: a fraction of the time of decoding the
        // whole picture and scaling it afterwards.
        reader.setScaledSize(reader.size().scaled(passendIn, Qt::KeepAspectRatio));
    }
    return reader.read();
}

// The window system gets every size of the icon with the window: the 256-pixel picture
// alone would be a quarter megabyte to convert and send before the window shows.
std::vector<QImage> symbolGroessen(const QImage& symbol) {
    std::vector<QImage> groessen;
    for (const int seite : {16, 24, 32, 48, 64, 128}) {
        if (!symbol.isNull()) {
            groessen.push_back(
                symbol.scaled(seite, seite, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        }
    }
    return groessen;
}

}  // namespace

std::future<FensterBilder> ladeFensterBilder(const std::string& appPath, QSize logoGroesse) {
    const QString bilder = QString::fromStdString(appPath) + QStringLiteral("images/");
    return std::async(std::launch::async | std::launch::deferred, [bilder, logoGroesse] {
        return FensterBilder{symbolGroessen(bild(bilder + QStringLiteral("velmora.png"), "png")),
                             bild(bilder + QStringLiteral("halvex-logo.jpg"), "jpeg", logoGroesse),
                             bild(bilder + QStringLiteral("header.jpg"), "jpeg")};
    });
}

}  // namespace velmora
