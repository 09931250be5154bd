#include "datanorm/ArticleIndexCache.h"

#include <cstdio>

#include "base/CodePage.h"
#include "datanorm/DatanormErrors.h"
#include "datanorm/DatanormFields.h"
#include "datanorm/DatanormFiles.h"
#include "datanorm/FieldValues.h"

namespace velmora::datanorm {

namespace {

constexpr std::size_t kCacheCut = 4;
constexpr std::string_view kCacheSuffix = ".EDA";
constexpr std::size_t kPufferBytes = 1 << 20;

}  // namespace

ArticleIndexCache::ArticleIndexCache(std::string artikeldatei, double kopfdatum, bool sorted)
    : FDateiname(begleitdatei(artikeldatei, kCacheCut, kCacheSuffix)) {
    if (dateiExistiert(FDateiname)) {
        if (istAktuell(kopfdatum)) {
            return;
        }
        std::remove(FDateiname.c_str());
    }
    FWriter = std::make_unique<AtomicFileWriter>(FDateiname);
    if (!FWriter->isOpen()) {
        FWriter.reset();
        return;
    }
    FWriter->write(std::string(sorted ? "sorted;" : "unsorted;") +
                   fromUtf8(formatShortDate(kopfdatum), CodePage::Windows1252) + ";\r\n");
}

bool ArticleIndexCache::istAktuell(double kopfdatum) const {
    std::string ersteZeile;
    try {
        ersteZeile = readFirstLine(FDateiname);
    } catch (const EDatanormFileError&) {
        return false;
    }
    const std::vector<std::string_view> felder = splitFields(ersteZeile, 2);
    if (felder.size() < 2 || felder[1].empty()) {
        return false;
    }
    const std::optional<double> datum = parseShortDate(felder[1]);
    return datum.has_value() && *datum == kopfdatum;
}

void ArticleIndexCache::addArtikelzeile(std::string_view line) {
    FPuffer += fromUtf8(toUtf8(line, CodePage::Cp850), CodePage::Windows1252);
    FPuffer += "\r\n";
    if (FPuffer.size() >= kPufferBytes) {
        FWriter->write(FPuffer);
        FPuffer.clear();
    }
}

bool ArticleIndexCache::abschliessen() {
    if (FWriter == nullptr) {
        return false;
    }
    FWriter->write(FPuffer);
    FPuffer.clear();
    const bool geschrieben = static_cast<bool>(FWriter->commit());
    FWriter.reset();
    return geschrieben;
}

}  // namespace velmora::datanorm
