#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "datanorm/DatanormFields.h"
#include "datanorm/DatanormRecords.h"
#include "datanorm/KeyTable.h"
#include "datanorm/LineFields.h"
#include "datanorm/LineWindow.h"
#include "datanorm/PositionChains.h"

namespace velmora::datanorm {

// Where the records of a large article file lie: byte offsets of its article, long-text
// and dimension-text lines by number. Holds no record; a look-up reads just the lines it
// needs and parses them like an in-memory load would. A file changed since the scan is
// scanned again before it is read.
class LargeFileIndex {
public:
    // The records of one article as read from the file. fuerJedenArtikel fills the same
    // one for every article, so that its storage is reused.
    struct Fund {
        TArtikelsatzA erster;
        // Filled only when the article is named more than once.
        TArtikelsatzA letzter;
        bool mehrfach = false;
        std::vector<TTextsatz> langtext;
        std::vector<TDimensionssatz> dimensionstext;

        const TArtikelsatzA& letzterSatz() const { return mehrfach ? letzter : erster; }
    };

    // dateigroesse (bytes) sizes the index ahead, so that it does not grow step by step.
    LargeFileIndex(std::string path, int version, std::uint64_t dateigroesse);

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
    std::size_t artikelanzahl() const { return FArtikelIds.size(); }

private:
    // Lines of one kind that follow one another under the same raw number: most texts of
    // a file, held as one entry rather than one per line.
    struct Lauf {
        std::uint64_t offset;
        std::uint32_t zeilen;
    };

    // What reading articles one after another keeps: the window, and the split line and a
    // list of positions whose storage is reused from line to line.
    struct Lesen {
        explicit Lesen(const std::string& path) : fenster(path) {}
        LineWindow fenster;
        LineFields zeile;
        std::vector<std::size_t> positionen;
    };

    void clear();
    bool istAktuell() const;
    // Scans the file again when it changed; false when it can no longer be read.
    bool aktualisiere();
    // Reads the records of the article with this id into fund; false when the file no
    // longer holds them.
    bool lies(KeyTable::Id artikel, Lesen& lesen, Fund& fund) const;
    // Reads the lines of a key's runs into records (none for no key).
    template <typename Satz, typename Parse>
    void liesLaeufe(const PositionChains& ketten, const std::vector<Lauf>& laeufe,
                    std::optional<KeyTable::Id> id, Lesen& lesen, std::vector<Satz>& saetze,
                    Parse parse) const;

    std::string FPath;
    int FVersion;
    // Byte offsets of the new-article lines, and the runs of long-text lines and of
    // dimension-text lines, in file order; the chains below hold positions in these lists.
    std::vector<std::uint64_t> FArtikelzeilen;
    std::vector<Lauf> FTextlaeufe;
    std::vector<Lauf> FDimensionslaeufe;
    // Normalised article numbers and lower-cased text numbers in one table: an article's
    // texts mostly follow it under its own number, whose entry is then still at hand.
    KeyTable FNummern;
    // Key -> its new-article lines, its long-text lines, its dimension-text lines.
    PositionChains FArtikel;
    PositionChains FTexte;
    PositionChains FDimensionen;
    // The number of each new-article line, in file order.
    std::vector<KeyTable::Id> FArtikelIds;
    // The chains the last text or dimension-text line went to, with the key's id and that
    // line's kind and raw number; null after a clear.
    PositionChains* FLetzteKetten = nullptr;
    KeyTable::Id FLetzteId = 0;
    std::string FLetzteArt;
    std::string FLetzteNummer;
    // True when the line before was the last of a run so far.
    bool FLaufOffen = false;
    std::uintmax_t FGroesse = 0;
    std::filesystem::file_time_type FZeit;
};

}  // namespace velmora::datanorm
