// One full solution search ("Alle Tanks", room with corner cut-out and boiler room), on the
// demo catalogue beside the executables and on a generated catalogue of 1000 products with
// 40 variants each.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/TDaten.h"
#include "base/CodePage.h"
#include "catalogue/files/TMurvel.h"

namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// 1000 products of one group; 40 group-wide variants: every row pair up to 5+5 (one row
// and two straight rows, 20 names), each once more as a crosswise second row or, for a
// single row, with a norm-ignoring alternative.
fs::path writeLargeCatalogue() {
    std::string pattern = (fs::temp_directory_path() / "velmora-bench-XXXXXX").string();
    const fs::path dir = ::mkdtemp(pattern.data());

    std::string datanorm = "V;050;A;20261201;EUR;Benchmark;;;;;;;;;;\r\n";
    std::string produkte = "<produkte>";
    for (int i = 0; i < 1000; ++i) {
        const std::string artNr = std::to_string(100000 + i);
        const int inhalt = 500 + (i % 16) * 100;
        const int breite = 650 + (i % 7) * 20;
        const int laenge = 900 + (i % 11) * 80;
        const int hoehe = 1300 + (i % 5) * 100;
        datanorm += "A;N;" + artNr + ";Tank " + std::to_string(inhalt) +
                    " l;Benchmark;PCE;1;1;50000;;G;;;;;;;;;;1;;0;;;;;;1;\r\n";
        produkte += "<produkt artNr=\"" + artNr + "\" warenGruppe=\"GEN\" inhalt=\"" +
                    std::to_string(inhalt) + "\" breite=\"" + std::to_string(breite) +
                    "\" laenge=\"" + std::to_string(laenge) + "\" hoehe=\"" +
                    std::to_string(hoehe) +
                    "\" aufstellungsvariation=\"true\" zusBreite=\"50\" zusLaenge=\"50\""
                    " zusLaengeQueraufstellung=\"100\" tankgrafik=\"tank_x\">"
                    "<zusHoehen><variante anzahl=\"0\" hoehe=\"600\"/></zusHoehen></produkt>";
    }
    produkte += "</produkte>";

    std::string varianten = "<aufstellvarianten><warengruppe typ=\"GEN\">";
    for (int r1 = 1; r1 <= 5; ++r1) {
        for (int r2 = 0; r2 <= r1 && r2 <= 3; ++r2) {
            const std::string n =
                r2 == 0 ? std::to_string(r1) : std::to_string(r1) + "+" + std::to_string(r2);
            for (const char* quer : {"false", "true"}) {
                varianten += "<variante n=\"" + n + "\" hp=\"1\" ep=\"" +
                             std::to_string(r1 + r2 - 1) + "\" up=\"" + (r2 > 0 ? "1" : "0") +
                             "\" zwReihWaag=\"" + (r2 > 0 ? quer : "false") +
                             "\" normRel=\"true\" ignNorm=\"" + (r2 == 0 ? quer : "false") +
                             "\" gL=\"50\" gT=\"400\" gR=\"50\" gB=\"400\" giX=\"50\" giY=\"50\""
                             " gNiB=\"50\"/>";
            }
        }
    }
    varianten += "</warengruppe></aufstellvarianten>";

    writeFile(dir / "Datanorm.500", velmora::fromUtf8(datanorm, velmora::CodePage::Cp850));
    writeFile(dir / "produkte.dta", velmora::TMurvel::scrambledFileBytes(produkte));
    writeFile(dir / "aufstellvarianten.dta", velmora::TMurvel::scrambledFileBytes(varianten));
    writeFile(dir / "zubehoer.dta", velmora::TMurvel::scrambledFileBytes("GEN|||||||||\r\n"));
    writeFile(dir / "wg.dta", velmora::TMurvel::scrambledFileBytes("GEN|||Generiert\r\n"));
    writeFile(dir / "settings.dta",
              velmora::TMurvel::scrambledFileBytes(
                  "3\r\n4\r\n2,2\r\n3000\r\n1,9\r\n0,8\r\n20\r\n20\r\n4\r\n5000\r\n1000\r\nX\r\n"));
    return dir;
}

void runSearches(benchmark::State& state, velmora::TDaten& daten, const char* volume) {
    for (auto _ : state) {
        daten.sucheLoesung({.TankPosition = "UL",
                            .EckePosition = "OL",
                            .HeizraumPosition = "UR",
                            .RaumBreite = {"6"},
                            .RaumLaenge = {"5"},
                            .RaumHoehe = {"2,5"},
                            .SollVolumen = {volume, 0},
                            .EinbringHoehe = {"1,9"},
                            .EinbringBreite = {"0,8"},
                            .EckeBreite = {"1"},
                            .EckeLaenge = {"1,2"},
                            .HeizraumBreite = {"1"},
                            .HeizraumLaenge = {"0,8"},
                            .VorgHeizraum = true,
                            .ARefreshGraphic = false});
        benchmark::DoNotOptimize(daten.getLoesungsListe());
    }
}

void BM_SearchDemoCatalogue(benchmark::State& state) {
    const std::string dir = fs::read_symlink("/proc/self/exe").parent_path().string();
    velmora::TDaten daten(dir, false);
    if (!daten.getFehlendeDateien().empty()) {
        state.SkipWithError("the demo catalogue is incomplete");
        return;
    }
    runSearches(state, daten, "3000");
}
BENCHMARK(BM_SearchDemoCatalogue)->Unit(benchmark::kMicrosecond);

void BM_SearchLargeCatalogue(benchmark::State& state) {
    const fs::path dir = writeLargeCatalogue();
    {
        velmora::TDaten daten(dir.string(), false);
        if (!daten.getFehlendeDateien().empty()) {
            state.SkipWithError("the generated catalogue did not load");
        } else {
            runSearches(state, daten, "4000");
        }
    }
    fs::remove_all(dir);
}
BENCHMARK(BM_SearchLargeCatalogue)->Unit(benchmark::kMillisecond);

}  // namespace
