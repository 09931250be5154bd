#include "base/AsciiCase.h"
#include "catalogue/TProdukt.h"
#include "catalogue/TZubehoerItem.h"
#include "catalogue/VariantFittings.h"

namespace velmora {

double TProdukt::getPreis() const {
    return FCustomPrice.preis(ArtNr, Preis);
}

TTankCustomPrice* TProdukt::CustomPriceElem() const {
    return FCustomPrice.elem(ArtNr, Preis);
}

std::vector<TTankCustomPrice*> TProdukt::CustomPriceElems() const {
    std::vector<TTankCustomPrice*> entries;
    if (TTankCustomPrice* own = CustomPriceElem()) {
        entries.push_back(own);
    }
    for (const auto& line : ZubehoerOptional) {
        if (TTankCustomPrice* entry = line->getZubehoer()->CustomPriceElem()) {
            entries.push_back(entry);
        }
    }
    return entries;
}

double TProdukt::getZubehoerPreis(const std::string& ArtNr1, const std::string& ArtNr2) const {
    const std::string& zweite = ArtNr2.empty() ? ArtNr1 : ArtNr2;
    for (const TZubehoer* zubehoer : tempZubehoer) {
        if (equalsIgnoringAsciiCase(zubehoer->getArtNr(), ArtNr1) ||
            equalsIgnoringAsciiCase(zubehoer->getArtNr(), zweite)) {
            return zubehoer->getPreis();
        }
    }
    return 0;
}

double TProdukt::getVariantenZubehoerPreis(const TAufstellvariante* Variante) const {
    if (Variante == nullptr) {
        if (MoeglicheAufstellVariante == nullptr) {
            return 0;
        }
        Variante = MoeglicheAufstellVariante->getVariante();
    }
    double summe = 0;
    for (const FittingKind kind : kFittingKinds) {
        // Of two articles of one kind, the first in the working list sets the price.
        for (const TZubehoer* zubehoer : tempZubehoer) {
            if (zubehoer->getFittingKind() == kind) {
                summe += fittingCount(*Variante, kind) * zubehoer->getPreis();
                break;
            }
        }
    }
    return summe;
}

double TProdukt::getGesamtPreis() const {
    if (!Aufstellvariationen || MoeglicheAufstellVariante == nullptr) {
        return getPreis();
    }
    const TAufstellvariante* variante = MoeglicheAufstellVariante->getVariante();
    return variante->getAnzahlTanks() * getPreis() + getVariantenZubehoerPreis(variante);
}

}  // namespace velmora
