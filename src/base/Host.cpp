#include "base/Host.h"

namespace velmora {

namespace {
NullHost nullHost;
Host* currentHost = &nullHost;
}  // namespace

Host& host() {
    return *currentHost;
}

void installHost(Host* newHost) {
    currentHost = newHost ? newHost : &nullHost;
}

}  // namespace velmora
