// The entry of the update check module.

#include <QtGlobal>

#include <type_traits>

#include "platform/qt/UpdateCheck.h"
#include "platform/qt/UpdateCheckModule.h"

extern "C" Q_DECL_EXPORT QObject* velmoraStartUpdateCheck(QObject* parent, velmora::Host* shownBy,
                                                          const QString* currentVersion,
                                                          const QUrl* address) {
    auto* check = new velmora::UpdateCheck(*currentVersion, *shownBy, parent);
    check->start(*address);
    return check;
}

// The entry keeps the type the program calls it by.
static_assert(std::is_same_v<decltype(&velmoraStartUpdateCheck), velmora::UpdateCheckEntry>);
