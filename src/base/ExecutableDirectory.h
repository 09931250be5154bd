#pragma once

#include <string>

namespace velmora {

// The directory of the running executable, where a program finds its catalogue; links are
// followed. argv0 serves when the system cannot say (no /proc).
std::string executableDirectory(const char* argv0);

}  // namespace velmora
