#pragma once

#include <QString>
#include <QUrl>

#include <string>

class QObject;

namespace velmora {

class Host;

// The update check lives in a module in the program's directory, loaded only when an update
// address is set: the network libraries it needs would otherwise load with every start.
inline constexpr char kUpdateCheckModuleFile[] = "module/libvelmora-update.so";
inline constexpr char kUpdateCheckEntry[] = "velmoraStartUpdateCheck";

// The module's entry: starts an update check owned by parent that shows its offer through
// shownBy, and gives the check (its signal finished() ends every request).
using UpdateCheckEntry = QObject* (*)(QObject* parent, Host* shownBy, const QString* currentVersion,
                                      const QUrl* address);

// Loads the module from programDirectory and starts the check; nullptr when the module is
// missing or unusable, which the program takes as no check.
QObject* startUpdateCheckModule(const std::string& programDirectory, QObject* parent, Host& shownBy,
                                const QString& currentVersion, const QUrl& address);

}  // namespace velmora
