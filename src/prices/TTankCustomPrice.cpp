#include "prices/TTankCustomPrice.h"

#include <utility>

#include "prices/PriceFile.h"
#include "prices/PriceFileIndex.h"
#include "prices/PriceFileName.h"

namespace velmora {

TTankCustomPrice::TTankCustomPrice(std::string AArticleNo, PriceFileIndex& files)
    : FFilename(customPriceBaseName(AArticleNo)), FArticleNo(std::move(AArticleNo)) {
    if (!FFilename.empty()) {
        FPath = files.find(FFilename + ".dta");
    }
    read();
}

void TTankCustomPrice::read() {
    FUseCustomPrice = false;
    FCustomPrice = 0;
    FOriginalPrice = 0;
    if (FPath.empty()) {
        return;
    }
    if (const std::optional<CustomPriceRecord> record = readPriceFile(FPath)) {
        FUseCustomPrice = record->inUse;
        FCustomPrice = record->price;
    }
}

bool TTankCustomPrice::save() const {
    return !FPath.empty() && writePriceFile(FPath, {FCustomPrice, FUseCustomPrice});
}

}  // namespace velmora
