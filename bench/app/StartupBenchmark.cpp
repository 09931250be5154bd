// Start-up of the core on the demo catalogue beside the executables: the DATANORM file read
// twice, the five ".dta" files unscrambled and parsed, the model built.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "app/TDaten.h"

namespace {

std::string demoCatalogueDirectory() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
}

void BM_StartupDemoCatalogue(benchmark::State& state) {
    const std::string dir = demoCatalogueDirectory();
    for (auto _ : state) {
        velmora::TDaten daten(dir, true);
        if (!daten.getFehlendeDateien().empty()) {
            state.SkipWithError("the demo catalogue is incomplete");
            break;
        }
        benchmark::DoNotOptimize(daten.getAnzahlProduktgruppen());
    }
}
BENCHMARK(BM_StartupDemoCatalogue)->Unit(benchmark::kMillisecond);

}  // namespace
