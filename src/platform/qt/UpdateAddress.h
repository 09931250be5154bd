#pragma once

#include <QUrl>

class QSettings;

namespace velmora {

// The key of the update address in the user's settings file. Absent by default: the
// program contacts no one unless its owner sets an address.
inline constexpr char kUpdateAddressKey[] = "Update/Adresse";

// Whether url is an http or https address with a host.
bool isWebAddress(const QUrl& url);

// The update address of the settings; empty when none is set or it is not http or https.
QUrl updateAddress(const QSettings& settings);

}  // namespace velmora
