// velmora-datanorm run as a process: exit status, standard output and standard error.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "datanorm/DatanormTestFiles.h"

namespace velmora::datanorm {
namespace {

using test::Artikel;
using test::artikel5;
using test::kopf5;

struct Lauf {
    int status = -1;
    std::string out;
    std::string err;
};

std::string quoted(const std::string& text) {
    return "'" + text + "'";
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// Runs the tool with the arguments (shell words) and, when given, environment assignments.
Lauf starte(const test::TempDir& dir, const std::string& argumente,
            const std::string& umgebung = "") {
    const char* bin = std::getenv("VELMORA_BIN");
    const std::string programm =
        (std::filesystem::path(bin != nullptr ? bin : ".") / "velmora-datanorm").string();
    const std::string command = umgebung + " " + quoted(programm) + " " + argumente + " >" +
                                quoted(dir.path("stdout.txt")) + " 2>" +
                                quoted(dir.path("stderr.txt"));
    const int raw = std::system(command.c_str());
    Lauf lauf;
    lauf.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    lauf.out = readFile(dir.path("stdout.txt"));
    lauf.err = readFile(dir.path("stderr.txt"));
    return lauf;
}

TEST(VelmoraDatanorm, PrintsTheFileThenEveryArticle) {
    test::TempDir dir;
    const std::string datei = dir.write(
        "Datanorm.500",
        kopf5("20200131") + "T;N;LT;1;1;Zeile \"eins\";;;\r\n" + "T;N;LT;1;2;Tab\there;;;\r\n" +
            artikel5({.nummer = "Tank 1",
                      .kurztext1 = "Gr\x94\xE1"
                                   "e \x01 \\",
                      .preis = "49950",
                      .rabattgruppe = "R1",
                      .hauptwarengruppe = "HG",
                      .langtextnummer = "LT",
                      .matchcode = "M",
                      .ean = "401"}) +
            "D;N;tank1;1;;breit;;;;;;\r\n" + artikel5({.nummer = "X", .flag = "A"}) +
            artikel5({.nummer = "B-2", .kurztext1 = "Z", .einheit = "MTR", .preis = "1"}));
    const Lauf lauf = starte(dir, quoted(datei));
    EXPECT_EQ(lauf.status, 0) << lauf.err;
    EXPECT_EQ(lauf.err, "");
    EXPECT_EQ(
        lauf.out,
        "{\"version\":5,\"datum\":\"2020-01-31\",\"waehrung\":\"EUR\",\"informationstext\":["
        "\"\",\"\",\"\"],\"artikel\":2,\"textsaetze\":2,"
        "\"dimensionssaetze\":1,\"grossModus\":false,\"warengruppen\":2,\"rabattgruppen\":1}\n"
        "{\"artNr\":\"tank1\",\"kurztext1\":\"Größe \\u0001 \\\\\",\"kurztext2\":\"\","
        "\"preis\":499.5,\"mengeneinheit\":\"Stück\",\"warengruppe\":\"HG\",\"rabattgruppe\":"
        "\"R1\",\"matchcode\":\"M\",\"ean\":\"401\",\"langtext\":[\"Zeile \\\"eins\\\"\","
        "\"Tab\\there\"],\"dimensionstext\":[\"breit\"]}\n"
        "{\"artNr\":\"b-2\",\"kurztext1\":\"Z\",\"kurztext2\":\"\",\"preis\":0.01,"
        "\"mengeneinheit\":\"Meter\",\"warengruppe\":\"HG1\",\"rabattgruppe\":\"R1\","
        "\"matchcode\":\"\",\"ean\":\"\",\"langtext\":[],\"dimensionstext\":[]}\n");
}

TEST(VelmoraDatanorm, FileWithoutDateGivesNull) {
    test::TempDir dir;
    const Lauf lauf = starte(dir, quoted(dir.write("Datanorm.500", "V;050;A;;EUR;;;;\r\n")));
    EXPECT_EQ(lauf.status, 0);
    EXPECT_EQ(lauf.out.substr(0, 26), "{\"version\":5,\"datum\":null,");
}

TEST(VelmoraDatanorm, RejectedFilesExitWithTheReadersMessage) {
    test::TempDir dir;
    struct Case {
        std::string datei;
        std::string meldung;
    };
    dir.write("mit.500", kopf5() + artikel5({.nummer = "1"}));
    dir.write("mit.wrg", "V;050;\r\nS;" + std::string(600, ';') + "\r\n");
    for (const Case& c :
         {Case{dir.write("katalog", "V 050\r\n"), "Bitte nur Datanorm 4- oder 5-Dateien laden.\n"},
          Case{dir.path("mit.500"), "Fehlerhafter Warengruppensatz!\n"},
          Case{dir.write("null.500", std::string(512, '\0')),
               "Die Datei \"" + dir.path("null.500").string() +
                   "\" ist keine DATANORM-Datei oder beschädigt.\n"}}) {
        const Lauf lauf = starte(dir, quoted(c.datei));
        EXPECT_EQ(lauf.status, 1) << c.datei;
        EXPECT_EQ(lauf.err, c.meldung);
        EXPECT_EQ(lauf.out, "");
    }
    const Lauf fehlt = starte(dir, quoted(dir.path("fehlt.500")));
    EXPECT_EQ(fehlt.status, 1);
    EXPECT_NE(fehlt.err.find("fehlt.500"), std::string::npos);
}

TEST(VelmoraDatanorm, CacheDatesFollowTheUsersLocale) {
    struct Case {
        const char* locale;
        const char* datum;
    };
    for (const Case& c : {Case{"de_DE.UTF-8", "31.01.2020"}, Case{"C", "2020-01-31"}}) {
        test::TempDir dir;
        const std::string datei =
            dir.write("Datanorm.500", kopf5("20200131") + artikel5({.nummer = "1"}));
        const Lauf lauf = starte(dir, quoted(datei), std::string("LC_ALL=") + c.locale);
        EXPECT_EQ(lauf.status, 0) << lauf.err;
        EXPECT_EQ(readFile(dir.path("Datanorm.erab")).substr(0, 10), c.datum) << c.locale;
    }
}

TEST(VelmoraDatanorm, HelpListsTheUsage) {
    test::TempDir dir;
    const Lauf lauf = starte(dir, "--help");
    EXPECT_EQ(lauf.status, 0);
    EXPECT_NE(lauf.out.find("velmora-datanorm DATEI"), std::string::npos);
    EXPECT_EQ(lauf.err, "");
}

TEST(VelmoraDatanorm, UsageErrors) {
    test::TempDir dir;
    for (const std::string argumente : {"", "a b", "''"}) {
        const Lauf lauf = starte(dir, argumente);
        EXPECT_EQ(lauf.status, 2) << argumente;
        EXPECT_NE(lauf.err, "");
        EXPECT_EQ(lauf.out, "");
    }
}

}  // namespace
}  // namespace velmora::datanorm
