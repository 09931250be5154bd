#pragma once

#include <chrono>

namespace velmora::datanorm {

// Runs the host's event pump during long work, at most once per interval, so that a
// window stays responsive without the pump dominating the work.
class EventPump {
public:
    explicit EventPump(std::chrono::milliseconds interval = std::chrono::milliseconds(50));
    // Called once per unit of work.
    void tick();

private:
    std::chrono::milliseconds FInterval;
    unsigned FTicks = 0;
    std::chrono::steady_clock::time_point FLetzterLauf;
};

}  // namespace velmora::datanorm
