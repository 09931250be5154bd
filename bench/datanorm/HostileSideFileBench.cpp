// Loading a small article file beside hostile side files: a 100 MB one (refused unread) and
// the costliest one within the limit (only separators and line ends, the most cells and rows
// per byte). peak_rss_MB is the process's peak, so run one benchmark per process
// (--benchmark_filter) to read it; it must stay far below 256 MB.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "datanorm/DatanormFiles.h"
#include "datanorm/TDatanorm.h"

namespace {

namespace fs = std::filesystem;

class Lieferung {
public:
    Lieferung(const std::string& seitendatei, std::size_t groesse) {
        FDir = fs::temp_directory_path() /
               ("velmora-hostile-bench-" + std::to_string(::getpid()) + "-" + seitendatei);
        fs::create_directories(FDir);
        std::ofstream(FDir / "Datanorm.500", std::ios::binary)
            << "V;050;A;20261201;EUR;Benchmark;HALVEX;;\r\n"
            << "A;N;HX-1;Batterietank;Kunststoff;PCE;1;1;10000;T1;TANK;BT;BT1;;;;HALVEX;;;;1;;;;;;;"
               ";;\r\n";
        std::ofstream out(FDir / seitendatei, std::ios::binary);
        const std::string block(1 << 20, ';');
        std::string zeilen;
        for (std::size_t i = 0; i < (1 << 20) / 2; ++i) {
            zeilen += ";\n";
        }
        for (std::size_t geschrieben = 0; geschrieben < groesse;) {
            const std::string& stueck = geschrieben == 0 ? zeilen : block;
            const std::size_t n = std::min(stueck.size(), groesse - geschrieben);
            out.write(stueck.data(), static_cast<std::streamsize>(n));
            geschrieben += n;
        }
    }
    ~Lieferung() {
        std::error_code error;
        fs::remove_all(FDir, error);
    }
    std::string artikeldatei() const { return (FDir / "Datanorm.500").string(); }

private:
    fs::path FDir;
};

void lade(benchmark::State& state, const std::string& seitendatei, std::size_t groesse) {
    const Lieferung lieferung(seitendatei, groesse);
    for (auto _ : state) {
        velmora::datanorm::TDatanorm dn;
        try {
            dn.LoadFromFile(lieferung.artikeldatei(), 0, false);
        } catch (const velmora::datanorm::EDatanormError&) {
            // a product-group file past the limit fails the load; that is the point
        }
        benchmark::DoNotOptimize(dn.getCounter());
    }
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

constexpr std::size_t kHundredMegabytes = 100U * 1024U * 1024U;

void BM_Rabattdatei100MB(benchmark::State& state) {
    lade(state, "Datanorm.rab", kHundredMegabytes);
}
BENCHMARK(BM_Rabattdatei100MB)->Unit(benchmark::kMillisecond);

void BM_Warengruppendatei100MB(benchmark::State& state) {
    lade(state, "Datanorm.wrg", kHundredMegabytes);
}
BENCHMARK(BM_Warengruppendatei100MB)->Unit(benchmark::kMillisecond);

void BM_RabattCacheAmLimit(benchmark::State& state) {
    lade(state, "Datanorm.erab", velmora::datanorm::kMaxSeitendateiBytes);
}
BENCHMARK(BM_RabattCacheAmLimit)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
