#include "platform/qt/QtOffscreen.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>

#include <clocale>
#include <string_view>

#include "base/AtomicFile.h"
#include "base/FileName.h"

namespace velmora {

namespace {

QtMessageHandler previousHandler = nullptr;

// A command-line run has no desktop session; Qt's note that it falls back to a default
// runtime directory says nothing the user could act on.
void dropRuntimeDirectoryNote(QtMsgType type, const QMessageLogContext& context,
                              const QString& message) {
    if (type == QtWarningMsg && message.startsWith("QStandardPaths: XDG_RUNTIME_DIR not set")) {
        return;
    }
    if (previousHandler != nullptr) {
        previousHandler(type, context, message);
    }
}

}  // namespace

void ensureOffscreenApplication() {
    if (QGuiApplication::instance()) {
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "velmora";
    static char* argv[] = {name, nullptr};
    previousHandler = qInstallMessageHandler(dropRuntimeDirectoryNote);
    // Lives until the process ends; Qt's fonts refer to it to the last paint.
    static QGuiApplication* application = new QGuiApplication(argc, argv);
    (void)application;
    // Qt adopts the user's locale for C functions too; machine formats must stay in "C".
    std::setlocale(LC_NUMERIC, "C");
}

bool savePngAtomically(const QtRasterImage& image, const std::string& file, std::string& error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.image().save(&buffer, "PNG")) {
        error = "Das Bild konnte nicht als PNG kodiert werden.";
        return false;
    }
    return writeBytesAtomically(file, bytes, error);
}

bool writeBytesAtomically(const std::string& file, const QByteArray& bytes, std::string& error) {
    const WriteResult written = writeFileAtomically(
        file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!written) {
        error = "Die Datei " + quotedFileName(file) +
                " konnte nicht geschrieben werden: " + written.error + ".";
    }
    return static_cast<bool>(written);
}

}  // namespace velmora
