#include "platform/qt/UpdateCheckModule.h"

#include <QLibrary>

namespace velmora {

QObject* startUpdateCheckModule(const std::string& programDirectory, QObject* parent, Host& shownBy,
                                const QString& currentVersion, const QUrl& address) {
    QLibrary module(QString::fromStdString(programDirectory) +
                    QLatin1String(kUpdateCheckModuleFile));
    // The module stays loaded: the check it starts runs on after this call.
    auto entry = reinterpret_cast<UpdateCheckEntry>(module.resolve(kUpdateCheckEntry));
    return entry != nullptr ? entry(parent, &shownBy, &currentVersion, &address) : nullptr;
}

}  // namespace velmora
