#include "datanorm/LargeFileIndex.h"

#include <array>

#include "base/CodePage.h"
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

LargeFileIndex::LargeFileIndex(std::string path, int version, const TDatanorm* parent,
                               std::uint64_t dateigroesse)
    : FPath(std::move(path)), FVersion(version), FParent(parent) {
    const auto artikel = static_cast<std::size_t>(dateigroesse / kMinBytesJeArtikel);
    FArtikel.reserve(artikel);
    FArtikelnummern.reserve(artikel);
}

void LargeFileIndex::clear() {
    FArtikelnummern.clear();
    FArtikel.clear();
    FTexte.clear();
    FLetzteListe = nullptr;
}

void LargeFileIndex::addLine(std::uint64_t offset, std::string_view line) {
    // Only the kind, the flag and the number are needed to place a line.
    std::array<std::string_view, 3> felder;
    const std::size_t anzahl = forEachField(
        line, felder.size(),
        [&, i = std::size_t{0}](std::string_view feld) mutable { felder[i++] = feld; });
    if (anzahl < 3) {
        return;
    }
    // Decoded only for the kinds kept: other lines (such as B) are as many as the articles.
    const auto nummer = [&] { return toUtf8(felder[2], CodePage::Cp850); };
    if (istNeuerArtikel(std::span(felder.data(), anzahl))) {
        Artikel& eintrag = *FArtikel.try_emplace(normalisiereArtikelnummer(nummer())).first;
        if (!eintrag.second.vorhanden) {
            eintrag.second.vorhanden = true;
            eintrag.second.erster = offset;
        }
        eintrag.second.letzter = offset;
        FArtikelnummern.push_back(&eintrag);
    } else if (felder[0] == "T" || felder[0] == "D") {
        // An article's texts mostly come in runs under one number: the same raw bytes
        // give the same key, so a run is decoded and hashed once.
        const bool gleicheListe =
            FLetzteListe != nullptr && felder[0] == FLetzteArt && felder[2] == FLetzteNummer;
        if (!gleicheListe) {
            FLetzteListe = felder[0] == "T"
                               ? &FTexte[toLowerText(nummer())]
                               : &FArtikel[normalisiereArtikelnummer(nummer())].dimensionen;
            FLetzteArt = felder[0];
            FLetzteNummer = felder[2];
        }
        FLetzteListe->push_back(offset);
    }
}

std::vector<std::string> LargeFileIndex::artikelnummern() const {
    std::vector<std::string> nummern;
    nummern.reserve(FArtikelnummern.size());
    for (const Artikel* artikel : FArtikelnummern) {
        nummern.push_back(artikel->first);
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
    const auto artikel = FArtikel.find(normalisiereArtikelnummer(Artikelnummer));
    if (artikel == FArtikel.end() || !artikel->second.vorhanden) {
        return std::nullopt;
    }
    LineWindow fenster(FPath);
    FieldRow puffer;
    return lies(artikel->first, artikel->second, fenster, puffer);
}

void LargeFileIndex::fuerJedenArtikel(const std::function<void(const Fund&)>& visit) {
    if (!aktualisiere()) {
        return;
    }
    // Articles in file order, each with the texts that follow it: the window walks the
    // file about once.
    LineWindow fenster(FPath);
    FieldRow puffer;
    for (const Artikel* artikel : FArtikelnummern) {
        if (const std::optional<Fund> fund =
                lies(artikel->first, artikel->second, fenster, puffer)) {
            visit(*fund);
        }
    }
}

std::optional<LargeFileIndex::Fund> LargeFileIndex::lies(const std::string& nummer,
                                                         const ArtikelOffsets& offsets,
                                                         LineWindow& fenster,
                                                         FieldRow& puffer) const {
    if (!fenster.isOpen()) {
        return std::nullopt;
    }
    auto zeile = [&](std::uint64_t offset) -> FieldRow&& {
        splitConvertedInto(fenster.zeileAb(offset), kMaxArtikelFelder, puffer);
        return std::move(puffer);
    };
    Fund fund;
    fund.erster = parseArtikelsatz(zeile(offsets.erster), FVersion, FParent);
    if (offsets.letzter != offsets.erster) {
        fund.letzter = parseArtikelsatz(zeile(offsets.letzter), FVersion, FParent);
    }
    if (fund.erster->Artikelnummer != nummer ||
        (fund.letzter && fund.letzter->Artikelnummer != nummer)) {
        return std::nullopt;  // the file changed while it was read
    }
    if (hatLangtext(fund.erster->Langtextnummer)) {
        if (const auto texte = FTexte.find(toLowerText(fund.erster->Langtextnummer));
            texte != FTexte.end()) {
            for (std::uint64_t offset : texte->second) {
                fund.langtext.push_back(parseTextsatz(zeile(offset), FVersion, FParent));
            }
        }
    }
    for (std::uint64_t offset : offsets.dimensionen) {
        fund.dimensionstext.push_back(parseDimensionssatz(zeile(offset), FVersion, FParent));
    }
    return fund;
}

}  // namespace velmora::datanorm
