// The generated demo catalogue reads back line for line through the program's readers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "base/FileBytes.h"
#include "base/Utf16.h"
#include "catalogue/files/TMurvel.h"
#include "catalogue/files/TQvFileHandle.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

fs::path programDirectory() {
    const char* bin = std::getenv("VELMORA_BIN");
    return bin ? fs::path(bin) : fs::current_path();
}

// Source lines with CR LF ends, sorted: the generator may move whole groups to the front.
std::vector<std::string> sortedLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end;
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
        start = end + 1;
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

std::string source(const char* name) {
    return readFileBytes(fs::path(VELMORA_DEMO_CATALOGUE_SOURCE) / name).value_or("");
}

TEST(DemoCatalogueFiles, NoFileStartsWithTheCodeUnitZero) {
    for (const char* name :
         {"produkte.dta", "aufstellvarianten.dta", "zubehoer.dta", "wg.dta", "settings.dta"}) {
        const std::string bytes = readFileBytes(programDirectory() / name).value_or("");
        ASSERT_GE(bytes.size(), 4u) << name;
        EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE") << name;
        EXPECT_NE(bytes.substr(2, 2), std::string(2, '\0')) << name;
    }
}

TEST(DemoCatalogueFiles, LineFilesReadBackCompletely) {
    struct Case {
        const char* file;
        const char* source;
        bool keepsOrder;  // the settings are read by line number
    };
    for (const Case& c :
         {Case{"zubehoer.dta", "zubehoer.txt", false}, Case{"wg.dta", "wg.txt", false},
          Case{"settings.dta", "settings.txt", true}}) {
        std::string content;
        bool error = true;
        TMurvel::Create(programDirectory() / c.file, true, content, error);
        ASSERT_FALSE(error) << c.file;
        EXPECT_EQ(sortedLines(content), sortedLines(source(c.source))) << c.file;
        if (c.keepsOrder) {
            std::string expected;
            for (char ch : source(c.source)) {
                expected += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
            }
            EXPECT_EQ(content, expected) << c.file;
        }
    }
}

TEST(DemoCatalogueFiles, XmlFilesReadBackCompletely) {
    for (const auto& [file, text] : {std::pair{"produkte.dta", "produkte.xml"},
                                     std::pair{"aufstellvarianten.dta", "aufstellvarianten.xml"}}) {
        std::u16string content;
        ASSERT_TRUE(TQvFileHandle::loadFile(programDirectory() / file, content)) << file;
        EXPECT_EQ(utf16ToUtf8(TMurvel::unConvert(content)), source(text)) << file;
    }
}

}  // namespace
}  // namespace velmora
