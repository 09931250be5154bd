#pragma once

#include <string>

namespace velmora {

class TTankCustomPrice;
class TTankCustomPrices;

// The tie between one catalogue article (product or accessory) and its entry in the custom
// price store: the entry is looked up on first use, stamped with the catalogue price, and
// followed by every later price query.
class CustomPriceLink {
public:
    // store may be null: the article then always has its catalogue price.
    explicit CustomPriceLink(TTankCustomPrices* store) : FCustomPricesReference(store) {}

    TTankCustomPrices* store() const { return FCustomPricesReference; }
    // The article's entry, or null without a store.
    TTankCustomPrice* elem(const std::string& ArtNr, double katalogPreis) const;
    // The custom price when the entry says to use it, else katalogPreis.
    double preis(const std::string& ArtNr, double katalogPreis) const;
    // Whether the entry says to use the custom price.
    bool eigenerPreisGilt(const std::string& ArtNr, double katalogPreis) const;

private:
    TTankCustomPrices* FCustomPricesReference;
    mutable TTankCustomPrice* FCustomPriceReference = nullptr;
};

}  // namespace velmora
