#include "datanorm/EventPump.h"

#include "base/Host.h"

namespace velmora::datanorm {

EventPump::EventPump(std::chrono::milliseconds interval)
    : FInterval(interval), FLetzterLauf(std::chrono::steady_clock::now()) {}

void EventPump::tick() {
    const auto jetzt = std::chrono::steady_clock::now();
    if (jetzt - FLetzterLauf >= FInterval) {
        host().processEvents();
        FLetzterLauf = jetzt;
    }
}

}  // namespace velmora::datanorm
