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

}  // namespace

std::future<FensterBilder> ladeFensterBilder(const std::string& appPath, QSize logoGroesse) {
    const QString bilder = QString::fromStdString(appPath) + QStringLiteral("images/");
    return std::async(std::launch::async | std::launch::deferred, [bilder, logoGroesse] {
        return FensterBilder{bild(bilder + QStringLiteral("velmora.png"), "png"),
                             bild(bilder + QStringLiteral("halvex-logo.jpg"), "jpeg", logoGroesse),
                             bild(bilder + QStringLiteral("header.jpg"), "jpeg")};
    });
}

}  // namespace velmora
