#pragma once

#include <string>

namespace velmora {

class TDaten;

// The loaded catalogue as one JSON object, for support staff who must see what a delivery
// contains: the files that could not be read, the settings, and every group with its own
// variants and accessories and its products with theirs. Catalogue prices, never custom ones.
std::string catalogueDumpJson(const TDaten& daten);

}  // namespace velmora
