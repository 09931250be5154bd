#include "datanorm/RecordCollections.h"

#include "datanorm/ProductAssembly.h"
#include "datanorm/TDatanorm.h"
#include "datanorm/TextCase.h"

namespace velmora::datanorm {

void TArtikelSaetzeA::add(std::unique_ptr<TArtikelsatzA> satz) {
    const std::size_t position = ArtikelsaetzeA.size();
    auto [eintrag, neu] = FPositionen.try_emplace(satz->Artikelnummer, position, position);
    if (!neu) {
        eintrag->second.second = position;
    }
    ArtikelsaetzeA.push_back(std::move(satz));
}

void PositionChains::add(std::string key, std::size_t position) {
    if (FNaechste.size() <= position) {
        FNaechste.resize(position + 1, kEnde);
    }
    auto [kette, neu] = FKetten.try_emplace(std::move(key), position, position);
    if (!neu) {
        FNaechste[kette->second.second] = position;
        kette->second.second = position;
    }
}

void PositionChains::reserve(std::size_t records) {
    FKetten.reserve(records);
    FNaechste.reserve(records);
}

void PositionChains::clear() {
    FKetten.clear();
    FNaechste.clear();
}

std::vector<std::size_t> PositionChains::positions(const std::string& key) const {
    std::vector<std::size_t> result;
    if (const auto kette = FKetten.find(key); kette != FKetten.end()) {
        for (std::size_t p = kette->second.first; p != kEnde; p = FNaechste[p]) {
            result.push_back(p);
        }
    }
    return result;
}

void TArtikelSaetzeA::reserve(std::size_t anzahl) {
    ArtikelsaetzeA.reserve(anzahl);
    FPositionen.reserve(anzahl);
}

void TArtikelSaetzeA::clear() {
    ArtikelsaetzeA.clear();
    FPositionen.clear();
}

const TArtikelsatzA* TArtikelSaetzeA::findeErsten(const std::string& Artikelnummer) const {
    const auto eintrag = FPositionen.find(Artikelnummer);
    return eintrag == FPositionen.end() ? nullptr : ArtikelsaetzeA[eintrag->second.first].get();
}

const TArtikelsatzA* TArtikelSaetzeA::findeLetzten(const std::string& Artikelnummer) const {
    const auto eintrag = FPositionen.find(Artikelnummer);
    return eintrag == FPositionen.end() ? nullptr : ArtikelsaetzeA[eintrag->second.second].get();
}

namespace {

template <typename Field>
std::string feldDesErsten(const TArtikelSaetzeA& liste, const std::string& nummer, Field field) {
    const TArtikelsatzA* satz = liste.findeErsten(nummer);
    return satz == nullptr ? std::string() : satz->*field;
}

}  // namespace

std::string TArtikelSaetzeA::get_kurztext1(const std::string& Artikelnummer) const {
    return feldDesErsten(*this, Artikelnummer, &TArtikelsatzA::Kurztext1);
}

std::string TArtikelSaetzeA::get_kurztext2(const std::string& Artikelnummer) const {
    return feldDesErsten(*this, Artikelnummer, &TArtikelsatzA::Kurztext2);
}

std::string TArtikelSaetzeA::get_mengeneinheit(const std::string& Artikelnummer) const {
    return feldDesErsten(*this, Artikelnummer, &TArtikelsatzA::Mengeneinheit);
}

std::string TArtikelSaetzeA::get_ean(const std::string& Artikelnummer) const {
    return feldDesErsten(*this, Artikelnummer, &TArtikelsatzA::EAN_Nummer);
}

std::string TArtikelSaetzeA::get_anbindnummer(const std::string& Artikelnummer) const {
    return feldDesErsten(*this, Artikelnummer, &TArtikelsatzA::Anbindenummer);
}

std::string TArtikelSaetzeA::get_matchcode(const std::string& Artikelnummer) const {
    return feldDesErsten(*this, Artikelnummer, &TArtikelsatzA::Matchcode);
}

std::string TArtikelSaetzeA::get_rabattgruppe(const std::string& Artikelnummer) const {
    return feldDesErsten(*this, Artikelnummer, &TArtikelsatzA::Rabattgruppe);
}

std::string TArtikelSaetzeA::get_warengruppe(const std::string& Artikelnummer) const {
    return feldDesErsten(*this, Artikelnummer, &TArtikelsatzA::Hauptwarengruppe);
}

double TArtikelSaetzeA::get_preis(const std::string& Artikelnummer) const {
    const TArtikelsatzA* satz = findeLetzten(Artikelnummer);
    return satz == nullptr ? 0.0 : satz->Preis / 100.0;
}

void TTextsaetze::add(std::unique_ptr<TTextsatz> satz) {
    FPositionen.add(toLowerText(satz->Textnummer), Textsaetze.size());
    Textsaetze.push_back(std::move(satz));
}

void TTextsaetze::reserve(std::size_t anzahl) {
    Textsaetze.reserve(anzahl);
    FPositionen.reserve(anzahl);
}

void TTextsaetze::clear() {
    Textsaetze.clear();
    FPositionen.clear();
}

std::vector<std::string> TTextsaetze::getTextsatz(const std::string& Textnummer) const {
    std::vector<const TTextsatz*> zeilen;
    for (std::size_t position : FPositionen.positions(toLowerText(Textnummer))) {
        zeilen.push_back(Textsaetze[position].get());
    }
    return setzeLangtext(zeilen, parent == nullptr ? 5 : parent->getVersion());
}

void TDimensionssaetze::add(std::unique_ptr<TDimensionssatz> satz) {
    const std::string& nummer =
        satz->Dimensionstextnummer.empty() ? satz->Artikelnummer : satz->Dimensionstextnummer;
    FPositionen.add(normalisiereArtikelnummer(nummer), Dimensionssatz.size());
    Dimensionssatz.push_back(std::move(satz));
}

void TDimensionssaetze::reserve(std::size_t anzahl) {
    Dimensionssatz.reserve(anzahl);
    FPositionen.reserve(anzahl);
}

void TDimensionssaetze::clear() {
    Dimensionssatz.clear();
    FPositionen.clear();
}

std::vector<const TDimensionssatz*> TDimensionssaetze::finde(
    const std::string& Artikelnummer) const {
    std::vector<const TDimensionssatz*> zeilen;
    for (std::size_t position : FPositionen.positions(normalisiereArtikelnummer(Artikelnummer))) {
        zeilen.push_back(Dimensionssatz[position].get());
    }
    return zeilen;
}

}  // namespace velmora::datanorm
