#include "window/FensterBilder.h"

#include <QImageReader>
#include <QString>

#include <chrono>
#include <utility>

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
// alone would be a quarter megabyte to convert and send.
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

FensterBilderLaden::FensterBilderLaden(const std::string& appPath, QSize logoGroesse) {
    const QString ordner = QString::fromStdString(appPath) + QStringLiteral("images/");
    std::promise<FensterBilder> ersteBilder;
    bilder_ = ersteBilder.get_future();
    symbol_ =
        std::async(std::launch::async | std::launch::deferred,
                   [ordner, logoGroesse, ersteBilder = std::move(ersteBilder)]() mutable {
                       ersteBilder.set_value(FensterBilder{
                           bild(ordner + QStringLiteral("halvex-logo.jpg"), "jpeg", logoGroesse),
                           bild(ordner + QStringLiteral("header.jpg"), "jpeg")});
                       return symbolGroessen(bild(ordner + QStringLiteral("velmora.png"), "png"));
                   });
}

FensterBilder FensterBilderLaden::bilder() {
    // Deferred, the thread's work runs here, the icon with it.
    if (symbol_.wait_for(std::chrono::seconds(0)) == std::future_status::deferred) {
        symbol_.wait();
    }
    return bilder_.get();
}

std::vector<QImage> FensterBilderLaden::symbol() {
    return symbol_.get();
}

}  // namespace velmora
