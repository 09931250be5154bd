#include "datanorm/LargeFileIndex.h"

#include <fstream>

#include "base/CodePage.h"
#include "datanorm/DatanormErrors.h"
#include "datanorm/DatanormFields.h"
#include "datanorm/DatanormFiles.h"
#include "datanorm/ProductAssembly.h"
#include "datanorm/RecordParser.h"
#include "datanorm/TextCase.h"

namespace velmora::datanorm {

namespace fs = std::filesystem;

LargeFileIndex::LargeFileIndex(std::string path, int version, const TDatanorm* parent)
    : FPath(std::move(path)), FVersion(version), FParent(parent) {}

void LargeFileIndex::clear() {
    FArtikelnummern.clear();
    FArtikel.clear();
    FTexte.clear();
    FDimensionen.clear();
}

void LargeFileIndex::addLine(std::uint64_t offset, std::string_view line) {
    // Only the kind, the flag and the number are needed to place a line.
    const std::vector<std::string_view> felder = splitFields(line, 3);
    if (felder.size() < 3) {
        return;
    }
    const std::string nummer = toUtf8(felder[2], CodePage::Cp850);
    if (istNeuerArtikel(felder)) {
        std::string schluessel = normalisiereArtikelnummer(nummer);
        auto [eintrag, neu] = FArtikel.try_emplace(schluessel, offset, offset);
        if (!neu) {
            eintrag->second.second = offset;
        }
        FArtikelnummern.push_back(std::move(schluessel));
    } else if (felder[0] == "T") {
        FTexte[toLowerText(nummer)].push_back(offset);
    } else if (felder[0] == "D") {
        FDimensionen[normalisiereArtikelnummer(nummer)].push_back(offset);
    }
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

std::optional<LargeFileIndex::Fund> LargeFileIndex::finde(const std::string& Artikelnummer) {
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
        return std::nullopt;
    }
    const auto artikel = FArtikel.find(normalisiereArtikelnummer(Artikelnummer));
    if (artikel == FArtikel.end()) {
        return std::nullopt;
    }
    std::ifstream file(FPath, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    auto zeile = [&](std::uint64_t offset) {
        return splitConverted(readLineAt(file, offset), kMaxArtikelFelder);
    };
    Fund fund;
    fund.erster = parseArtikelsatz(zeile(artikel->second.first), FVersion, FParent);
    fund.letzter = parseArtikelsatz(zeile(artikel->second.second), FVersion, FParent);
    if (fund.erster->Artikelnummer != artikel->first ||
        fund.letzter->Artikelnummer != artikel->first) {
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
    if (const auto dimensionen = FDimensionen.find(artikel->first);
        dimensionen != FDimensionen.end()) {
        for (std::uint64_t offset : dimensionen->second) {
            fund.dimensionstext.push_back(parseDimensionssatz(zeile(offset), FVersion, FParent));
        }
    }
    return fund;
}

}  // namespace velmora::datanorm
