#include "window/ZuletztGeoeffnet.h"

#include <QFileInfo>

#include "window/Benutzereinstellungen.h"

namespace velmora {

namespace {

const QString kSchluessel = QStringLiteral("ZuletztGeoeffnet");

// The same file under one name, however it was reached.
QString eindeutig(const QString& path) {
    const QFileInfo info(path);
    const QString kanonisch = info.canonicalFilePath();
    return kanonisch.isEmpty() ? info.absoluteFilePath() : kanonisch;
}

}  // namespace

QStringList ZuletztGeoeffnet::dateien() const {
    QStringList liste = benutzerEinstellungen().value(kSchluessel).toStringList();
    liste.removeAll(QString());
    return liste.mid(0, kAnzahl);
}

void ZuletztGeoeffnet::nimmAuf(const QString& path) {
    const QString datei = eindeutig(path);
    QStringList liste = dateien();
    liste.removeAll(datei);
    liste.prepend(datei);
    speichere(liste.mid(0, kAnzahl));
}

void ZuletztGeoeffnet::entferne(const QString& path) {
    QStringList liste = dateien();
    liste.removeAll(path);
    speichere(liste);
}

void ZuletztGeoeffnet::speichere(const QStringList& dateien) {
    QSettings einstellungen = benutzerEinstellungen();
    einstellungen.setValue(kSchluessel, dateien);
}

}  // namespace velmora
