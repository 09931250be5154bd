#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

// The numbers of "settings.dta", lines 0 to 10: room width, length and height, volume,
// bring-in height and width (the defaults), the three room limits, the volume limit with a
// boiler room and the volume tolerance. Metres and litres.
inline constexpr std::size_t kEinstellungszahlen = 11;
using Einstellungszahlen = std::array<double, kEinstellungszahlen>;

// The numbers in line order, read leniently (trailing text ignored); none when a line is
// missing (the project name's line too, though it may be empty), does not start with a number, or
// its value lies outside the range the planning can use (every length and volume positive, the
// defaults within the room limits). A file cut short or overwritten thus reads as damaged instead
// of planning with zeros.
std::optional<Einstellungszahlen> leseEinstellungszahlen(const std::vector<std::string>& zeilen);

}  // namespace velmora
