#pragma once

#include <filesystem>
#include <string>

namespace velmora {

// The advisory lock (flock) on a price store directory, held for the whole of one
// read-modify-write, so that concurrent writers (the tool, a second window) take turns
// and none overwrites an update another has already reported as done. Creates the
// directory; waits while another process holds the lock.
class PriceStoreLock {
public:
    explicit PriceStoreLock(const std::filesystem::path& directory);
    ~PriceStoreLock();
    PriceStoreLock(const PriceStoreLock&) = delete;
    PriceStoreLock& operator=(const PriceStoreLock&) = delete;

    bool isHeld() const { return FFd >= 0; }
    // Why the lock could not be taken (the system's reason); empty while held.
    const std::string& error() const { return FError; }

private:
    int FFd = -1;
    std::string FError;
};

}  // namespace velmora
