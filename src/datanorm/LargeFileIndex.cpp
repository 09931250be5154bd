#include "datanorm/LargeFileIndex.h"

#include <array>
#include <limits>
#include <utility>

#include "base/CodePage.h"
#include "base/FileName.h"
#include "datanorm/DatanormErrors.h"
#include "datanorm/DatanormFields.h"
#include "datanorm/DatanormFiles.h"
#include "datanorm/ProductAssembly.h"
#include "datanorm/RecordParser.h"
#include "datanorm/TextCase.h"

namespace velmora::datanorm {

namespace fs = std::filesystem;

namespace {

// An article record with the records that belong to it rarely takes fewer bytes.
constexpr std::uint64_t kMinBytesJeArtikel = 128;

}  // namespace

LargeFileIndex::LargeFileIndex(std::string path, int version, std::uint64_t dateigroesse)
    : FPath(std::move(path)), FVersion(version) {
    const auto artikel = static_cast<std::size_t>(dateigroesse / kMinBytesJeArtikel);
    FNummern.reserve(artikel);
    FArtikelzeilen.reserve(artikel);
    FArtikelIds.reserve(artikel);
    // Most articles come with a run of texts and one of dimension texts.
    for (PositionChains* ketten : {&FArtikel, &FTexte, &FDimensionen}) {
        ketten->reserve(artikel, artikel);
    }
    FTextlaeufe.reserve(artikel);
    FDimensionslaeufe.reserve(artikel);
}

void LargeFileIndex::clear() {
    FArtikelzeilen.clear();
    FTextlaeufe.clear();
    FDimensionslaeufe.clear();
    FNummern.clear();
    FArtikel.clear();
    FArtikelIds.clear();
    FTexte.clear();
    FDimensionen.clear();
    FLetzteKetten = nullptr;
    FLaufOffen = false;
}

void LargeFileIndex::addLine(std::uint64_t offset, std::string_view line) {
    const bool laufOffen = std::exchange(FLaufOffen, false);
    // Only the kind, the flag and the number are needed to place a line.
    std::array<std::string_view, 3> felder;
    const std::size_t anzahl = forEachField(
        line, felder.size(),
        [&, i = std::size_t{0}](std::string_view feld) mutable { felder[i++] = feld; });
    if (anzahl < 3) {
        return;
    }
    // Every key comes with an article or a run.
    if (FArtikelzeilen.size() + FTextlaeufe.size() + FDimensionslaeufe.size() >=
        KeyTable::kMaxKeys) {
        throw EDatanormFileError("Die Datei " + quotedFileName(FPath) +
                                 " hat zu viele Datensätze.");
    }
    // Decoded only for the kinds kept: other lines (such as B) are as many as the articles.
    const auto nummer = [&] { return toUtf8(felder[2], CodePage::Cp850); };
    if (istNeuerArtikel(std::span(felder.data(), anzahl))) {
        const KeyTable::Id id = FNummern.insert(normalisiereArtikelnummer(nummer())).first;
        FArtikel.add(id, FArtikelzeilen.size());
        FArtikelIds.push_back(id);
        FArtikelzeilen.push_back(offset);
    } else if (felder[0] == "T" || felder[0] == "D") {
        const bool text = felder[0] == "T";
        std::vector<Lauf>& laeufe = text ? FTextlaeufe : FDimensionslaeufe;
        // An article's texts mostly come in runs under one number: the same raw bytes
        // give the same key, so a run is decoded and hashed once.
        const bool gleicheNummer =
            FLetzteKetten != nullptr && felder[0] == FLetzteArt && felder[2] == FLetzteNummer;
        if (gleicheNummer && laufOffen &&
            laeufe.back().zeilen < std::numeric_limits<std::uint32_t>::max()) {
            ++laeufe.back().zeilen;
        } else {
            if (!gleicheNummer) {
                FLetzteKetten = text ? &FTexte : &FDimensionen;
                FLetzteId =
                    FNummern
                        .insert(text ? toLowerText(nummer()) : normalisiereArtikelnummer(nummer()))
                        .first;
                FLetzteArt = felder[0];
                FLetzteNummer = felder[2];
            }
            FLetzteKetten->add(FLetzteId, laeufe.size());
            laeufe.push_back({offset, 1});
        }
        FLaufOffen = true;
    }
}

std::vector<std::string> LargeFileIndex::artikelnummern() const {
    std::vector<std::string> nummern;
    nummern.reserve(FArtikelIds.size());
    for (const PositionChains::Id id : FArtikelIds) {
        nummern.emplace_back(FNummern.key(id));
    }
    return nummern;
}

void LargeFileIndex::scanBeendet() {
    std::error_code error;
    FGroesse = fs::file_size(FPath, error);
    FZeit = fs::last_write_time(FPath, error);
}

bool LargeFileIndex::istAktuell() const {
    std::error_code error;
    const std::uintmax_t groesse = fs::file_size(FPath, error);
    if (error) {
        return false;
    }
    const fs::file_time_type zeit = fs::last_write_time(FPath, error);
    return !error && groesse == FGroesse && zeit == FZeit;
}

bool LargeFileIndex::aktualisiere() {
    try {
        if (!istAktuell()) {
            clear();
            scanLines(FPath, [this](std::uint64_t offset, std::string_view line) {
                addLine(offset, line);
            });
            scanBeendet();
        }
    } catch (const EDatanormFileError&) {
        clear();
        return false;
    }
    return true;
}

std::optional<LargeFileIndex::Fund> LargeFileIndex::finde(const std::string& Artikelnummer) {
    if (!aktualisiere()) {
        return std::nullopt;
    }
    const std::optional<KeyTable::Id> artikel =
        FNummern.find(normalisiereArtikelnummer(Artikelnummer));
    if (!artikel || !FArtikel.contains(*artikel)) {
        return std::nullopt;
    }
    Lesen lesen(FPath);
    Fund fund;
    if (!lies(*artikel, lesen, fund)) {
        return std::nullopt;
    }
    return fund;
}

void LargeFileIndex::fuerJedenArtikel(const std::function<void(const Fund&)>& visit) {
    if (!aktualisiere()) {
        return;
    }
    // Articles in file order, each with the texts that follow it: the window walks the
    // file about once.
    Lesen lesen(FPath);
    Fund fund;
    for (const KeyTable::Id artikel : FArtikelIds) {
        if (lies(artikel, lesen, fund)) {
            visit(fund);
        }
    }
}

template <typename Satz, typename Parse>
void LargeFileIndex::liesLaeufe(const PositionChains& ketten, const std::vector<Lauf>& laeufe,
                                std::optional<KeyTable::Id> id, Lesen& lesen,
                                std::vector<Satz>& saetze, Parse parse) const {
    lesen.positionen.clear();
    if (id) {
        ketten.positions(*id, lesen.positionen);
    }
    std::size_t zeilen = 0;
    for (const std::size_t position : lesen.positionen) {
        zeilen += laeufe[position].zeilen;
    }
    saetze.resize(zeilen);
    auto satz = saetze.begin();
    for (const std::size_t position : lesen.positionen) {
        const Lauf& lauf = laeufe[position];
        for (std::uint32_t i = 0; i < lauf.zeilen; ++i, ++satz) {
            lesen.zeile.zerlege(i == 0 ? lesen.fenster.zeileAb(lauf.offset)
                                       : lesen.fenster.naechsteZeile());
            parse(lesen.zeile, FVersion, *satz);
        }
    }
}

bool LargeFileIndex::lies(KeyTable::Id artikel, Lesen& lesen, Fund& fund) const {
    if (!lesen.fenster.isOpen()) {
        return false;
    }
    const auto liesArtikel = [&](std::size_t position, TArtikelsatzA& satz) {
        lesen.zeile.zerlege(lesen.fenster.zeileAb(FArtikelzeilen[position]));
        parseArtikelsatz(lesen.zeile, FVersion, satz);
    };
    liesArtikel(FArtikel.first(artikel), fund.erster);
    fund.mehrfach = FArtikel.last(artikel) != FArtikel.first(artikel);
    if (fund.mehrfach) {
        liesArtikel(FArtikel.last(artikel), fund.letzter);
    }
    const std::string_view nummer = FNummern.key(artikel);
    if (fund.erster.Artikelnummer != nummer || fund.letzterSatz().Artikelnummer != nummer) {
        return false;  // the file changed while it was read
    }
    liesLaeufe(FTexte, FTextlaeufe,
               hatLangtext(fund.erster.Langtextnummer)
                   ? FNummern.find(toLowerText(fund.erster.Langtextnummer))
                   : std::nullopt,
               lesen, fund.langtext, parseTextsatz);
    liesLaeufe(FDimensionen, FDimensionslaeufe, artikel, lesen, fund.dimensionstext,
               parseDimensionssatz);
    return true;
}

}  // namespace velmora::datanorm
