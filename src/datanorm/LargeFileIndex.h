#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "datanorm/DatanormFields.h"
#include "datanorm/DatanormRecords.h"
#include "datanorm/LineWindow.h"

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
        // Null when the article is named once: the first record is also the last.
        std::unique_ptr<TArtikelsatzA> letzter;
        std::vector<std::unique_ptr<TTextsatz>> langtext;
        std::vector<std::unique_ptr<TDimensionssatz>> dimensionstext;
    };

    // dateigroesse (bytes) sizes the index ahead, so that it does not grow step by step.
    LargeFileIndex(std::string path, int version, const TDatanorm* parent,
                   std::uint64_t dateigroesse);

    // Feeds one non-empty line of a scan of the whole file.
    void addLine(std::uint64_t offset, std::string_view line);
    // Ends a scan: remembers the file's size and time to notice later changes.
    void scanBeendet();

    // The records of the article with this number (normalised before comparing); no
    // value when the file has no such article or can no longer be read.
    std::optional<Fund> finde(const std::string& Artikelnummer);

    // The records of every new-article line in file order (an article named twice, twice),
    // each as finde answers for its number; one that can no longer be read is left out.
    void fuerJedenArtikel(const std::function<void(const Fund&)>& visit);

    // Numbers of the new-article lines in file order, duplicates included.
    std::vector<std::string> artikelnummern() const;
    std::size_t artikelanzahl() const { return FArtikelnummern.size(); }

private:
    // Dimension texts share the article's entry: the same key, so a look-up finds both.
    struct ArtikelOffsets {
        // No new-article line with this number (yet): the entry holds dimension texts only.
        bool vorhanden = false;
        std::uint64_t erster = 0;
        std::uint64_t letzter = 0;
        std::vector<std::uint64_t> dimensionen;
    };
    using Artikel = std::pair<const std::string, ArtikelOffsets>;

    void clear();
    bool istAktuell() const;
    // Scans the file again when it changed; false when it can no longer be read.
    bool aktualisiere();
    // puffer: the split line, its storage reused from line to line.
    std::optional<Fund> lies(const std::string& nummer, const ArtikelOffsets& offsets,
                             LineWindow& fenster, FieldRow& puffer) const;

    std::string FPath;
    int FVersion;
    const TDatanorm* FParent;
    // Normalised number -> offsets of its first and last article line and its
    // dimension-text lines.
    std::unordered_map<std::string, ArtikelOffsets> FArtikel;
    // The new-article lines in file order, as entries of FArtikel (whose nodes stay put).
    std::vector<const Artikel*> FArtikelnummern;
    // Lower-cased text number -> offsets of its long-text lines.
    std::unordered_map<std::string, std::vector<std::uint64_t>> FTexte;
    // The list the last text or dimension-text line went to, with that line's kind and
    // raw number; null after a clear.
    std::vector<std::uint64_t>* FLetzteListe = nullptr;
    std::string FLetzteArt;
    std::string FLetzteNummer;
    std::uintmax_t FGroesse = 0;
    std::filesystem::file_time_type FZeit;
};

}  // namespace velmora::datanorm
