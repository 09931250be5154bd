#pragma once

#include <QSettings>

namespace velmora {

// The user's settings file of the program (~/.config/HalvexVelmora/Velmora.ini): the update
// address an installation's owner may set, the recent plans.
inline QSettings benutzerEinstellungen() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("HalvexVelmora"),
                     QStringLiteral("Velmora"));
}

}  // namespace velmora
