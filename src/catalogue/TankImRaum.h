#pragma once

namespace velmora {

class TProdukt;
struct Suchvorgaben;

// The room dimensions that one tank of a product exceeds wherever it stands: the height,
// and the width or length (or both) when its footprint fits neither way round. A single
// tank stands in the room exactly when none is exceeded; nothing else is defined for it.
struct ZuKleineRaummasse {
    bool Breite = false;
    bool Laenge = false;
    bool Hoehe = false;

    bool keine() const { return !Breite && !Laenge && !Hoehe; }
};

// Against the room of the search.
ZuKleineRaummasse zuKleineRaummasse(const TProdukt& Produkt, const Suchvorgaben& Vorgaben);

// Texts that say a product is a single tank, wherever it is shown in place of a battery.
inline constexpr const char* kEinzeltank = "Einzeltank";
inline constexpr const char* kKeineBatterieaufstellung = "keine Batterieaufstellung";
// In place of its wall distances: none are defined for a single tank.
inline constexpr const char* kKeineWandabstaende = "keine Angabe";

}  // namespace velmora
