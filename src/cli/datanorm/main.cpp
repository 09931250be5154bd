// velmora-datanorm FILE: loads a DATANORM article file as the program does and prints
// what it found as JSON lines, for support staff and for checking a delivery.
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>

#include "DatanormReport.h"
#include "datanorm/TDatanorm.h"

namespace {

// The size above which the program leaves a file on disk.
constexpr std::uint64_t kGrossAb = 10000000;

constexpr int kExitLoadFailed = 1;
constexpr int kExitUsage = 2;

}  // namespace

int main(int argc, char** argv) {
    using namespace velmora::datanorm;
    if (argc != 2 || std::string(argv[1]).empty()) {
        std::cerr << "Aufruf: velmora-datanorm DATEI\n";
        return kExitUsage;
    }
    TDatanorm datanorm;
    try {
        datanorm.LoadFromFile(argv[1], kGrossAb, false);
    } catch (const std::exception& fehler) {
        std::cerr << fehler.what() << '\n';
        return kExitLoadFailed;
    }
    std::string ausgabe = dateiZeile(datanorm) + '\n';
    for (const std::string& nummer : datanorm.getArtikelnummern()) {
        if (const std::unique_ptr<TProdukt> produkt = datanorm.finde_produkt(nummer)) {
            ausgabe += artikelZeile(*produkt);
            ausgabe += '\n';
        }
        if (ausgabe.size() > (1u << 16)) {
            std::fwrite(ausgabe.data(), 1, ausgabe.size(), stdout);
            ausgabe.clear();
        }
    }
    std::fwrite(ausgabe.data(), 1, ausgabe.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : kExitLoadFailed;
}
