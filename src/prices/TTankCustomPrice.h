#pragma once

#include <filesystem>
#include <string>

#include "base/AtomicFile.h"
#include "prices/PriceDocument.h"

namespace velmora {

class PriceFileIndex;

// One custom price: the user's own price for an article, kept in a small encrypted file of
// its own ("<base name>.dta" in the store's directory). The file is read once, when the
// entry is created; a file that is missing or cannot be read means no custom price.
class TTankCustomPrice {
public:
    // Reads the entry's file, looked up in files, at once; never fails.
    TTankCustomPrice(std::string AArticleNo, PriceFileIndex& files);

    const std::string& ArticleNo() const { return FArticleNo; }
    bool UseCustomPrice() const { return FUseCustomPrice; }
    void setUseCustomPrice(bool value) { FUseCustomPrice = value; }
    double CustomPrice() const { return FCustomPrice; }
    void setCustomPrice(double value) { FCustomPrice = value; }
    // Catalogue price, filled in by whoever looks the entry up first; never stored.
    double OriginalPrice() const { return FOriginalPrice; }
    void setOriginalPrice(double value) { FOriginalPrice = value; }

    // Base name of the file; empty when the article number gives no usable name.
    const std::string& getFilename() const { return FFilename; }
    // Full path of the file (an existing one whose name differs only in letter case
    // counts); empty when the base name is empty.
    const std::filesystem::path& filePath() const { return FPath; }

    // The file exists but could not be read (damaged, foreign, no regular file).
    bool hasUnreadableFile() const { return FUnreadable; }
    // Price or use differ from what the file held when read or last written.
    bool isChanged() const {
        return FUseCustomPrice != FStored.inUse || FCustomPrice != FStored.price;
    }

    // Writes the file atomically (creating the directory); fails when it could not be
    // written or the article has no usable file name: an existing file then stays as it was.
    // The caller holds the store's lock (PriceStoreLock) when it read the entry under it.
    WriteResult save();
    // Writes only what changed since the file was read: the file is read again and just the
    // changed price or use is put into it, so what another writer stored meanwhile stays.
    // The caller holds the store's lock. The entry then holds the values written.
    WriteResult saveChanges();

private:
    void read();
    WriteResult write(const CustomPriceRecord& record);

    std::string FFilename;
    std::filesystem::path FPath;
    std::string FArticleNo;
    bool FUseCustomPrice = false;
    double FCustomPrice = 0;
    double FOriginalPrice = 0;
    CustomPriceRecord FStored;
    bool FUnreadable = false;
};

}  // namespace velmora
