#include "catalogue/TankImRaum.h"

#include <algorithm>

#include "catalogue/TProdukt.h"

namespace velmora {

ZuKleineRaummasse zuKleineRaummasse(const TProdukt& Produkt, const Suchvorgaben& Vorgaben) {
    const int RaumBreite = Vorgaben.RaumBreite;
    const int RaumLaenge = Vorgaben.RaumLaenge;
    const int b = Produkt.getBreite();
    const int l = Produkt.getLaenge();
    ZuKleineRaummasse zuKlein;
    zuKlein.Hoehe = Produkt.getHoehe() > Vorgaben.RaumHoehe;
    const bool grundflaechePasst =
        (b <= RaumBreite && l <= RaumLaenge) || (l <= RaumBreite && b <= RaumLaenge);
    if (!grundflaechePasst) {
        // A side shorter than the tank's narrow side is too small however the tank is turned;
        // when neither is, the long side fits along neither, and both are.
        const int schmal = std::min(b, l);
        zuKlein.Breite = schmal > RaumBreite;
        zuKlein.Laenge = schmal > RaumLaenge;
        if (!zuKlein.Breite && !zuKlein.Laenge) {
            zuKlein.Breite = zuKlein.Laenge = true;
        }
    }
    return zuKlein;
}

}  // namespace velmora
