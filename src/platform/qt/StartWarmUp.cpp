#include "platform/qt/StartWarmUp.h"

#include <QDBusConnection>
#include <QFontMetrics>

#include <fontconfig/fontconfig.h>

#include <cstdlib>
#include <string>

namespace velmora {

void moveStartupIdLast() {
    const char* id = std::getenv("DESKTOP_STARTUP_ID");
    if (id == nullptr) {
        return;
    }
    const std::string kept = id;
    unsetenv("DESKTOP_STARTUP_ID");
    setenv("DESKTOP_STARTUP_ID", kept.c_str(), 1);
}

std::future<void> readFontConfiguration() {
    // The font database takes the configuration made here as the current one.
    return std::async(std::launch::async | std::launch::deferred,
                      [] { static_cast<void>(FcInit()); });
}

StartWarmUp::StartWarmUp(const QFont& font, std::future<void> fontConfiguration)
    : bus_(std::async(std::launch::async | std::launch::deferred,
                      [] { static_cast<void>(QDBusConnection::sessionBus().isConnected()); })) {
    fontConfiguration.wait();
    static_cast<void>(QFontMetrics(font).height());
}

StartWarmUp::~StartWarmUp() = default;

}  // namespace velmora
