#pragma once

#include <memory>
#include <string>
#include <vector>

#include "catalogue/Suchvorgaben.h"
#include "catalogue/TAufstellvariante.h"
#include "catalogue/TProdukt.h"
#include "catalogue/TZubehoer.h"
#include "catalogue/TZusaetzlicheAufstellHoehe.h"

namespace velmora {

class TTankCustomPrices;
class TTempData;

// One tank type of the catalogue, named by its product group code: owns its products in
// catalogue order and the installation variants and accessories that apply to all of them.
class TProduktgruppe {
public:
    TProduktgruppe(std::string Bezeichnung, std::string WGBezeichnung);
    TProduktgruppe(const TProduktgruppe&) = delete;
    TProduktgruppe& operator=(const TProduktgruppe&) = delete;

    // Creates a product and appends it; see TProdukt's constructor.
    TProdukt& addProdukt(TProduktDaten Daten, TTempData& TempData,
                         TTankCustomPrices* ACustomPricesReference);
    // An accessory of every product of the group.
    TZubehoer& addZubehoer(std::string Bezeichnung, std::string ArtNr, double Preis, bool Optional,
                           Artikeltext Produktbeschreibung, Artikeltext Dimensionstext,
                           TTankCustomPrices* ACustomPricesReference);
    // A variant of every product of the group; null is ignored.
    void addAufstellvariante(std::unique_ptr<TAufstellvariante> AObject);

    // The first product with this article number (letter case ignored). Throws
    // std::out_of_range when the group has none.
    TProdukt& getProdukt(const std::string& AArtNr) const;
    const std::string& getBezeichnung() const { return Bezeichnung; }
    const std::string& getWGBezeichnung() const { return WGBezeichnung; }
    const std::vector<std::unique_ptr<TProdukt>>& getProduktListe() const { return ProduktListe; }
    const std::vector<std::unique_ptr<TAufstellvariante>>& getAufstellvariantenListe() const {
        return AufstellvariantenListe;
    }
    const std::vector<std::unique_ptr<TZubehoer>>& getZubehoerListe() const {
        return ZubehoerListe;
    }

    // The search over the group's products, in catalogue order: prepares each product for
    // the search and keeps it when TProdukt::istVarianteMoeglich2 finds an arrangement, or,
    // for a single tank, when it could stand in the room at all (zuKleineRaummasse).
    std::vector<TProdukt*> listProdukte2(const Suchvorgaben& Vorgaben);

private:
    std::string Bezeichnung;
    std::string WGBezeichnung;
    std::vector<std::unique_ptr<TAufstellvariante>> AufstellvariantenListe;
    std::vector<std::unique_ptr<TProdukt>> ProduktListe;
    std::vector<std::unique_ptr<TZubehoer>> ZubehoerListe;
};

}  // namespace velmora
