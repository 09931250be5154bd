#include "LargeCatalogue.h"

#include <fstream>
#include <string>

#include "base/CodePage.h"
#include "catalogue/files/TMurvel.h"

namespace velmora::bench {

namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

// 1000 products of one group; 40 group-wide variants: every row pair up to 5+5 (one row
// and two straight rows, 20 names), each once more as a crosswise second row or, for a
// single row, with a norm-ignoring alternative.
void writeLargeCatalogue(const fs::path& dir) {
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

    writeFile(dir / "produkte.dta", velmora::TMurvel::scrambledFileBytes(produkte));
    writeFile(dir / "aufstellvarianten.dta", velmora::TMurvel::scrambledFileBytes(varianten));
    // One accessory with its article, so that the catalogue is complete.
    datanorm += "A;N;ZUB1;Zubehoer;Benchmark;PCE;1;1;1000;;G;;;;;;;;;;1;;0;;;;;;1;\r\n";
    writeFile(dir / "Datanorm.500", velmora::fromUtf8(datanorm, velmora::CodePage::Cp850));
    writeFile(dir / "zubehoer.dta", velmora::TMurvel::scrambledFileBytes("GEN||||||ZUB1|||\r\n"));
    writeFile(dir / "wg.dta", velmora::TMurvel::scrambledFileBytes("GEN|||Generiert\r\n"));
    writeFile(dir / "settings.dta",
              velmora::TMurvel::scrambledFileBytes(
                  "3\r\n4\r\n2,2\r\n3000\r\n1,9\r\n0,8\r\n20\r\n20\r\n4\r\n5000\r\n1000\r\nX\r\n"));
}

}  // namespace velmora::bench
