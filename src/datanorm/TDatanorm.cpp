#include "datanorm/TDatanorm.h"

#include <array>
#include <filesystem>
#include <span>
#include <unordered_set>

#include "base/CodePage.h"
#include "base/Host.h"
#include "datanorm/ArticleIndexCache.h"
#include "datanorm/DatanormErrors.h"
#include "datanorm/DatanormFiles.h"
#include "datanorm/EventPump.h"
#include "datanorm/LargeFileIndex.h"
#include "datanorm/ProductAssembly.h"
#include "datanorm/RecordLineCheck.h"
#include "datanorm/RecordParser.h"
#include "datanorm/TextCase.h"

namespace velmora::datanorm {

namespace {

// More article lines than this are not held in memory (unless the caller insists).
constexpr int kMaxArtikelzeilenImSpeicher = 10000;

// Distinct non-empty values in order of first appearance; with BlankIstLeer (product
// groups) a single blank counts as empty too, while a discount group of one blank is one.
class EindeutigeWerte {
public:
    explicit EindeutigeWerte(bool BlankIstLeer) : FBlankIstLeer(BlankIstLeer) {}
    void add(const std::string& wert) {
        // Neighbouring articles mostly share their groups: the value before is not hashed
        // again.
        if (wert == FLetzter) {
            return;
        }
        FLetzter = wert;
        const bool leer = FBlankIstLeer ? istLeerOderBlank(wert) : wert.empty();
        if (!leer && FGesehen.insert(wert).second) {
            FWerte.push_back(wert);
        }
    }
    const std::vector<std::string>& werte() const { return FWerte; }

private:
    bool FBlankIstLeer;
    std::unordered_set<std::string> FGesehen;
    std::vector<std::string> FWerte;
    std::string FLetzter;
};

int zaehleArtikelzeilen(const std::vector<std::string_view>& zeilen) {
    int anzahl = 0;
    for (std::string_view zeile : zeilen) {
        anzahl += zeile.front() == 'A' ? 1 : 0;
    }
    return anzahl;
}

// Counts a line by its first character (and, for articles, the processing flag).
void zaehle(std::string_view zeile, RecordCounts& zahlen) {
    switch (zeile.front()) {
        case 'T':
            ++zahlen.laenge_textsatz;
            break;
        case 'D':
            ++zahlen.laenge_dimensionssatz;
            break;
        case 'A':
            zahlen.laenge_artikelsatz += zeile.size() > 2 && zeile[2] == 'N' ? 1 : 0;
            break;
        case 'E':
            ++zahlen.laenge_einfuegetextsatz;
            break;
        case 'G':
            ++zahlen.laenge_grafikanbindesatz;
            break;
        default:
            break;
    }
}

bool istNeueZeile(std::string_view zeile, char art) {
    return zeile.size() > 2 && zeile[0] == art && zeile[2] == 'N';
}

}  // namespace

TDatanorm::TDatanorm() = default;
TDatanorm::~TDatanorm() = default;

void TDatanorm::reset(const std::string& Datei) {
    Counter = 0;
    Satzzahlen = RecordCounts{};
    Version = 0;
    dateiname = Datei;
    pfad = std::filesystem::path(Datei).parent_path().string();
    if (!pfad.empty()) {
        pfad += std::filesystem::path::preferred_separator;
    }
    Titel.clear();
    Vorlaufsatz = TVorlaufsatz(this);
    Kundenkontrollsatz = TKundenkontrollsatz(this);
    FKundeGelesen = false;
    Textsaetze.clear();
    Einfuegetextsaetze.Einfuegetextsaetze.clear();
    Dimensionssaetze.clear();
    ArtikelSaetzeA.clear();
    FNummern.clear();
    Hauptwarengruppensatz.reset();
    Rabattsaetze.clear();
    RabattCSV.Clear();
    Grafikanbindesaetze.clear();
    grosse_dateien = false;
    FIndex.reset();
    FRabattgruppen.clear();
}

void TDatanorm::LoadFromFile(const std::string& Datei, std::uint64_t dateigroesse, bool klein) {
    const std::uint64_t groesse = fileSize(Datei);
    bool gross = !klein && dateigroesse != 0 && groesse > dateigroesse;
    std::string inhalt;
    std::vector<std::string_view> zeilen;
    if (!gross) {
        inhalt = readWholeFile(Datei);
        zeilen = splitLines(inhalt);
        gross = !klein && zaehleArtikelzeilen(zeilen) > kMaxArtikelzeilenImSpeicher;
    }
    if (gross) {
        loadLargeFile(Datei);
        return;
    }
    if (zeilen.empty()) {
        throw ELoadfromFileExeption();
    }
    if (Datei == dateiname && !FIndex && zeilen.front() == Titel) {
        return;  // parsed before by this reader
    }
    loadInMemory(Datei, zeilen);
}

void TDatanorm::loadInMemory(const std::string& Datei,
                             const std::vector<std::string_view>& zeilen) {
    reset(Datei);
    Version = erkenneVersion(zeilen.front(), Datei);
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        pruefeDatensatzzeile(zeilen[i], i == 0, Datei);
        zaehle(zeilen[i], Satzzahlen);
    }
    pruefeLetzteZeile(zeilen.back(), zeilen.size() == 1, Datei);
    Counter = static_cast<int>(zeilen.size());
    ArtikelSaetzeA.reserve(static_cast<std::size_t>(Satzzahlen.laenge_artikelsatz));
    Textsaetze.reserve(static_cast<std::size_t>(Satzzahlen.laenge_textsatz));
    Dimensionssaetze.reserve(static_cast<std::size_t>(Satzzahlen.laenge_dimensionssatz));
    // The number table is not sized ahead: while it is small, its look-ups stay in the
    // processor's cache, which measured faster than sparing it the growing.

