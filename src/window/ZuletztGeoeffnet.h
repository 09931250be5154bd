#pragma once

#include <QStringList>

namespace velmora {

// The plans opened or saved last, newest first, kept in the user's settings so that every
// window and every later start offers them.
class ZuletztGeoeffnet {
public:
    static constexpr int kAnzahl = 8;

    QStringList dateien() const;
    // Puts the file first; an older entry of the same file goes, the ninth falls off.
    void nimmAuf(const QString& path);
    void entferne(const QString& path);

private:
    void speichere(const QStringList& dateien);
};

}  // namespace velmora
