// Every demo catalogue file cut at every byte: the catalogue either loads whole, or names
// the file as damaged, or says which prices it lacks. No price is ever made up.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "app/TDaten.h"
#include "support/ScriptedHost.h"
#include "support/TempDirectory.h"

namespace velmora {
namespace {

using testing::ScriptedHost;
using testing::TempDirectory;

const char* const kDateien[] = {"Datanorm.500", "produkte.dta", "aufstellvarianten.dta",
                                "zubehoer.dta", "wg.dta",       "settings.dta"};

// Cutting an XML file anywhere leaves its root open, which the parser refuses; every byte
// of them would take minutes, so they are cut at a prime stride. The other files are cut
// at every byte.
std::size_t schrittweite(const std::string& datei) {
    return datei == "produkte.dta" || datei == "aufstellvarianten.dta" ? 97 : 1;
}

// Every known price of the catalogue by where it stands (group, product, article); an
// article without a price stands with its absence.
std::map<std::string, std::optional<double>> preise(const TDaten& daten) {
    std::map<std::string, std::optional<double>> alle;
    const auto merke = [&](const std::string& ort, bool bekannt, double preis) {
        alle[ort] = bekannt ? std::optional(preis) : std::nullopt;
    };
    for (const auto& gruppe : daten.getProduktgruppenListe()) {
        const std::string wg = gruppe->getWGBezeichnung() + "/";
        for (const auto& zubehoer : gruppe->getZubehoerListe()) {
            merke(wg + zubehoer->getArtNr(), zubehoer->hatPreis(), zubehoer->getKatalogPreis());
        }
        for (const auto& produkt : gruppe->getProduktListe()) {
            const std::string ort = wg + produkt->getArtikelNr();
            merke(ort, produkt->hatPreis(), produkt->getKatalogPreis());
            for (const auto& zubehoer : produkt->getZubehoerListe()) {
                merke(ort + "/" + zubehoer->getArtNr(), zubehoer->hatPreis(),
                      zubehoer->getKatalogPreis());
            }
        }
    }
    return alle;
}

TEST(DemoTruncation, EveryCutLoadsWholeOrIsNamedAndNeverMakesUpAPrice) {
    const char* bin = std::getenv("VELMORA_BIN");
    if (bin == nullptr) {
        GTEST_SKIP() << "VELMORA_BIN names the directory of the demo catalogue";
    }
    ScriptedHost host;
    TempDirectory dir;
    for (const char* datei : kDateien) {
        std::filesystem::copy_file(std::filesystem::path(bin) / datei, dir.path(datei));
    }
    const TDaten ganz(dir.path().string(), false);
    ASSERT_TRUE(host.errors.empty());
    const auto ganzePreise = preise(ganz);

    for (const char* datei : kDateien) {
        const std::string bytes = dir.read(datei);
        int benannt = 0;
        for (std::size_t schnitt = 0; schnitt < bytes.size(); schnitt += schrittweite(datei)) {
            dir.write(datei, std::string_view(bytes).substr(0, schnitt));
            host.errors.clear();
            const TDaten daten(dir.path().string(), false);
            if (!daten.getFehlendeDateien().empty()) {
                ++benannt;
                continue;
            }
            for (const auto& [ort, preis] : preise(daten)) {
                const auto vorher = ganzePreise.find(ort);
                ASSERT_NE(vorher, ganzePreise.end())
                    << datei << " cut at " << schnitt << ": " << ort;
                if (preis) {
                    ASSERT_EQ(preis, vorher->second)
                        << datei << " cut at " << schnitt << ": " << ort;
                }
            }
            const bool unvollstaendig = !daten.getArtikelOhnePreis().empty();
            ASSERT_EQ(unvollstaendig, !host.errors.empty()) << datei << " cut at " << schnitt;
        }
        // The cuts that the file's form cannot hide are named.
        EXPECT_GT(benannt, 0) << datei;
        dir.write(datei, bytes);
    }
}

}  // namespace
}  // namespace velmora
