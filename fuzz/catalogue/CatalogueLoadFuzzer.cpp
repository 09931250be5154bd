// Start-up load on hostile catalogue files. Each of the six files of a catalogue directory
// is absent, raw bytes, clear text that the harness scrambles (so the XML and line parsers
// behind the unscrambling are reached), or records that the harness writes around fuzzed
// text: up to hundreds of products, groups, variants and accessory lines with CR LF or LF
// line ends, so that file sizes, line ends and the group names looked up for every new
// group are reached. Any file may be cut short at a fuzzed byte, as a broken copy or a full
// disk leaves it. Loading must neither crash, hang nor leak, whatever the files hold, and no
// article may load with a price no DATANORM record gives: negative, not finite or beyond
// the largest the reader accepts.

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "../support/FuzzDirectory.h"
#include "app/TDaten.h"
#include "catalogue/files/TMurvel.h"
#include "datanorm/RecordLineCheck.h"

namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string xmlAttribute(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
            case '"':
                escaped += "&quot;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '&':
                escaped += "&amp;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

// The records of one file, `count` of them around the fuzzed text, lines ended by `eol`.
std::string records(const std::string& name, int count, int groups, const std::string& text,
                    const std::string& eol) {
    std::string out;
    const std::string attribute = xmlAttribute(text);
    const auto group = [&](int i) { return "G" + std::to_string(i % groups); };
    if (name == "Datanorm.500") {
        out = "V;050;A;20200131;EUR;Fuzz;" + eol;
        for (int i = 0; i < count; ++i) {
            out += "A;N;" + std::to_string(i) + ";" + text + ";;PCE;1;1;" + std::to_string(i * 7) +
                   ";;" + group(i) + ";;;;;;;;;;1;;1;L" + std::to_string(i) + ";;;;;1;" + eol;
            out += "T;N;L" + std::to_string(i) + ";1;1;" + text + ";;;" + eol;
        }
    } else if (name == "produkte.dta") {
        out = "<produkte>";
        for (int i = 0; i < count; ++i) {
            out += "<produkt artNr=\"" + std::to_string(i) + "\" warenGruppe=\"" + group(i) +
                   "\" inhalt=\"1000\" breite=\"700\" laenge=\"1000\" hoehe=\"1500\""
                   " aufstellungsvariation=\"1\" tankgrafik=\"" +
                   attribute + "\"/>";
        }
        out += "</produkte>";
    } else if (name == "aufstellvarianten.dta") {
        out = "<aufstellvarianten>";
        for (int i = 0; i < count; ++i) {
            out += "<warengruppe typ=\"" + group(i) + "\"><variante n=\"" + attribute + "\" p=\"" +
                   (i % 2 ? std::to_string(i) : "") + "\" gL=\"50\"/></warengruppe>";
        }
        out += "</aufstellvarianten>";
    } else if (name == "zubehoer.dta") {
        for (int i = 0; i < count; ++i) {
            out += group(i) + "|||" + (i % 3 ? std::to_string(i) : "") + "|||" + text + "|||" +
                   (i % 2 ? "true" : "") + eol;
        }
    } else if (name == "wg.dta") {
        for (int i = 0; i < count; ++i) {
            out += group(i) + "|||" + text + eol;
        }
    } else {
        for (int i = 0; i < count; ++i) {
            out += (i % 4 ? std::to_string(i) : text) + eol;
        }
    }
    return out;
}

// A known price is one a DATANORM record can give; an unknown one is never shown.
void pruefePreis(bool bekannt, double preis) {
    constexpr double kHoechsterPreis = velmora::datanorm::kHoechsterPreisInCent / 100.0;
    if (bekannt && !(std::isfinite(preis) && preis >= 0.0 && preis <= kHoechsterPreis)) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    enum Mode { Absent, Raw, Scrambled, Records };
    static const char* const kFiles[] = {"Datanorm.500", "produkte.dta", "aufstellvarianten.dta",
                                         "zubehoer.dta", "wg.dta",       "settings.dta"};
    const fs::path& dir = velmora::fuzzing::fuzzDirectory();
    // Also drops the caches the DATANORM reader keeps beside its file.
    for (const auto& entry : fs::directory_iterator(dir)) {
        fs::remove_all(entry.path());
    }
    FuzzedDataProvider input(data, size);
    const int groups = input.ConsumeIntegralInRange<int>(1, 64);
    for (const std::string name : kFiles) {
        const auto mode = static_cast<Mode>(input.ConsumeIntegralInRange<int>(Absent, Records));
        const int count = 1 << input.ConsumeIntegralInRange<int>(0, 9);
        const std::string eol = input.ConsumeBool() ? "\n" : "\r\n";
        const std::string text = input.ConsumeRandomLengthString(256);
        std::string bytes;
        if (mode == Records) {
            bytes = records(name, count, groups, text, eol);
        } else {
            for (int i = 0; i < count; ++i) {
                bytes += text;
            }
        }
        if (mode == Absent) {
            continue;
        }
        if (input.ConsumeBool()) {
            bytes.resize(input.ConsumeIntegralInRange<std::size_t>(0, bytes.size()));
        }
        if (mode == Raw || name == kFiles[0]) {
            writeFile(dir / name, bytes);
        } else {
            writeFile(dir / name, velmora::TMurvel::scrambledFileBytes(bytes));
        }
    }
    const velmora::TDaten daten(dir.string(), true);
    for (const auto& gruppe : daten.getProduktgruppenListe()) {
        for (const auto& zubehoer : gruppe->getZubehoerListe()) {
            pruefePreis(zubehoer->hatPreis(), zubehoer->getKatalogPreis());
        }
        for (const auto& produkt : gruppe->getProduktListe()) {
            pruefePreis(produkt->hatPreis(), produkt->getKatalogPreis());
            for (const auto& zubehoer : produkt->getZubehoerListe()) {
                pruefePreis(zubehoer->hatPreis(), zubehoer->getKatalogPreis());
            }
        }
    }
    return 0;
}
