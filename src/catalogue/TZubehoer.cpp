#include "catalogue/TZubehoer.h"

#include <utility>

namespace velmora {

TZubehoer::TZubehoer(std::string Bezeichnung, std::string ArtNr, double Preis, bool Optional,
                     Artikeltext Produktbeschreibung, Artikeltext Dimensionstext,
                     TTankCustomPrices* ACustomPricesReference)
    : Bezeichnung(std::move(Bezeichnung)),
      ArtNr(std::move(ArtNr)),
      FFittingKind(fittingKindOf(this->ArtNr)),
      Preis(Preis),
      Optional(Optional),
      Produktbeschreibung(std::move(Produktbeschreibung)),
      Dimensionstext(std::move(Dimensionstext)),
      FCustomPrice(ACustomPricesReference) {}

double TZubehoer::getPreis() const {
    return FCustomPrice.preis(ArtNr, Preis);
}

bool TZubehoer::hatPreis() const {
    return !FPreisFehlt || FCustomPrice.eigenerPreisGilt(ArtNr, Preis);
}

TTankCustomPrice* TZubehoer::CustomPriceElem() const {
    return FCustomPrice.elem(ArtNr, Preis);
}

}  // namespace velmora
