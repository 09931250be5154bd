#include "prices/TTankCustomPrices.h"

#include <utility>

#include "base/AsciiCase.h"
#include "base/DataDirectory.h"

namespace velmora {

std::filesystem::path customPriceDirectory() {
    return std::filesystem::path(generalDataDirectory()) / "customPrices/";
}

TTankCustomPrices::TTankCustomPrices() : TTankCustomPrices(customPriceDirectory()) {}

TTankCustomPrices::TTankCustomPrices(std::filesystem::path directory)
    : FFiles(std::move(directory)) {}

TTankCustomPrice& TTankCustomPrices::getElem(const std::string& AArticleNo) {
    std::string key = toAsciiLower(AArticleNo);
    if (const auto found = FByArticle.find(key); found != FByArticle.end()) {
        return *found->second;
    }
    auto entry = std::make_unique<TTankCustomPrice>(AArticleNo, FFiles);
    TTankCustomPrice& created = *entry;
    FList.push_back(std::move(entry));
    FByArticle.emplace(std::move(key), &created);
    return created;
}

}  // namespace velmora
