#pragma once

#include <optional>
#include <string>
#include <vector>

#include "catalogue/Artikeltext.h"
#include "catalogue/CustomPriceLink.h"
#include "catalogue/VariantFittings.h"

namespace velmora {

class TTankCustomPrice;
class TTankCustomPrices;

// One accessory article of the catalogue, required or optional, belonging to one product or
// to every product of a group. Its price may be replaced by a custom price.
class TZubehoer {
public:
    // ACustomPricesReference may be null.
    TZubehoer(std::string Bezeichnung, std::string ArtNr, double Preis, bool Optional,
              Artikeltext Produktbeschreibung, Artikeltext Dimensionstext,
              TTankCustomPrices* ACustomPricesReference);

    const std::string& getArtNr() const { return ArtNr; }
    // The fitting kind the article number stands for, or none for an ordinary accessory.
    std::optional<FittingKind> getFittingKind() const { return FFittingKind; }
    const std::string& getBezeichnung() const { return Bezeichnung; }
    bool getOptional() const { return Optional; }
    const Artikeltext& getProduktbeschreibung() const { return Produktbeschreibung; }
    const Artikeltext& getDimensionstext() const { return Dimensionstext; }
    // The catalogue price, whatever the custom price says.
    double getKatalogPreis() const { return Preis; }

    // Euros: the custom price when its entry is in use, else the catalogue price.
    double getPreis() const;
    // False when the catalogue has no price for the article and no custom price replaces
    // it: getPreis is then 0 and must not be shown.
    bool hatPreis() const;
    // The article is not in the DATANORM file.
    void markierePreisFehlt() { FPreisFehlt = true; }
    // The custom price entry (looked up on first read), or null without a store.
    TTankCustomPrice* CustomPriceElem() const;

private:
    std::string Bezeichnung;
    std::string ArtNr;
    // Decided once: the search prices the fittings of every variant it tries.
    std::optional<FittingKind> FFittingKind;
    double Preis;
    bool FPreisFehlt = false;
    bool Optional;
    Artikeltext Produktbeschreibung;
    Artikeltext Dimensionstext;
    CustomPriceLink FCustomPrice;
};

}  // namespace velmora
