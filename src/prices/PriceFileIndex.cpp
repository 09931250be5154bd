#include "prices/PriceFileIndex.h"

#include <system_error>
#include <utility>

#include "base/AsciiCase.h"

namespace velmora {

PriceFileIndex::PriceFileIndex(std::filesystem::path directory)
    : FDirectory(std::move(directory)) {}

std::filesystem::path PriceFileIndex::find(const std::string& fileName) {
    std::filesystem::path exact = FDirectory / fileName;
    std::error_code error;
    if (std::filesystem::exists(exact, error)) {
        return exact;
    }
    if (!FListed) {
        FListed = true;
        for (std::filesystem::directory_iterator it(FDirectory, error), end; !error && it != end;
             it.increment(error)) {
            FFiles.emplace(toAsciiLower(it->path().filename().string()), it->path());
        }
    }
    const auto found = FFiles.find(toAsciiLower(fileName));
    return found != FFiles.end() ? found->second : exact;
}

}  // namespace velmora
