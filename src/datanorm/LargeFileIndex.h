#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "datanorm/DatanormRecords.h"

namespace velmora::datanorm {

// Where the records of a large article file lie: byte offsets of its article, long-text
// and dimension-text lines by number. Holds no record; a look-up reads just the lines it
// needs and parses them like an in-memory load would. A file changed since the scan is
// scanned again before it is read.
class LargeFileIndex {
public:
    // The records of one article as read from the file.
    struct Fund {
        std::unique_ptr<TArtikelsatzA> erster;
        std::unique_ptr<TArtikelsatzA> letzter;
        std::vector<std::unique_ptr<TTextsatz>> langtext;
        std::vector<std::unique_ptr<TDimensionssatz>> dimensionstext;
    };

    LargeFileIndex(std::string path, int version, const TDatanorm* parent);

    // Feeds one non-empty line of a scan of the whole file.
    void addLine(std::uint64_t offset, std::string_view line);
    // Ends a scan: remembers the file's size and time to notice later changes.
    void scanBeendet();

    // The records of the article with this number (normalised before comparing); no
    // value when the file has no such article or can no longer be read.
    std::optional<Fund> finde(const std::string& Artikelnummer);

    // Numbers of the new-article lines in file order, duplicates included.
    const std::vector<std::string>& artikelnummern() const { return FArtikelnummern; }

private:
    void clear();
    bool istAktuell() const;

    std::string FPath;
    int FVersion;
    const TDatanorm* FParent;
    std::vector<std::string> FArtikelnummern;
    // Normalised number -> offsets of its first and last article line.
    std::unordered_map<std::string, std::pair<std::uint64_t, std::uint64_t>> FArtikel;
    // Lower-cased text number -> offsets of its long-text lines.
    std::unordered_map<std::string, std::vector<std::uint64_t>> FTexte;
    // Normalised article number -> offsets of its dimension-text lines.
    std::unordered_map<std::string, std::vector<std::uint64_t>> FDimensionen;
    std::uintmax_t FGroesse = 0;
    std::filesystem::file_time_type FZeit;
};

}  // namespace velmora::datanorm
