#include "base/Host.h"

#include <utility>

namespace velmora {

namespace {
NullHost nullHost;
Host* currentHost = &nullHost;
thread_local Host* threadHost = nullptr;
}  // namespace

Host& host() {
    return threadHost != nullptr ? *threadHost : *currentHost;
}

void installHost(Host* newHost) {
    currentHost = newHost ? newHost : &nullHost;
}

NoHostOnThisThread::NoHostOnThisThread() : FVorher(std::exchange(threadHost, &nullHost)) {}

NoHostOnThisThread::~NoHostOnThisThread() {
    threadHost = FVorher;
}

}  // namespace velmora
