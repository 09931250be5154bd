#pragma once

namespace velmora {

class TProdukt;

// The room dimensions that one tank of a product exceeds wherever it stands: the height,
// and the width or length (or both) when its footprint fits neither way round. A single
// tank stands in the room exactly when none is exceeded; nothing else is defined for it.
struct ZuKleineRaummasse {
    bool Breite = false;
    bool Laenge = false;
    bool Hoehe = false;

    bool keine() const { return !Breite && !Laenge && !Hoehe; }
};

// Room width, length and height in mm, as the search reads them.
ZuKleineRaummasse zuKleineRaummasse(const TProdukt& Produkt, double RaumBreite, double RaumLaenge,
                                    double RaumHoehe);

// Texts that say a product is a single tank, wherever it is shown in place of a battery.
inline constexpr const char* kEinzeltank = "Einzeltank";
inline constexpr const char* kKeineBatterieaufstellung = "keine Batterieaufstellung";
// In place of its wall distances: none are defined for a single tank.
inline constexpr const char* kKeineWandabstaende = "keine Angabe";

}  // namespace velmora
