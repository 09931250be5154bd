#pragma once

#include <QFont>

#include <future>

namespace velmora {

// Call before starting threads that read the environment while the application object is
// made: it takes the startup notification's id out of the environment, which moves the
// entries behind it; this puts the id last, so that no other entry moves.
void moveStartupIdLast();

// Reads the font configuration (many small files) on a thread of its own; for the time the
// application object takes to connect to the display.
std::future<void> readFontConfiguration();

// What a window's construction would otherwise wait for on the main thread: the session bus
// (connected at the first label, for the accessibility bridge) connects on a thread of its
// own while the calling thread loads the font database with the window's font, after the
// font configuration. Create it after the application object and its locale; it ends before
// them, as its destructor waits for the connection.
class StartWarmUp {
public:
    StartWarmUp(const QFont& font, std::future<void> fontConfiguration);
    ~StartWarmUp();
    StartWarmUp(const StartWarmUp&) = delete;
    StartWarmUp& operator=(const StartWarmUp&) = delete;

private:
    std::future<void> bus_;
};

}  // namespace velmora
