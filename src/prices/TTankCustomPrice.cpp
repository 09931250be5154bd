#include "prices/TTankCustomPrice.h"

#include <system_error>
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
    FStored = {};
    FUnreadable = false;
    if (FPath.empty()) {
        return;
    }
    if (const std::optional<CustomPriceRecord> record = readPriceFile(FPath)) {
        FStored = *record;
        FUseCustomPrice = record->inUse;
        FCustomPrice = record->price;
    } else {
        std::error_code error;
        FUnreadable = std::filesystem::symlink_status(FPath, error).type() !=
                      std::filesystem::file_type::not_found;
    }
}

WriteResult TTankCustomPrice::write(const CustomPriceRecord& record) {
    if (FPath.empty()) {
        return {"die Artikelnummer ergibt keinen Dateinamen"};
    }
    WriteResult written = writePriceFile(FPath, record);
    if (written) {
        FStored = record;
        FUnreadable = false;
    }
    return written;
}

WriteResult TTankCustomPrice::save() {
    return write({FCustomPrice, FUseCustomPrice});
}

WriteResult TTankCustomPrice::saveChanges() {
    CustomPriceRecord record =
        FPath.empty() ? CustomPriceRecord{} : readPriceFile(FPath).value_or(FStored);
    if (FCustomPrice != FStored.price) {
        record.price = FCustomPrice;
    }
    if (FUseCustomPrice != FStored.inUse) {
        record.inUse = FUseCustomPrice;
    }
    WriteResult written = write(record);
    if (written) {
        FCustomPrice = record.price;
        FUseCustomPrice = record.inUse;
    }
    return written;
}

}  // namespace velmora
