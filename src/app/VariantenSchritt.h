#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace velmora {

class TProdukt;

// One possible installation as the variant buttons see it: which variant it is (an id, equal
// for the two orientations of one variant) and its orientation. The search lists the two
// orientations of a variant next to each other, so stepping counts them once.
struct AufstellungsArt {
    int variante = 0;
    bool horizontal = true;
};

// The product's possible installations in list order; variants numbered by first appearance.
std::vector<AufstellungsArt> aufstellungsArten(const TProdukt& Produkt);

// The installation that ">" shows after the one at Index: the next variant, in the current
// orientation where it has one. Null past the end of the list.
std::optional<std::size_t> naechsteVariante(const std::vector<AufstellungsArt>& Liste,
                                            std::size_t Index);
// The installation that "<" shows before the one at Index; null before the first variant.
std::optional<std::size_t> vorherigeVariante(const std::vector<AufstellungsArt>& Liste,
                                             std::size_t Index);
// The other orientation of the installation at Index ("Tankanlage drehen"); null past the end.
std::optional<std::size_t> gedrehteAufstellung(const std::vector<AufstellungsArt>& Liste,
                                               std::size_t Index);

// Which of "<", ">" and "Tankanlage drehen" can act for the installation at Index.
struct VariantenBefehle {
    bool zurueck = false;
    bool weiter = false;
    bool drehen = false;
};
VariantenBefehle variantenBefehle(const std::vector<AufstellungsArt>& Liste, std::size_t Index);

// The row of a list of Anzahl rows that the list keys select from Zeile (-1: no current row)
// by Schritt (+1 the next, -1 the previous), wrapping at either end; without a current row
// the first (forward) or the last. -1 for an empty list.
int nachbarzeile(int Zeile, int Schritt, int Anzahl);

}  // namespace velmora
