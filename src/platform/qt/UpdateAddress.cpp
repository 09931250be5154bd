#include "platform/qt/UpdateAddress.h"

#include <QSettings>

namespace velmora {

bool isWebAddress(const QUrl& url) {
    return url.isValid() && !url.host().isEmpty() &&
           (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

QUrl updateAddress(const QSettings& settings) {
    const QUrl address(settings.value(QLatin1String(kUpdateAddressKey)).toString().trimmed());
    return isWebAddress(address) ? address : QUrl();
}

}  // namespace velmora
