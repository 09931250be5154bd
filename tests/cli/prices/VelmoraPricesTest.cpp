#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "prices/TTankCustomPrices.h"
#include "support/TempDirectory.h"

namespace velmora {
namespace {

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs velmora-prices as a process with its data directory below a fresh temporary one.
class VelmoraPricesTest : public ::testing::Test {
protected:
    RunResult run(const std::string& arguments) {
        const char* bin = std::getenv("VELMORA_BIN");
        const std::filesystem::path tool =
            std::filesystem::path(bin ? bin : ".") / "velmora-prices";
        const std::filesystem::path out = home.path() / "stdout";
        const std::filesystem::path err = home.path() / "stderr";
        const std::string command = "env XDG_DATA_HOME='" + home.path().string() +
                                    "' LC_ALL=de_DE.UTF-8 '" + tool.string() + "' " + arguments +
                                    " >'" + out.string() + "' 2>'" + err.string() + "'";
        const int raw = std::system(command.c_str());
        RunResult result;
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        result.out = home.read("stdout");
        result.err = home.read("stderr");
        return result;
    }

    std::filesystem::path priceDirectory() const {
        return home.path() / "HalvexVelmora" / "customPrices";
    }

    testing::TempDirectory home;
};

TEST_F(VelmoraPricesTest, SetAndOffWriteTheFilesTheProgramReads) {
    EXPECT_EQ(run("set 12/34:5 1234,5").status, 0);
    EXPECT_EQ(run("set ABC 3.25").status, 0);
    EXPECT_EQ(run("off ABC").status, 0);

    TTankCustomPrices store(priceDirectory());
    EXPECT_TRUE(store.getElem("12/34:5").UseCustomPrice());
    EXPECT_DOUBLE_EQ(store.getElem("12/34:5").CustomPrice(), 1234.5);
    EXPECT_FALSE(store.getElem("abc").UseCustomPrice());
    EXPECT_DOUBLE_EQ(store.getElem("abc").CustomPrice(), 3.25);  // stays stored

    const RunResult list = run("list");
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.out, "Artikelnummer;Preis;Verwendet\n12345;1234,5;ja\nABC;3,25;nein\n");
    EXPECT_EQ(run("export").out, "Artikelnummer;Preis\n12345;1234,5\n");
}

TEST_F(VelmoraPricesTest, OffWithoutStoredPriceWritesNothing) {
    const RunResult result = run("off 4711");
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("kein eigener Preis"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(priceDirectory() / "4711.dta"));
}

TEST_F(VelmoraPricesTest, ImportReportsBadLinesAndWritesTheOthers) {
    // Windows-1252, CR LF, a header line, a blank line and four lines it cannot read.
    home.write("list.csv",
               "Artikel;Preis\r\n4711;12,50\r\nohne Trenner\r\n\r\n4712;-3\r\n;5\r\n"
               "4713;1;2\r\n\xD6l-1; 7.5 \r\n4714;1.234,50\r\n");
    const RunResult result = run("import '" + (home.path() / "list.csv").string() + "'");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err,
              "Zeile 3: kein \";\" zwischen Artikelnummer und Preis\n"
              "Zeile 5: Preis \"-3\" ist kein gültiger Preis\n"
              "Zeile 6: Artikelnummer fehlt\n"
              "Zeile 7: mehr als zwei Spalten\n"
              "Zeile 9: Preis \"1.234,50\" ist kein gültiger Preis\n");
    EXPECT_EQ(run("list").out, "Artikelnummer;Preis;Verwendet\n4711;12,5;ja\nÖl-1;7,5;ja\n");
}

TEST_F(VelmoraPricesTest, ExportedListImportsBackUnchanged) {
    home.write("in.csv",
               "\xEF\xBB\xBF"
               "A-1;10\nB-2;0,99\nC-3;100000.125\n");
    const std::string csv = (home.path() / "in.csv").string();
    ASSERT_EQ(run("import '" + csv + "'").status, 0);
    ASSERT_EQ(run("off B-2").status, 0);
    const RunResult exported = run("export");
    EXPECT_EQ(exported.out, "Artikelnummer;Preis\nA-1;10\nC-3;100000,125\n");

    std::filesystem::remove_all(priceDirectory());
    home.write("in.csv", exported.out);
    ASSERT_EQ(run("import '" + csv + "'").status, 0);
    EXPECT_EQ(run("export").out, exported.out);
}

TEST_F(VelmoraPricesTest, ListMarksUnreadableFiles) {
    ASSERT_EQ(run("set 4711 5").status, 0);
    home.write("HalvexVelmora/customPrices/kaputt.dta", "not a price file");
    EXPECT_EQ(run("list").out, "Artikelnummer;Preis;Verwendet\n4711;5;ja\nkaputt;;unlesbar\n");
}

