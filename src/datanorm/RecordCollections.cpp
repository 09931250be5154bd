#include "datanorm/RecordCollections.h"

#include "datanorm/ProductAssembly.h"
#include "datanorm/TDatanorm.h"
#include "datanorm/TextCase.h"

namespace velmora::datanorm {

TArtikelsatzA& TArtikelSaetzeA::neuerSatz() {
    return ArtikelsaetzeA.emplace_back(parent);
}

void TArtikelSaetzeA::indexiere() {
    for (; FIndexiert < ArtikelsaetzeA.size(); ++FIndexiert) {
        FPositionen.add(FNummern.insert(ArtikelsaetzeA[FIndexiert].Artikelnummer).first,
                        FIndexiert);
    }
}

void TArtikelSaetzeA::reserve(std::size_t anzahl) {
    ArtikelsaetzeA.reserve(anzahl);
    FPositionen.reserve(anzahl, anzahl);
}

void TArtikelSaetzeA::clear() {
    ArtikelsaetzeA.clear();
    FPositionen.clear();
    FIndexiert = 0;
}

const TArtikelsatzA* TArtikelSaetzeA::findeErsten(const std::string& Artikelnummer) const {
    const std::optional<KeyTable::Id> id = FNummern.find(Artikelnummer);
    return id && FPositionen.contains(*id) ? &ArtikelsaetzeA[FPositionen.first(*id)] : nullptr;
}

const TArtikelsatzA* TArtikelSaetzeA::findeLetzten(const std::string& Artikelnummer) const {
    const std::optional<KeyTable::Id> id = FNummern.find(Artikelnummer);
    return id && FPositionen.contains(*id) ? &ArtikelsaetzeA[FPositionen.last(*id)] : nullptr;
}

namespace {

// The records of a key in file order.
template <typename Satz>
std::vector<const Satz*> saetzeZu(const KeyTable& nummern, const PositionChains& positionen,
                                  const std::vector<Satz>& saetze, std::string_view key) {
    std::vector<const Satz*> zeilen;
    if (const std::optional<KeyTable::Id> id = nummern.find(key)) {
        std::vector<std::size_t> liste;
        positionen.positions(*id, liste);
        for (std::size_t position : liste) {
            zeilen.push_back(&saetze[position]);
        }
    }
    return zeilen;
}

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

TTextsatz& TTextsaetze::neuerSatz() {
    return Textsaetze.emplace_back(parent);
}

void TTextsaetze::indexiere() {
    for (; FIndexiert < Textsaetze.size(); ++FIndexiert) {
        FPositionen.add(FLetzte.id(FNummern, Textsaetze[FIndexiert].Textnummer, toLowerText),
                        FIndexiert);
    }
}

void TTextsaetze::reserve(std::size_t anzahl) {
    Textsaetze.reserve(anzahl);
    FPositionen.reserve(anzahl, anzahl);
}

void TTextsaetze::clear() {
    Textsaetze.clear();
    FPositionen.clear();
    FIndexiert = 0;
    FLetzte.clear();
}

std::vector<std::string> TTextsaetze::getTextsatz(const std::string& Textnummer) const {
    return setzeLangtext(saetzeZu(FNummern, FPositionen, Textsaetze, toLowerText(Textnummer)),
                         parent == nullptr ? 5 : parent->getVersion());
}

TDimensionssatz& TDimensionssaetze::neuerSatz() {
    return Dimensionssatz.emplace_back(Parent);
}

void TDimensionssaetze::indexiere() {
    for (; FIndexiert < Dimensionssatz.size(); ++FIndexiert) {
        const TDimensionssatz& satz = Dimensionssatz[FIndexiert];
        const std::string& nummer =
            satz.Dimensionstextnummer.empty() ? satz.Artikelnummer : satz.Dimensionstextnummer;
        FPositionen.add(FLetzte.id(FNummern, nummer, normalisiereArtikelnummer), FIndexiert);
    }
}

void TDimensionssaetze::reserve(std::size_t anzahl) {
    Dimensionssatz.reserve(anzahl);
    FPositionen.reserve(anzahl, anzahl);
}

void TDimensionssaetze::clear() {
    Dimensionssatz.clear();
    FPositionen.clear();
    FIndexiert = 0;
    FLetzte.clear();
}

std::vector<const TDimensionssatz*> TDimensionssaetze::finde(
    const std::string& Artikelnummer) const {
    return saetzeZu(FNummern, FPositionen, Dimensionssatz,
                    normalisiereArtikelnummer(Artikelnummer));
}

}  // namespace velmora::datanorm
