#include "catalogue/TankImRaum.h"

#include <algorithm>

#include "catalogue/TProdukt.h"

namespace velmora {

ZuKleineRaummasse zuKleineRaummasse(const TProdukt& Produkt, double RaumBreite, double RaumLaenge,
                                    double RaumHoehe) {
    const double b = Produkt.getBreite();
    const double l = Produkt.getLaenge();
    ZuKleineRaummasse zuKlein;
    zuKlein.Hoehe = Produkt.getHoehe() > RaumHoehe;
    const bool grundflaechePasst =
        (b <= RaumBreite && l <= RaumLaenge) || (l <= RaumBreite && b <= RaumLaenge);
    if (!grundflaechePasst) {
        // A side shorter than the tank's narrow side is too small however the tank is turned;
        // when neither is, the long side fits along neither, and both are.
        const double schmal = std::min(b, l);
        zuKlein.Breite = schmal > RaumBreite;
        zuKlein.Laenge = schmal > RaumLaenge;
        if (!zuKlein.Breite && !zuKlein.Laenge) {
            zuKlein.Breite = zuKlein.Laenge = true;
        }
    }
    return zuKlein;
}

}  // namespace velmora
