#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "datanorm/DatanormRecords.h"

namespace velmora::datanorm {

// Positions of the records of each key, in file order: one chain per key through the
// records rather than one list each, as a large file has a key for nearly every record.
class PositionChains {
public:
    void add(std::string key, std::size_t position);
    void reserve(std::size_t records);
    void clear();
    // The positions of the key's records in file order; empty for an unknown key.
    std::vector<std::size_t> positions(const std::string& key) const;

private:
    static constexpr std::size_t kEnde = static_cast<std::size_t>(-1);
    // Key -> its first and last position.
    std::unordered_map<std::string, std::pair<std::size_t, std::size_t>> FKetten;
    // Position -> the key's next position, kEnde after the last.
    std::vector<std::size_t> FNaechste;
};

// The article records of a file, in file order, indexed by their (normalised) number so
// that look-ups do not walk the list.
class TArtikelSaetzeA {
public:
    explicit TArtikelSaetzeA(const TDatanorm* Parent = nullptr) : parent(Parent) {}

    void add(std::unique_ptr<TArtikelsatzA> satz);
    // Room for this many records, announced by the count before parsing.
    void reserve(std::size_t anzahl);
    void clear();
    const std::vector<std::unique_ptr<TArtikelsatzA>>& getArtikelsaetzeA() const {
        return ArtikelsaetzeA;
    }

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
    std::vector<std::unique_ptr<TArtikelsatzA>> ArtikelsaetzeA;
    // Number -> positions of its first and last article.
    std::unordered_map<std::string, std::pair<std::size_t, std::size_t>> FPositionen;
};

// The long-text lines of a file, in file order, indexed by text number.
class TTextsaetze {
public:
    explicit TTextsaetze(const TDatanorm* Parent = nullptr) : parent(Parent) {}

    void add(std::unique_ptr<TTextsatz> satz);
    void reserve(std::size_t anzahl);
    void clear();
    const std::vector<std::unique_ptr<TTextsatz>>& getTextsaetze() const { return Textsaetze; }

    // The long text of a text number (compared without case), assembled after the
    // version of the parent reader's file.
    std::vector<std::string> getTextsatz(const std::string& Textnummer) const;

    const TDatanorm* parent = nullptr;

private:
    std::vector<std::unique_ptr<TTextsatz>> Textsaetze;
    PositionChains FPositionen;
};

// The dimension-text lines of a file, in file order, indexed by the article they
// describe (a DATANORM 5 line names it in Dimensionstextnummer, a DATANORM 4 line in
// Artikelnummer), normalised like article numbers.
class TDimensionssaetze {
public:
    explicit TDimensionssaetze(const TDatanorm* parent = nullptr) : Parent(parent) {}

    void add(std::unique_ptr<TDimensionssatz> satz);
    void reserve(std::size_t anzahl);
    void clear();
    const std::vector<std::unique_ptr<TDimensionssatz>>& getDimensionssatz() const {
        return Dimensionssatz;
    }
    // The lines of one article, file order; the argument is normalised before comparing.
    std::vector<const TDimensionssatz*> finde(const std::string& Artikelnummer) const;

    const TDatanorm* Parent = nullptr;

private:
    std::vector<std::unique_ptr<TDimensionssatz>> Dimensionssatz;
    PositionChains FPositionen;
};

// The insertion texts of a DATANORM 4 file.
class TEinfuegetextsaetze {
public:
    explicit TEinfuegetextsaetze(const TDatanorm* Parent = nullptr) : parent(Parent) {}

    std::vector<TEinfuegetextsatz> Einfuegetextsaetze;
    const TDatanorm* parent = nullptr;
};

}  // namespace velmora::datanorm
