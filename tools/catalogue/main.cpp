// Writes the demo catalogue as the program reads it: the five scrambled ".dta" files and
// the DATANORM 5 article file, from the readable sources in data/demo-catalogue/. The line
// files never start with a scrambled code unit 0 (see FirstLine.h).
//
//   velmora-make-catalogue SOURCE_DIR OUTPUT_DIR

#include <filesystem>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>

#include <pugixml.hpp>

#include "DemoDatanorm.h"
#include "FirstLine.h"
#include "base/AtomicFile.h"
#include "base/FileBytes.h"
#include "catalogue/files/TMurvel.h"

namespace {

namespace fs = std::filesystem;
using velmora::TMurvel;

std::string readSource(const fs::path& path) {
    const std::optional<std::string> bytes = velmora::readFileBytes(path);
    if (!bytes) {
        throw std::runtime_error("cannot read " + path.string());
    }
    return *bytes;
}

void write(const fs::path& path, const std::string& bytes) {
    if (!velmora::writeFileAtomically(path, bytes)) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

// Sources are edited with LF line ends; the line files separate lines by CR LF.
std::string withCrLf(const std::string& text) {
    std::string result;
    for (char c : text) {
        if (c == '\n') {
            result += '\r';
        }
        if (c != '\r') {
            result += c;
        }
    }
    return result;
}

void parseXml(const std::string& text, const fs::path& source, pugi::xml_document& document) {
    const pugi::xml_parse_result result = document.load_buffer(text.data(), text.size());
    if (!result) {
        throw std::runtime_error(source.string() + ": " + result.description() + " at byte " +
                                 std::to_string(result.offset));
    }
}

void writeXmlFile(const fs::path& sourceDir, const fs::path& outputDir, const char* source,
                  const char* target) {
    const std::string text = readSource(sourceDir / source);
    pugi::xml_document document;
    parseXml(text, sourceDir / source, document);
    write(outputDir / target, TMurvel::scrambledFileBytes(text));
}

void writeLineFile(const fs::path& sourceDir, const fs::path& outputDir, const char* source,
                   const char* target) {
    const std::string text =
        velmora::catalogue_tool::withSafeFirstLine(readSource(sourceDir / source));
    write(outputDir / target, TMurvel::scrambledFileBytes(withCrLf(text)));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: velmora-make-catalogue SOURCE_DIR OUTPUT_DIR\n";
        return 2;
    }
    const fs::path sourceDir = argv[1];
    const fs::path outputDir = argv[2];
    try {
        writeXmlFile(sourceDir, outputDir, "produkte.xml", "produkte.dta");
        writeXmlFile(sourceDir, outputDir, "aufstellvarianten.xml", "aufstellvarianten.dta");
        writeLineFile(sourceDir, outputDir, "zubehoer.txt", "zubehoer.dta");
        writeLineFile(sourceDir, outputDir, "wg.txt", "wg.dta");
        writeLineFile(sourceDir, outputDir, "settings.txt", "settings.dta");
        pugi::xml_document articles;
        parseXml(readSource(sourceDir / "artikel.xml"), sourceDir / "artikel.xml", articles);
        write(outputDir / "Datanorm.500", velmora::demoDatanormFile(articles.document_element()));
    } catch (const std::exception& error) {
        std::cerr << "velmora-make-catalogue: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
