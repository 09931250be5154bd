#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>

namespace velmora {

// Exit statuses of velmora-prices.
enum class PriceToolStatus { Success = 0, Failure = 1, Usage = 2 };

// The commands of velmora-prices on the price files in directory. Each writes its result
// to out and its problems, one line each, to err.

// Every price file: article number, price and whether it is in use ("unlesbar" for a
// file that cannot be read), sorted by article number, after a header line.
PriceToolStatus listPrices(const std::filesystem::path& directory, std::ostream& out);
// Stores the price and puts it in use.
PriceToolStatus setPrice(const std::filesystem::path& directory, const std::string& articleNo,
                         const std::string& priceText, std::ostream& err);
// Stops using the stored price; the price itself stays stored.
PriceToolStatus stopUsingPrice(const std::filesystem::path& directory, const std::string& articleNo,
                               std::ostream& out, std::ostream& err);
// Sets and uses every price of an "artNr;price" list; unreadable lines are reported and
// skipped, all others written.
PriceToolStatus importPrices(const std::filesystem::path& directory,
                             const std::filesystem::path& csvFile, std::ostream& out,
                             std::ostream& err);
// The prices in use as an "artNr;price" list that import reads back.
PriceToolStatus exportPrices(const std::filesystem::path& directory, std::ostream& out);

}  // namespace velmora