    WaitCursor warten;
    EventPump pumpe;
    parseVorlaufsatz(splitKopfzeile(zeilen.front(), Version), Version, false, Vorlaufsatz);
    // The first line too: a DATANORM 5 file may start with a record, while a DATANORM 4
    // header ("V" and a blank) names no kind.
    LineFields row;
    // The groups are taken while an article is at hand: read again after the file, the
    // records would have left the processor's cache.
    EindeutigeWerte warengruppen(true);
    EindeutigeWerte rabattgruppen(false);
    for (const std::string_view zeile : zeilen) {
        row.zerlege(zeile);
        if (const TArtikelsatzA* artikel = parseZeile(row)) {
            warengruppen.add(artikel->Hauptwarengruppe);
            rabattgruppen.add(artikel->Rabattgruppe);
        }
        pumpe.tick();
    }
    ArtikelSaetzeA.indexiere();
    Textsaetze.indexiere();
    Dimensionssaetze.indexiere();
    if (static_cast<int>(ArtikelSaetzeA.getArtikelsaetzeA().size()) > kMaxArtikelzeilenImSpeicher) {
        grosse_dateien = true;
    }
    FRabattgruppen = rabattgruppen.werte();
    readSideFiles(warengruppen.werte());
    Titel = std::string(zeilen.front());
}

const TArtikelsatzA* TDatanorm::parseZeile(const LineFields& row) {
    const std::string_view art = row.feld(1);
    if (art == "A") {
        if (row.feld(2) == "N") {
            pruefeArtikelpreis(row.size(), row.feld(preisfeldNummer(Version)), Version, dateiname);
            TArtikelsatzA& artikel = ArtikelSaetzeA.neuerSatz();
            parseArtikelsatz(row, Version, artikel);
            return &artikel;
        }
    } else if (art == "T") {
        parseTextsatz(row, Version, Textsaetze.neuerSatz());
    } else if (art == "D") {
        parseDimensionssatz(row, Version, Dimensionssaetze.neuerSatz());
    } else if (art == "K") {
        if (!FKundeGelesen) {
            parseKundenkontrollsatz(row, Kundenkontrollsatz);
            FKundeGelesen = true;
        }
    } else if (art == "E" && Version == 4) {
        Einfuegetextsaetze.Einfuegetextsaetze.push_back(parseEinfuegetextsatz(row, this));
    } else if (art == "G" && Version == 5) {
        Grafikanbindesaetze.push_back(parseGrafikbindungssatz(row, true, this));
    }
    return nullptr;
}

