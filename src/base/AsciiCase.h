#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Compares texts with the letters A-Z and a-z taken as equal; every other byte must match.
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);

// The text with A-Z turned into a-z; a key under which texts equal by
// equalsIgnoringAsciiCase meet.
std::string toAsciiLower(std::string_view text);

}  // namespace velmora
