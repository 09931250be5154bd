// Start-up load on hostile catalogue files: each of the six files of a catalogue directory
// is absent, given as raw bytes, or given as clear text that the harness scrambles (so the
// XML and line parsers behind the unscrambling are reached). Loading must neither crash,
// hang nor leak, whatever the files hold.

#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/TDaten.h"
#include "catalogue/files/TMurvel.h"

namespace {

const std::filesystem::path& catalogueDirectory() {
    static const std::filesystem::path dir = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "velmora-fuzz-XXXXXX").string();
        return std::filesystem::path(::mkdtemp(pattern.data()));
    }();
    return dir;
}

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    enum Mode { Absent, Raw, Scrambled };
    static const char* const kFiles[] = {"Datanorm.500", "produkte.dta", "aufstellvarianten.dta",
                                         "zubehoer.dta", "wg.dta",       "settings.dta"};
    const std::filesystem::path& dir = catalogueDirectory();
    // Also drops the caches the DATANORM reader keeps beside its file.
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        std::filesystem::remove_all(entry.path());
    }
    FuzzedDataProvider input(data, size);
    for (const char* name : kFiles) {
        const auto mode = static_cast<Mode>(input.ConsumeIntegralInRange<int>(Absent, Scrambled));
        const std::string bytes = input.ConsumeRandomLengthString();
        if (mode == Raw || (mode == Scrambled && name == kFiles[0])) {
            writeFile(dir / name, bytes);
        } else if (mode == Scrambled) {
            writeFile(dir / name, velmora::TMurvel::scrambledFileBytes(bytes));
        }
    }
    const velmora::TDaten daten(dir.string(), true);
    return 0;
}
