// One full solution search ("Alle Tanks", room with corner cut-out and boiler room), on the
// demo catalogue beside the executables and on a generated catalogue of 1000 products with
// 40 variants each.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "LargeCatalogue.h"
#include "app/TDaten.h"

namespace {

namespace fs = std::filesystem;

fs::path writeLargeCatalogue() {
    std::string pattern = (fs::temp_directory_path() / "velmora-bench-XXXXXX").string();
    const fs::path dir = ::mkdtemp(pattern.data());
    velmora::bench::writeLargeCatalogue(dir);
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
