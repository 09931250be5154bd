#include "datanorm/EventPump.h"

#include "base/Host.h"

namespace velmora::datanorm {

EventPump::EventPump(std::chrono::milliseconds interval)
    : FInterval(interval), FLetzterLauf(std::chrono::steady_clock::now()) {}

void EventPump::tick() {
    // A unit of work takes well under a microsecond; the clock is read every 64 of them.
    if (++FTicks % 64 != 0) {
        return;
    }
    const auto jetzt = std::chrono::steady_clock::now();
    if (jetzt - FLetzterLauf >= FInterval) {
        host().processEvents();
        FLetzterLauf = jetzt;
    }
}

}  // namespace velmora::datanorm
