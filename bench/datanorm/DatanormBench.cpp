// Loading and looking up a generated catalogue of 20000 articles (two long-text lines and
// one dimension line each, about 3.6 MB) in both load modes.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "datanorm/TDatanorm.h"

namespace {

namespace fs = std::filesystem;

constexpr int kArtikel = 20000;

std::string nummer(int i) {
    return "HX-" + std::to_string(100000 + i);
}

// Written once per process; removed when the process ends.
class Katalog {
public:
    Katalog() {
        FDir = fs::temp_directory_path() / ("velmora-datanorm-bench-" + std::to_string(::getpid()));
        fs::create_directories(FDir);
        std::ofstream out(datei(), std::ios::binary);
        out << "V;050;A;20261201;EUR;Benchmark;HALVEX;;\r\n";
        for (int i = 0; i < kArtikel; ++i) {
            const std::string nr = nummer(i);
            out << "A;N;" << nr << ";Batterietank " << i << " l;Kunststoff;PCE;1;1;" << 10000 + i
                << ";T1;TANK;BT;BT" << i << ";;;;HALVEX;;4260000000000;;1;;3;L" << nr
                << ";;;;;;\r\n"
                << "T;N;L" << nr << ";1;1;Batterietank aus Polyethylen;;;\r\n"
                << "T;N;L" << nr << ";1;2;mit Stahlmantel, f\x81r Heiz\x94l;;;\r\n"
                << "D;N;" << nr << ";1;;L\x84nge 1100 mm;;;;;;\r\n";
        }
    }
    ~Katalog() {
        std::error_code error;
        fs::remove_all(FDir, error);
    }
    std::string datei() const { return (FDir / "Datanorm.500").string(); }

private:
    fs::path FDir;
};

const Katalog& katalog() {
    static const Katalog instance;
    return instance;
}

void BM_LadenImSpeicher(benchmark::State& state) {
    for (auto _ : state) {
        velmora::datanorm::TDatanorm dn;
        dn.LoadFromFile(katalog().datei(), 0, true);
        benchmark::DoNotOptimize(dn.getCounter());
    }
    // Throughput in bytes of the article file per second of load.
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(fs::file_size(katalog().datei())));
}
BENCHMARK(BM_LadenImSpeicher)->Unit(benchmark::kMillisecond);

void BM_LadenAusDatei(benchmark::State& state) {
    for (auto _ : state) {
        velmora::datanorm::TDatanorm dn;
        dn.LoadFromFile(katalog().datei(), 10000000, false);
        benchmark::DoNotOptimize(dn.getCounter());
    }
}
BENCHMARK(BM_LadenAusDatei)->Unit(benchmark::kMillisecond);

void suche(benchmark::State& state, bool klein) {
    velmora::datanorm::TDatanorm dn;
    dn.LoadFromFile(katalog().datei(), klein ? 0 : 10000000, klein);
    int i = 0;
    for (auto _ : state) {
        auto produkt = dn.finde_produkt(nummer(i));
        benchmark::DoNotOptimize(produkt);
        i = (i + 7919) % kArtikel;
    }
}

void BM_SucheImSpeicher(benchmark::State& state) {
    suche(state, true);
}
BENCHMARK(BM_SucheImSpeicher)->Unit(benchmark::kMicrosecond);

void BM_SucheInDatei(benchmark::State& state) {
    suche(state, false);
}
BENCHMARK(BM_SucheInDatei)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
