// velmora-datanorm FILE: loads a DATANORM article file as the program does and prints
// what it found as JSON lines, for support staff and for checking a delivery. Dates of
// the reader's caches follow the user's locale, as in the program and velmora-plan, so
// the tools and the program share the caches.
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>

#include "DatanormReport.h"
#include "base/NumberFormat.h"
#include "datanorm/TDatanorm.h"

namespace {

constexpr int kExitLoadFailed = 1;
constexpr int kExitUsage = 2;

}  // namespace

int main(int argc, char** argv) {
    using namespace velmora::datanorm;
    if (argc == 2 && std::string(argv[1]) == "--help") {
        std::cout << "Aufruf: velmora-datanorm DATEI\n"
                     "Lädt eine DATANORM-Artikeldatei wie das Programm und gibt eine JSON-Zeile\n"
                     "zur Datei und je Artikel eine JSON-Zeile aus.\n"
                     "  --help  diese Hilfe\n";
        return 0;
    }
    if (argc != 2 || std::string(argv[1]).empty()) {
        std::cerr << "Aufruf: velmora-datanorm DATEI (--help: Hilfe)\n";
        return kExitUsage;
    }
    velmora::setNumberFormat(velmora::numberFormatFromEnvironment());
    TDatanorm datanorm;
    try {
        datanorm.LoadFromFile(argv[1], kDatanormInMemoryLimit, false);
    } catch (const std::exception& fehler) {
        std::cerr << fehler.what() << '\n';
        return kExitLoadFailed;
    }
    std::string ausgabe = dateiZeile(datanorm) + '\n';
    datanorm.fuerJedesProdukt([&](const TProdukt& produkt) {
        ausgabe += artikelZeile(produkt);
        ausgabe += '\n';
        if (ausgabe.size() > (1u << 16)) {
            std::fwrite(ausgabe.data(), 1, ausgabe.size(), stdout);
            ausgabe.clear();
        }
    });
    std::fwrite(ausgabe.data(), 1, ausgabe.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : kExitLoadFailed;
}
