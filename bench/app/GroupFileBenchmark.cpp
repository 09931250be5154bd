// Start-up with a large "wg.dta": the demo catalogue beside the executables, its group file
// grown by filler groups ahead of the real ones, so every group name is found at its end; at
// about 5.5 MB it stays below the largest catalogue file the program reads.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/TDaten.h"
#include "catalogue/files/TMurvel.h"

namespace {

namespace fs = std::filesystem;

class LargeGroupFileCatalogue {
public:
    explicit LargeGroupFileCatalogue(int fillerGroups) {
        std::string pattern = (fs::temp_directory_path() / "velmora-bench-XXXXXX").string();
        dir_ = ::mkdtemp(pattern.data());
        const fs::path demo = fs::read_symlink("/proc/self/exe").parent_path();
        for (const char* name : {"Datanorm.500", "produkte.dta", "aufstellvarianten.dta",
                                 "zubehoer.dta", "settings.dta"}) {
            fs::copy_file(demo / name, dir_ / name);
        }
        std::string groups;
        bool error = false;
        velmora::TMurvel::Create(demo / "wg.dta", true, groups, error);
        std::string filler;
        for (int i = 0; i < fillerGroups; ++i) {
            const std::string number = std::to_string(i);
            filler.append("F")
                .append(number)
                .append("|||Fuellgruppe ")
                .append(number)
                .append("\r\n");
        }
        std::ofstream(dir_ / "wg.dta", std::ios::binary)
            << velmora::TMurvel::scrambledFileBytes(filler + groups);
        bytes_ = fs::file_size(dir_ / "wg.dta");
    }
    ~LargeGroupFileCatalogue() { fs::remove_all(dir_); }

    std::string path() const { return dir_.string(); }
    std::uintmax_t groupFileBytes() const { return bytes_; }

private:
    fs::path dir_;
    std::uintmax_t bytes_ = 0;
};

void BM_StartupLargeGroupFile(benchmark::State& state) {
    const LargeGroupFileCatalogue catalogue(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        velmora::TDaten daten(catalogue.path(), true);
        if (!daten.getFehlendeDateien().empty()) {
            state.SkipWithError("the catalogue is incomplete");
            break;
        }
        benchmark::DoNotOptimize(daten.getAnzahlProduktgruppen());
    }
    state.counters["wg.dta MB"] = static_cast<double>(catalogue.groupFileBytes()) / 1e6;
}
BENCHMARK(BM_StartupLargeGroupFile)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