TEST_F(VelmoraPricesTest, UsageErrorsExitWithTwo) {
    for (const char* arguments : {"", "frobnicate", "list extra", "set 4711", "set 4711 1 2",
                                  "set 4711 zwölf", "set 4711 -5", "off", "import", "set '/:' 5"}) {
        SCOPED_TRACE(arguments);
        const RunResult result = run(arguments);
        EXPECT_EQ(result.status, 2);
        EXPECT_FALSE(result.err.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(priceDirectory()));
}

TEST_F(VelmoraPricesTest, UnwritableStoreAndMissingListExitWithOne) {
    home.write("HalvexVelmora", "a file where the directory should be");
    const RunResult set = run("set 4711 5");
    EXPECT_EQ(set.status, 1);
    EXPECT_NE(set.err.find("kann nicht gesperrt werden: Not a directory"), std::string::npos)
        << set.err;
}

TEST_F(VelmoraPricesTest, ImportRefusesListsItCannotReadAndSaysWhy) {
    home.write("riesig.csv", std::string(2 * 1024 * 1024 + 1, '\n'));
    ASSERT_EQ(::mkfifo(home.path("fifo.csv").c_str(), 0600), 0);
    for (const auto& [name, reason] : std::vector<std::pair<std::string, std::string>>{
             {"fehlt.csv", "ist nicht vorhanden."},
             {"fifo.csv",
              "kann nicht gelesen werden: unter diesem Namen steht ein Ordner oder ein Gerät, "
              "keine Datei. Bitte geben Sie eine Datei an."},
             {"riesig.csv", "ist größer als 2048 KB und wird nicht gelesen."}}) {
        const RunResult result = run("import '" + home.path(name).string() + "'");
        EXPECT_EQ(result.status, 1) << name;
        EXPECT_EQ(result.err, "Die Datei \"" + home.path(name).string() + "\" " + reason + "\n");
    }
    EXPECT_FALSE(std::filesystem::exists(priceDirectory()));
}

// Each call reads, changes and writes back a file of the store; run at the same time, an
// update that reported success must still be in the file afterwards.
TEST_F(VelmoraPricesTest, ConcurrentSetAndOffLoseNoReportedUpdate) {
    constexpr int kArticles = 16;
    for (int i = 0; i < kArticles; ++i) {
        ASSERT_EQ(run("set A" + std::to_string(i) + " 1").status, 0);
    }
    const char* bin = std::getenv("VELMORA_BIN");
    const std::string tool = (std::filesystem::path(bin ? bin : ".") / "velmora-prices").string();
    const std::string script = "cd '" + home.path().string() +
                               "' && export XDG_DATA_HOME=\"$PWD\" && "
                               "for i in $(seq 0 " +
                               std::to_string(kArticles - 1) +
                               "); do "
                               "('" +
                               tool +
                               "' set A$i 2 >/dev/null 2>&1; echo $? >set$i) & "
                               "('" +
                               tool +
                               "' off A$i >/dev/null 2>&1; echo $? >off$i) & "
                               "done; wait";
    ASSERT_EQ(std::system(script.c_str()), 0);
    TTankCustomPrices store(priceDirectory());
    for (int i = 0; i < kArticles; ++i) {
        const std::string n = std::to_string(i);
        EXPECT_EQ(home.read("set" + n), "0\n");
        EXPECT_EQ(home.read("off" + n), "0\n");
        EXPECT_DOUBLE_EQ(store.getElem("A" + n).CustomPrice(), 2) << "A" + n;
    }
}

TEST_F(VelmoraPricesTest, OffRefusesAFileItCannotReadAndLeavesItAsItIs) {
    ASSERT_EQ(run("set 4711 5").status, 0);
    const std::string valid = home.read("HalvexVelmora/customPrices/4711.dta");
    const std::string fileName = "HalvexVelmora/customPrices/4711.dta";
    const std::vector<std::pair<std::string, std::string>> damaged{
        {"truncated", valid.substr(0, 16)},
        {"another key", std::string(valid.size(), '\x5A')},
        {"empty", ""}};
    for (const auto& [what, bytes] : damaged) {
        SCOPED_TRACE(what);
        home.write(fileName, bytes);
        const RunResult result = run("off 4711");
        EXPECT_EQ(result.status, 1);
        EXPECT_NE(result.err.find("kann nicht gelesen werden und bleibt unverändert"),
                  std::string::npos)
            << result.err;
        EXPECT_EQ(home.read(fileName), bytes);
    }
    std::filesystem::remove(home.path(fileName));
    ASSERT_EQ(::mkfifo(home.path(fileName).c_str(), 0600), 0);
    EXPECT_EQ(run("off 4711").status, 1);  // returns at once instead of waiting for a writer
    EXPECT_EQ(std::filesystem::status(home.path(fileName)).type(),
              std::filesystem::file_type::fifo);
}

}  // namespace
}  // namespace velmora