void TDatanorm::loadLargeFile(const std::string& Datei) {
    reset(Datei);
    grosse_dateien = true;
    WaitCursor warten;
    const std::string kopfzeile = readFirstLine(Datei);
    if (kopfzeile.empty()) {
        throw ELoadfromFileExeption();
    }
    Version = erkenneVersion(kopfzeile, Datei);
    parseVorlaufsatz(splitKopfzeile(kopfzeile, Version), Version, true, Vorlaufsatz);

    ArticleIndexCache cache(Datei, Vorlaufsatz.Datum, ArtikelSaetzeA.sorted);
    FIndex = std::make_unique<LargeFileIndex>(Datei, Version, fileSize(Datei));
    const std::size_t gruppenFeld = Version == 5 ? 11 : 12;
    EindeutigeWerte warengruppen(true);
    EventPump pumpe;
    bool letzteZeileVollstaendig = true;
    scanLines(Datei, [&](std::uint64_t offset, std::string_view zeile) {
        pruefeDatensatzzeile(zeile, Counter == 0, Datei);
        letzteZeileVollstaendig = istVollstaendigeZeile(zeile, Counter == 0);
        ++Counter;
        zaehle(zeile, Satzzahlen);
        FIndex->addLine(offset, zeile);
        if (istNeueZeile(zeile, 'A')) {
            if (cache.schreibt()) {
                cache.addArtikelzeile(zeile);
            }
            std::array<std::string_view, 12> felder;
            const std::size_t anzahl = forEachField(
                zeile, gruppenFeld,
                [&, i = std::size_t{0}](std::string_view feld) mutable { felder[i++] = feld; });
            if (istNeuerArtikel(std::span(felder.data(), anzahl))) {
                const std::size_t preisfeld = preisfeldNummer(Version);
                pruefeArtikelpreis(anzahl, anzahl >= preisfeld ? felder[preisfeld - 1] : "",
                                   Version, Datei);
                if (anzahl >= gruppenFeld) {
                    warengruppen.add(toUtf8(felder[gruppenFeld - 1], CodePage::Cp850));
                }
            }
        } else if (Version == 5 && istNeueZeile(zeile, 'G')) {
            LineFields row;
            row.zerlege(zeile);
            Grafikanbindesaetze.push_back(parseGrafikbindungssatz(row, false, this));
        }
        pumpe.tick();
    });
    if (!letzteZeileVollstaendig) {
        throw EDatanormBeschaedigt(Datei);
    }
    FIndex->scanBeendet();
    cache.abschliessen();

    // No article is kept in memory, so a discount cache built now holds only its date row.
    FRabattgruppen.clear();
    readSideFiles(warengruppen.werte());
}

std::unique_ptr<TProdukt> TDatanorm::finde_produkt(const std::string& Artikelnummer) {
    WaitCursor warten;
    if (FIndex) {
        const std::optional<LargeFileIndex::Fund> fund = FIndex->finde(Artikelnummer);
        if (!fund) {
            return nullptr;
        }
        auto produkt = std::make_unique<TProdukt>(this);
        fuelleAusFund(*fund, *produkt);
        return produkt;
    }
    const std::string nummer = normalisiereArtikelnummer(Artikelnummer);
    const TArtikelsatzA* erster = ArtikelSaetzeA.findeErsten(nummer);
    if (erster == nullptr) {
        return nullptr;
    }
    std::vector<std::string> langtext;
    if (hatLangtext(erster->Langtextnummer)) {
        langtext = Textsaetze.getTextsatz(erster->Langtextnummer);
    }
    return baueProdukt(*erster, *ArtikelSaetzeA.findeLetzten(nummer), std::move(langtext),
                       GetDimensionsText(nummer), Version, this);
}

std::vector<std::string> TDatanorm::GetDimensionsText(const std::string& Artikelnummer) const {
    return setzeDimensionstext(Dimensionssaetze.finde(Artikelnummer));
}

void TDatanorm::fuelleAusFund(const LargeFileIndex::Fund& fund, TProdukt& produkt) const {
    std::vector<const TTextsatz*> langtext;
    langtext.reserve(fund.langtext.size());
    for (const TTextsatz& zeile : fund.langtext) {
        langtext.push_back(&zeile);
    }
    std::vector<const TDimensionssatz*> dimensionstext;
    dimensionstext.reserve(fund.dimensionstext.size());
    for (const TDimensionssatz& zeile : fund.dimensionstext) {
        dimensionstext.push_back(&zeile);
    }
    fuelleProdukt(produkt, fund.erster, fund.letzterSatz(), setzeLangtext(langtext, Version),
                  setzeDimensionstext(dimensionstext), Version);
}

void TDatanorm::fuerJedesProdukt(const std::function<void(const TProdukt&)>& visit) {
    if (FIndex) {
        // One answer filled again for each article keeps its storage.
        TProdukt produkt(this);
        FIndex->fuerJedenArtikel([&](const LargeFileIndex::Fund& fund) {
            fuelleAusFund(fund, produkt);
            visit(produkt);
        });
        return;
    }
    for (const auto& artikel : ArtikelSaetzeA.getArtikelsaetzeA()) {
        if (const std::unique_ptr<TProdukt> produkt = finde_produkt(artikel.Artikelnummer)) {
            visit(*produkt);
        }
    }
}

std::size_t TDatanorm::getArtikelanzahl() const {
    return FIndex ? FIndex->artikelanzahl() : ArtikelSaetzeA.getArtikelsaetzeA().size();
}

std::vector<std::string> TDatanorm::getArtikelnummern() const {
    if (FIndex) {
        return FIndex->artikelnummern();
    }
    std::vector<std::string> nummern;
    for (const auto& artikel : ArtikelSaetzeA.getArtikelsaetzeA()) {
        nummern.push_back(artikel.Artikelnummer);
    }
    return nummern;
}

}  // namespace velmora::datanorm
