#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "datanorm/DatanormRecords.h"
#include "datanorm/KeyTable.h"
#include "datanorm/PositionChains.h"

namespace velmora::datanorm {

// The key of the number the line before was indexed under: the lines of one text mostly
// follow one another under the same number, which is then not normalised and hashed again.
class LetzteNummer {
public:
    template <typename Normalise>
    KeyTable::Id id(KeyTable& nummern, const std::string& nummer, Normalise normalise) {
        if (!FGueltig || nummer != FNummer) {
            FId = nummern.insert(normalise(nummer)).first;
            FNummer = nummer;
            FGueltig = true;
        }
        return FId;
    }
    // Forgets the number, for a key table that is cleared.
    void clear() { FGueltig = false; }

private:
    std::string FNummer;
    KeyTable::Id FId = 0;
    bool FGueltig = false;
};

// The article records of a file, in file order, indexed by their (normalised) number so
// that look-ups do not walk the list. Records are held by value: a file has tens of
// thousands, and one allocation each made loading and freeing them slow.
class TArtikelSaetzeA {
public:
    // nummern: the keys, shared with the reader's other collections (and cleared by it).
    TArtikelSaetzeA(const TDatanorm* Parent, KeyTable& nummern)
        : parent(Parent), FNummern(nummern) {}

    // A new empty record at the end, to be filled and then indexed by indexiere.
    TArtikelsatzA& neuerSatz();
    // Indexes the records added since the last call. A load calls it once after the file's
    // records: the look-ups of the key table then follow one another, which measured faster
    // than one between the parsing of each two lines.
    void indexiere();
    // Room for this many records, announced by the count before parsing.
    void reserve(std::size_t anzahl);
    void clear();
    const std::vector<TArtikelsatzA>& getArtikelsaetzeA() const { return ArtikelsaetzeA; }

    // First resp. last article whose stored number equals the argument exactly; nullptr
    // when there is none.
    const TArtikelsatzA* findeErsten(const std::string& Artikelnummer) const;
    const TArtikelsatzA* findeLetzten(const std::string& Artikelnummer) const;

    // A field of the first article with exactly this number; empty when there is none.
    std::string get_kurztext1(const std::string& Artikelnummer) const;
    std::string get_kurztext2(const std::string& Artikelnummer) const;
    std::string get_mengeneinheit(const std::string& Artikelnummer) const;
    std::string get_ean(const std::string& Artikelnummer) const;
    std::string get_anbindnummer(const std::string& Artikelnummer) const;
    std::string get_matchcode(const std::string& Artikelnummer) const;
    std::string get_rabattgruppe(const std::string& Artikelnummer) const;
    // The article's main product group, the only group DATANORM 4 articles carry.
    std::string get_warengruppe(const std::string& Artikelnummer) const;
    // Price of the last article with exactly this number in currency units; 0 when none.
    double get_preis(const std::string& Artikelnummer) const;

    const TDatanorm* parent = nullptr;
    // Written into the article index cache; nothing sorts the list.
    bool sorted = false;

private:
    std::vector<TArtikelsatzA> ArtikelsaetzeA;
    // Number -> positions of its articles (the first and the last are the ones read).
    KeyTable& FNummern;
    PositionChains FPositionen;
    std::size_t FIndexiert = 0;
};

// The long-text lines of a file, in file order, indexed by text number.
class TTextsaetze {
public:
    TTextsaetze(const TDatanorm* Parent, KeyTable& nummern) : parent(Parent), FNummern(nummern) {}

    TTextsatz& neuerSatz();
    void indexiere();
    void reserve(std::size_t anzahl);
    void clear();
    const std::vector<TTextsatz>& getTextsaetze() const { return Textsaetze; }

    // The long text of a text number (compared without case), assembled after the
    // version of the parent reader's file.
    std::vector<std::string> getTextsatz(const std::string& Textnummer) const;

    const TDatanorm* parent = nullptr;

private:
    std::vector<TTextsatz> Textsaetze;
    KeyTable& FNummern;
    PositionChains FPositionen;
    LetzteNummer FLetzte;
    std::size_t FIndexiert = 0;
};

// The dimension-text lines of a file, in file order, indexed by the article they
// describe (a DATANORM 5 line names it in Dimensionstextnummer, a DATANORM 4 line in
// Artikelnummer), normalised like article numbers.
class TDimensionssaetze {
public:
    TDimensionssaetze(const TDatanorm* parent, KeyTable& nummern)
        : Parent(parent), FNummern(nummern) {}

    TDimensionssatz& neuerSatz();
    void indexiere();
    void reserve(std::size_t anzahl);
    void clear();
    const std::vector<TDimensionssatz>& getDimensionssatz() const { return Dimensionssatz; }
    // The lines of one article, file order; the argument is normalised before comparing.
    std::vector<const TDimensionssatz*> finde(const std::string& Artikelnummer) const;

    const TDatanorm* Parent = nullptr;

private:
    std::vector<TDimensionssatz> Dimensionssatz;
    KeyTable& FNummern;
    PositionChains FPositionen;
    LetzteNummer FLetzte;
    std::size_t FIndexiert = 0;
};

// The insertion texts of a DATANORM 4 file.
class TEinfuegetextsaetze {
public:
    explicit TEinfuegetextsaetze(const TDatanorm* Parent = nullptr) : parent(Parent) {}

    std::vector<TEinfuegetextsatz> Einfuegetextsaetze;
    const TDatanorm* parent = nullptr;
};

}  // namespace velmora::datanorm
