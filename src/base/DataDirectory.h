#pragma once

#include <string>

namespace velmora {

// The per-user data directory of the program: $XDG_DATA_HOME (when set to an absolute
// path, else ~/.local/share) followed by "/HalvexVelmora/", with the trailing separator.
// Only computed, never created.
std::string generalDataDirectory();

}  // namespace velmora
