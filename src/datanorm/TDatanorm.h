#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "datanorm/DatanormErrors.h"
#include "datanorm/DatanormFields.h"
#include "datanorm/DatanormRecords.h"
#include "datanorm/KeyTable.h"
#include "datanorm/LargeFileIndex.h"
#include "datanorm/LineFields.h"
#include "datanorm/RecordCollections.h"
#include "datanorm/SideFileRecords.h"
#include "datanorm/TCSVFile.h"
#include "datanorm/TWebprodukt.h"

namespace velmora::datanorm {

// Lines of the article file by record kind, as counted before parsing.
struct RecordCounts {
    int laenge_artikelsatz = 0;
    int laenge_textsatz = 0;
    int laenge_dimensionssatz = 0;
    int laenge_einfuegetextsatz = 0;
    int laenge_grafikanbindesatz = 0;
    int laenge_hauptwarengruppensatz = 0;
};

// The file size (bytes) above which the program, and the tool that loads a file as the
// program does, leave the article file on disk (large-file mode).
inline constexpr std::uint64_t kDatanormInMemoryLimit = 10000000;

// Reader of a DATANORM 4 or 5 article file and its side files (product groups, discount
// groups). Small files are held as records in memory; large ones are indexed by line
// offsets and read again for each look-up. Loads once, answers look-ups, and is discarded.
class TDatanorm {
public:
    TDatanorm();
    ~TDatanorm();
    TDatanorm(const TDatanorm&) = delete;
    TDatanorm& operator=(const TDatanorm&) = delete;

    // Loads the article file and its side files. dateigroesse: size in bytes above which
    // the file is not held in memory (0: no size limit); klein forces the in-memory mode.
    // Loading the file that was parsed last again does nothing; a different file replaces
    // it. Throws an EDatanormError on failure (the reader is then only fit to be freed).
    void LoadFromFile(const std::string& Datei, std::uint64_t dateigroesse, bool klein);

    // The article with this number (blanks and control characters dropped, letters
    // compared without case); nullptr when the file has none. The caller owns the result.
    std::unique_ptr<TProdukt> finde_produkt(const std::string& Artikelnummer);

    // Dimension text of an article held in memory: each line placed at its line number.
    std::vector<std::string> GetDimensionsText(const std::string& Artikelnummer) const;

    // Numbers of the taken article records in file order, duplicates included; in both
    // modes.
    std::vector<std::string> getArtikelnummern() const;
    std::size_t getArtikelanzahl() const;

    // Every taken article record in file order (duplicates included), each as finde_produkt
    // answers for its number. In large-file mode the file is read about once, where a
    // look-up per number would read it again for each.
    void fuerJedesProdukt(const std::function<void(const TProdukt&)>& visit);

    // Reads the product-group file, or, when it does not exist and keys are given, makes
    // one main group per key. Throws EWarengruppensatzException for a malformed file.
    void get_warengruppensatz(const std::string& Datei, const std::vector<std::string>& sl);
    // Fills the discount groups from the discount file, the discount cache, or the
    // articles (empty name: no side file found), keeping the cache up to date.
    void get_rabattsaetze(const std::string& Datei);

    const std::vector<TArtikelsatzA>& GetArtikelListe() const {
        return ArtikelSaetzeA.getArtikelsaetzeA();
    }
    const std::vector<TTextsatz>& GetLangtextListe() const { return Textsaetze.getTextsaetze(); }
    const std::vector<TDimensionssatz>& GetDimensionstextListe() const {
        return Dimensionssaetze.getDimensionssatz();
    }

    // 4 or 5 once a file is loaded, 0 before.
    int getVersion() const { return Version; }
    int getCounter() const { return Counter; }
    const RecordCounts& getSatzzahlen() const { return Satzzahlen; }
    bool isGrosseDateien() const { return grosse_dateien; }
    const std::string& getPfad() const { return pfad; }
    const std::string& getDateiname() const { return dateiname; }
    const std::string& getTitel() const { return Titel; }
    bool getUseErab() const { return UseErab; }
    void setUseErab(bool value) { UseErab = value; }

    const TVorlaufsatz& getVorlaufsatz() const { return Vorlaufsatz; }
    const TKundenkontrollsatz& getKundenkontrollsatz() const { return Kundenkontrollsatz; }
    const TDateiendesatz& getDateiendesatz() const { return Dateiendesatz; }
    const TArtikelSaetzeA& getArtikelSaetzeA() const { return ArtikelSaetzeA; }
    const TTextsaetze& getTextsaetze() const { return Textsaetze; }
    const TDimensionssaetze& getDimensionssaetze() const { return Dimensionssaetze; }
    const TEinfuegetextsaetze& getEinfuegetextsaetze() const { return Einfuegetextsaetze; }
    const std::vector<TGrafikbindungssatz>& getGrafikanbindesaetze() const {
        return Grafikanbindesaetze;
    }
    // nullptr when the load found no product groups.
    const THauptwarengruppensatz* getHauptwarengruppensatz() const {
        return Hauptwarengruppensatz.get();
    }
    const std::vector<TRabattgruppensatz>& getRabattsaetze() const { return Rabattsaetze; }
    const TCSVFile& getRabattCSV() const { return RabattCSV; }

private:
    void reset(const std::string& Datei);
    void loadInMemory(const std::string& Datei, const std::vector<std::string_view>& zeilen);
    void loadLargeFile(const std::string& Datei);
    // The new article record the line made, if it made one.
    const TArtikelsatzA* parseZeile(const LineFields& row);
    void fuelleAusFund(const LargeFileIndex::Fund& fund, TProdukt& produkt) const;
    void readSideFiles(const std::vector<std::string>& warengruppen);
    void readDiscountFile(const std::string& rab);
    void uebernimmRabattCSV();

    int Counter = 0;
    RecordCounts Satzzahlen;
    int Version = 0;
    std::string pfad;
    std::string dateiname;
    std::string Titel;
    TVorlaufsatz Vorlaufsatz{this};
    TKundenkontrollsatz Kundenkontrollsatz{this};
    TDateiendesatz Dateiendesatz{this};
    // The numbers of the records in memory, one table for all kinds: an article's
    // dimension texts carry its number, whose entry is then still at hand.
    KeyTable FNummern;
    TTextsaetze Textsaetze{this, FNummern};
    TEinfuegetextsaetze Einfuegetextsaetze{this};
    TDimensionssaetze Dimensionssaetze{this, FNummern};
    TArtikelSaetzeA ArtikelSaetzeA{this, FNummern};
    std::unique_ptr<THauptwarengruppensatz> Hauptwarengruppensatz;
    std::vector<TRabattgruppensatz> Rabattsaetze;
    TCSVFile RabattCSV;
    std::vector<TGrafikbindungssatz> Grafikanbindesaetze;
    bool grosse_dateien = false;
    bool UseErab = true;
    // Large-file mode: where the records lie in the file.
    std::unique_ptr<LargeFileIndex> FIndex;
    bool FKundeGelesen = false;
    // Distinct discount groups of the articles, for a discount cache built from them.
    std::vector<std::string> FRabattgruppen;
};

}  // namespace velmora::datanorm
