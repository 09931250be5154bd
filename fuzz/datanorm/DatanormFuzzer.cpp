// Arbitrary bytes as a DATANORM article file (in memory and from the file) or as one of
// its side files. A load may fail with the reader's own errors; anything else is a find.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "../support/FuzzDirectory.h"
#include "datanorm/TDatanorm.h"

namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

constexpr std::string_view kArticleFile =
    "V;050;A;20200131;EUR;Fuzz;\r\n"
    "A;N;1;Tank;;PCE;1;1;100;R1;HG;;;;;;;;;;;;3;L1;;;;;;\r\n"
    "T;N;L1;1;1;Text;;;\r\n";

void exercise(velmora::datanorm::TDatanorm& reader, const std::string& path, std::uint64_t limit,
              bool klein) {
    try {
        reader.LoadFromFile(path, limit, klein);
    } catch (const velmora::datanorm::EDatanormError&) {
        return;
    }
    int lookups = 0;
    for (const std::string& number : reader.getArtikelnummern()) {
        if (++lookups > 64) {
            break;
        }
        reader.finde_produkt(number);
    }
    reader.finde_produkt("1");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const fs::path& dir = velmora::fuzzing::fuzzDirectory();
    for (const auto& entry : fs::directory_iterator(dir)) {
        fs::remove_all(entry.path());
    }
    const std::uint8_t selector = data[0] % 4;
    const fs::path article = dir / "Datanorm.500";
    if (selector == 0) {
        writeFile(article, data + 1, size - 1);
        velmora::datanorm::TDatanorm inMemory;
        exercise(inMemory, article.string(), 0, true);
        velmora::datanorm::TDatanorm fromFile;
        exercise(fromFile, article.string(), 1, false);
        return 0;
    }
    writeFile(article, reinterpret_cast<const std::uint8_t*>(kArticleFile.data()),
              kArticleFile.size());
    static constexpr const char* kSideFiles[] = {"Datanorm.wrg", "Datanorm.rab", "Datanorm.erab"};
    writeFile(dir / kSideFiles[selector - 1], data + 1, size - 1);
    velmora::datanorm::TDatanorm reader;
    exercise(reader, article.string(), data[0] & 0x80 ? 1 : 0, false);
    return 0;
}
