#pragma once

#include <filesystem>
#include <string>
#include <unordered_map>

namespace velmora {

// Finds the price files of one directory. Article numbers match without regard to letter
// case, so a file whose name differs from the wanted one only in ASCII letter case belongs
// to the article too; an exact match always wins. The directory is listed once, on the first
// lookup that misses the exact name, so a catalogue full of articles without a custom price
// costs one listing, not one per article.
class PriceFileIndex {
public:
    explicit PriceFileIndex(std::filesystem::path directory);

    // The path of the file named fileName: the existing one when there is one, else the
    // path where it is to be created.
    std::filesystem::path find(const std::string& fileName);

    const std::filesystem::path& directory() const { return FDirectory; }

private:
    std::filesystem::path FDirectory;
    bool FListed = false;
    // Lower-case file name -> existing file.
    std::unordered_map<std::string, std::filesystem::path> FFiles;
};

}  // namespace velmora
