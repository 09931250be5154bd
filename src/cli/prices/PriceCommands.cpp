#include "cli/prices/PriceCommands.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <ostream>
#include <system_error>
#include <vector>

#include "base/FileBytes.h"
#include "base/FileName.h"
#include "cli/prices/PriceCsv.h"
#include "cli/prices/PriceText.h"
#include "prices/PriceFile.h"
#include "prices/PriceFileName.h"
#include "prices/PriceStoreLock.h"
#include "prices/TTankCustomPrices.h"

namespace velmora {

namespace {

// A price list of the catalogue's few hundred articles takes some kilobytes; this keeps a
// wrong file from filling memory (every line read costs some 50 bytes more).
constexpr std::size_t kMaxCsvSize = 2U * 1024U * 1024U;
constexpr std::string_view kFileExtension = ".dta";

struct StoredPrice {
    std::string articleNo;
    std::optional<CustomPriceRecord> record;
};

// The price files of the directory, by article number; none when it does not exist.
std::vector<StoredPrice> storedPrices(const std::filesystem::path& directory) {
    std::vector<StoredPrice> prices;
    std::error_code error;
    for (std::filesystem::directory_iterator it(directory, error), end; !error && it != end;
         it.increment(error)) {
        const std::filesystem::path& path = it->path();
        if (path.extension() != kFileExtension || !it->is_regular_file(error)) {
            continue;
        }
        prices.push_back({path.stem().string(), readPriceFile(path)});
    }
    std::sort(prices.begin(), prices.end(),
              [](const StoredPrice& a, const StoredPrice& b) { return a.articleNo < b.articleNo; });
    return prices;
}

bool saveReported(TTankCustomPrice& entry, std::ostream& err) {
    const WriteResult written = entry.save();
    if (!written) {
        err << "Die Preisdatei " << quotedFileName(entry.filePath())
            << " konnte nicht geschrieben werden: " << written.error << ".\n";
    }
    return static_cast<bool>(written);
}

bool hasFileName(const std::string& articleNo, std::ostream& err) {
    if (customPriceBaseName(articleNo).empty()) {
        err << "Die Artikelnummer \"" << articleNo << "\" ergibt keinen Dateinamen.\n";
        return false;
    }
    return true;
}

bool lockReported(const PriceStoreLock& lock, const std::filesystem::path& directory,
                  std::ostream& err) {
    if (!lock.isHeld()) {
        err << "Der Preisspeicher " << quotedFileName(directory)
            << " kann nicht gesperrt werden: " << lock.error() << ".\n";
    }
    return lock.isHeld();
}

std::optional<std::string> readWholeFile(const std::filesystem::path& path, std::ostream& err) {
    const FileReadResult file = readFileLimited(path, kMaxCsvSize);
    if (!file.bytes) {
        err << fileReadMessage(path, file) << '\n';
    }
    return file.bytes;
}

}  // namespace

PriceToolStatus listPrices(const std::filesystem::path& directory, std::ostream& out) {
    out << "Artikelnummer;Preis;Verwendet\n";
    for (const StoredPrice& price : storedPrices(directory)) {
        out << price.articleNo << ';';
        if (price.record) {
            out << formatPriceText(price.record->price) << ';'
                << (price.record->inUse ? "ja" : "nein") << '\n';
        } else {
            out << ";unlesbar\n";
        }
    }
    return PriceToolStatus::Success;
}

PriceToolStatus setPrice(const std::filesystem::path& directory, const std::string& articleNo,
                         const std::string& priceText, std::ostream& err) {
    const std::optional<double> price = parsePriceText(priceText);
    if (!price) {
        err << "Der Preis \"" << priceText << "\" ist kein gültiger Preis.\n";
        return PriceToolStatus::Usage;
    }
    if (!hasFileName(articleNo, err)) {
        return PriceToolStatus::Usage;
    }
    const PriceStoreLock lock(directory);
    if (!lockReported(lock, directory, err)) {
        return PriceToolStatus::Failure;
    }
    TTankCustomPrices store(directory);
    TTankCustomPrice& entry = store.getElem(articleNo);
    entry.setCustomPrice(*price);
    entry.setUseCustomPrice(true);
    return saveReported(entry, err) ? PriceToolStatus::Success : PriceToolStatus::Failure;
}

PriceToolStatus stopUsingPrice(const std::filesystem::path& directory, const std::string& articleNo,
                               std::ostream& out, std::ostream& err) {
    if (!hasFileName(articleNo, err)) {
        return PriceToolStatus::Usage;
    }
    auto nothingStored = [&] {
        out << "Für " << articleNo << " ist kein eigener Preis gespeichert.\n";
        return PriceToolStatus::Success;
    };
    std::error_code error;
    if (!std::filesystem::is_directory(directory, error)) {
        return nothingStored();  // and no store to lock and create
    }
    const PriceStoreLock lock(directory);
    if (!lockReported(lock, directory, err)) {
        return PriceToolStatus::Failure;
    }
    TTankCustomPrices store(directory);
    TTankCustomPrice& entry = store.getElem(articleNo);
    if (entry.hasUnreadableFile()) {
        // Writing would replace a price we cannot see with 0.
        err << "Die Preisdatei " << quotedFileName(entry.filePath())
            << " kann nicht gelesen werden und bleibt unverändert.\n";
        return PriceToolStatus::Failure;
    }
    if (!std::filesystem::exists(entry.filePath(), error)) {
        return nothingStored();
    }
    entry.setUseCustomPrice(false);
    return saveReported(entry, err) ? PriceToolStatus::Success : PriceToolStatus::Failure;
}

PriceToolStatus importPrices(const std::filesystem::path& directory,
                             const std::filesystem::path& csvFile, std::ostream& out,
                             std::ostream& err) {
    const std::optional<std::string> bytes = readWholeFile(csvFile, err);
    if (!bytes) {
        return PriceToolStatus::Failure;
    }
    const PriceCsv csv = readPriceCsv(*bytes);
    for (const PriceCsvError& problem : csv.errors) {
        err << "Zeile " << problem.lineNumber << ": " << problem.reason << '\n';
    }
    bool allWritten = true;
    std::size_t written = 0;
    const PriceStoreLock lock(directory);
    if (!lockReported(lock, directory, err)) {
        return PriceToolStatus::Failure;
    }
    TTankCustomPrices store(directory);
    for (const PriceCsvLine& line : csv.lines) {
        TTankCustomPrice& entry = store.getElem(line.articleNo);
        entry.setCustomPrice(line.price);
        entry.setUseCustomPrice(true);
        if (saveReported(entry, err)) {
            ++written;
        } else {
            allWritten = false;
        }
    }
    out << "Preise übernommen: " << written << ", nicht lesbare Zeilen: " << csv.errors.size()
        << '\n';
    return allWritten && csv.errors.empty() ? PriceToolStatus::Success : PriceToolStatus::Failure;
}

PriceToolStatus exportPrices(const std::filesystem::path& directory, std::ostream& out) {
    out << kPriceCsvHeader << '\n';
    for (const StoredPrice& price : storedPrices(directory)) {
        if (price.record && price.record->inUse) {
            out << price.articleNo << ';' << formatPriceText(price.record->price) << '\n';
        }
    }
    return PriceToolStatus::Success;
}

}  // namespace velmora
