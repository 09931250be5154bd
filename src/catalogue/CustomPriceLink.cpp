#include "catalogue/CustomPriceLink.h"

#include "prices/TTankCustomPrice.h"
#include "prices/TTankCustomPrices.h"

namespace velmora {

TTankCustomPrice* CustomPriceLink::elem(const std::string& ArtNr, double katalogPreis) const {
    if (FCustomPricesReference == nullptr) {
        return nullptr;
    }
    if (FCustomPriceReference == nullptr) {
        FCustomPriceReference = &FCustomPricesReference->getElem(ArtNr);
        FCustomPriceReference->setOriginalPrice(katalogPreis);
    }
    return FCustomPriceReference;
}

double CustomPriceLink::preis(const std::string& ArtNr, double katalogPreis) const {
    return eigenerPreisGilt(ArtNr, katalogPreis) ? elem(ArtNr, katalogPreis)->CustomPrice()
                                                 : katalogPreis;
}

bool CustomPriceLink::eigenerPreisGilt(const std::string& ArtNr, double katalogPreis) const {
    const TTankCustomPrice* entry = elem(ArtNr, katalogPreis);
    return entry != nullptr && entry->UseCustomPrice();
}

}  // namespace velmora
