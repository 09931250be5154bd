#include "catalogue/AnlagenPreis.h"

#include "catalogue/TProdukt.h"

namespace velmora {

double getAnlagenNettoPreis(const TProdukt& Produkt, double OptZubehoerPreis) {
    return Produkt.getGesamtPreis() + OptZubehoerPreis;
}

bool hatAnlagenPreis(const TProdukt& Produkt) {
    return Produkt.hatGesamtPreis() && Produkt.hatOptZubehoerPreis();
}

double getAnlagenBruttoPreis(double Netto) {
    return Netto * 1.19;
}

}  // namespace velmora
