#include "catalogue/TProduktgruppe.h"

#include <stdexcept>
#include <utility>

#include "base/AsciiCase.h"
#include "catalogue/TankImRaum.h"

namespace velmora {

TProduktgruppe::TProduktgruppe(std::string Bezeichnung, std::string WGBezeichnung)
    : Bezeichnung(std::move(Bezeichnung)), WGBezeichnung(std::move(WGBezeichnung)) {}

TProdukt& TProduktgruppe::addProdukt(TProduktDaten Daten, TTempData& TempData,
                                     TTankCustomPrices* ACustomPricesReference) {
    ProduktListe.push_back(
        std::make_unique<TProdukt>(std::move(Daten), TempData, ACustomPricesReference));
    return *ProduktListe.back();
}

TZubehoer& TProduktgruppe::addZubehoer(std::string Bezeichnung, std::string ArtNr, double Preis,
                                       bool Optional, Artikeltext Produktbeschreibung,
                                       Artikeltext Dimensionstext,
                                       TTankCustomPrices* ACustomPricesReference) {
    ZubehoerListe.push_back(std::make_unique<TZubehoer>(
        std::move(Bezeichnung), std::move(ArtNr), Preis, Optional, std::move(Produktbeschreibung),
        std::move(Dimensionstext), ACustomPricesReference));
    return *ZubehoerListe.back();
}

void TProduktgruppe::addAufstellvariante(std::unique_ptr<TAufstellvariante> AObject) {
    if (AObject) {
        AufstellvariantenListe.push_back(std::move(AObject));
    }
}

TProdukt& TProduktgruppe::getProdukt(const std::string& AArtNr) const {
    for (const auto& produkt : ProduktListe) {
        if (equalsIgnoringAsciiCase(produkt->getArtikelNr(), AArtNr)) {
            return *produkt;
        }
    }
    throw std::out_of_range("TProduktgruppe::getProdukt: no product " + AArtNr + " in group " +
                            WGBezeichnung);
}

std::vector<TProdukt*> TProduktgruppe::listProdukte2(const Suchvorgaben& Vorgaben) {
    std::vector<TProdukt*> result;
    for (const auto& produkt : ProduktListe) {
        produkt->addAufstellvariante(AufstellvariantenListe);
        produkt->addZubehoer(ZubehoerListe);
        const bool passt = produkt->getAufstellvariation()
                               ? produkt->istVarianteMoeglich2(Vorgaben)
                               : zuKleineRaummasse(*produkt, Vorgaben).keine();
        if (passt) {
            result.push_back(produkt.get());
        }
    }
    return result;
}

}  // namespace velmora
