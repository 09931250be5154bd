#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "prices/PriceFileIndex.h"
#include "prices/TTankCustomPrice.h"

namespace velmora {

// The store of custom prices: one entry per article number (letter case ignored), created
// and read on first use, kept in the order of first use. Destroying it writes nothing.
class TTankCustomPrices {
public:
    // Files in generalDataDirectory() + "customPrices/".
    TTankCustomPrices();
    // Files in the given directory (tests, tools).
    explicit TTankCustomPrices(std::filesystem::path directory);

    // The entry for the article, created (and its file read) when there is none yet.
    TTankCustomPrice& getElem(const std::string& AArticleNo);

    const std::filesystem::path& directory() const { return FFiles.directory(); }
    std::size_t count() const { return FList.size(); }
    // Entry by index in the order of first use; throws std::out_of_range past the end.
    TTankCustomPrice& at(std::size_t index) { return *FList.at(index); }

private:
    PriceFileIndex FFiles;
    std::vector<std::unique_ptr<TTankCustomPrice>> FList;
    // Lower-case article number -> entry of FList.
    std::unordered_map<std::string, TTankCustomPrice*> FByArticle;
};

// The directory of the custom price files: generalDataDirectory() + "customPrices/".
std::filesystem::path customPriceDirectory();

}  // namespace velmora
