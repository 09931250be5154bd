// Choice of the load mode and what the large-file mode keeps beside the file.
#include <gtest/gtest.h>

#include <filesystem>

#include "DatanormTestFiles.h"
#include "base/Host.h"
#include "datanorm/TDatanorm.h"
#include "support/ScriptedHost.h"

namespace velmora::datanorm {
namespace {

using test::Artikel;
using test::artikel5;
using test::kopf5;

// A DATANORM 5 file with the given number of lines starting with "A" (one new article,
// the rest change records).
std::string mitArtikelzeilen(int anzahl) {
    std::string inhalt = kopf5() + artikel5({.nummer = "1"});
    for (int i = 1; i < anzahl; ++i) {
        inhalt += "A;A;" + std::to_string(i + 1) + ";\r\n";
    }
    return inhalt;
}

TEST(DatanormLoadMode, SizeLimitIsExclusive) {
    test::TempDir dir;
    const std::string datei = dir.write("Datanorm.500", mitArtikelzeilen(3));
    const auto groesse = std::filesystem::file_size(datei);
    struct Case {
        std::uint64_t dateigroesse;
        bool klein;
        bool gross;
    };
    for (const Case& c : {Case{groesse, false, false}, Case{groesse - 1, false, true},
                          Case{groesse - 1, true, false}, Case{0, false, false}}) {
        TDatanorm dn;
        dn.LoadFromFile(datei, c.dateigroesse, c.klein);
        EXPECT_EQ(dn.isGrosseDateien(), c.gross) << c.dateigroesse << " " << c.klein;
        EXPECT_NE(dn.finde_produkt("1"), nullptr);
    }
}

TEST(DatanormLoadMode, MoreThan10000ArticleLinesLeaveTheFileOnDisk) {
    test::TempDir dir;
    const std::string genau = dir.write("genau.500", mitArtikelzeilen(10000));
    const std::string mehr = dir.write("mehr.500", mitArtikelzeilen(10001));
    struct Case {
        std::string datei;
        bool klein;
        bool gross;
    };
    for (const Case& c :
         {Case{genau, false, false}, Case{mehr, false, true}, Case{mehr, true, false}}) {
        TDatanorm dn;
        dn.LoadFromFile(c.datei, 0, c.klein);
        EXPECT_EQ(dn.isGrosseDateien(), c.gross) << c.datei << " " << c.klein;
        EXPECT_EQ(dn.getSatzzahlen().laenge_artikelsatz, 1);
        EXPECT_EQ(dn.finde_produkt("1")->Kurztext1, "Kurztext");
    }
}

TEST(DatanormLoadMode, LargeFileLookUpSeesTheFileAsItIsNow) {
    test::TempDir dir;
    const std::string datei = dir.write("Datanorm.500", kopf5() + artikel5({.nummer = "1"}));
    TDatanorm dn;
    dn.LoadFromFile(datei, 1, false);
    dir.write("Datanorm.500", kopf5() + artikel5({.nummer = "neu", .kurztext1 = "ersetzt"}) +
                                  artikel5({.nummer = "2"}));
    EXPECT_EQ(dn.finde_produkt("1"), nullptr);
    EXPECT_EQ(dn.finde_produkt("NEU")->Kurztext1, "ersetzt");
    std::filesystem::remove(datei);
    EXPECT_EQ(dn.finde_produkt("neu"), nullptr);
}

class ArticleIndexCacheTest : public ::testing::Test {
protected:
    void lade() {
        TDatanorm dn;
        dn.LoadFromFile(FDatei, 1, false);
        EXPECT_NE(dn.finde_produkt("2"), nullptr);
    }

    test::TempDir FDir;
    const std::string FDatei =
        FDir.write("Datanorm.500", kopf5("20200131") +
                                       artikel5({.nummer = "1",
                                                 .kurztext1 = "Gr\x94\xE1"
                                                              "e"}) +
                                       "T;N;1;1;1;Text;;;\r\n" + artikel5({.nummer = "2"}) +
                                       artikel5({.nummer = "3", .flag = "A"}));
    const std::string FErwartet = "unsorted;31.01.2020;\r\n" +
                                  artikel5({.nummer = "1",
                                            .kurztext1 = "Gr\xF6\xDF"
                                                         "e"}) +
                                  artikel5({.nummer = "2"});
};

TEST_F(ArticleIndexCacheTest, WrittenOnceInWindows1252) {
    lade();
    EXPECT_EQ(FDir.read("Datanorm.EDA"), FErwartet);
    // A current cache is kept as it is.
    FDir.write("Datanorm.EDA", FErwartet + "Markierung\r\n");
    lade();
    EXPECT_EQ(FDir.read("Datanorm.EDA"), FErwartet + "Markierung\r\n");
}

TEST_F(ArticleIndexCacheTest, OutdatedOrUnreadableCacheIsReplaced) {
    for (const std::string erste :
         {"unsorted;01.01.2000;", "unsorted;;", "unsorted;kaputt;", "unsorted", ""}) {
        FDir.write("Datanorm.EDA", erste + "\r\nalt\r\n");
        lade();
        EXPECT_EQ(FDir.read("Datanorm.EDA"), FErwartet) << erste;
    }
}

TEST_F(ArticleIndexCacheTest, UnwritableCacheDoesNotStopTheLoad) {
    std::filesystem::create_directory(FDir.path("Datanorm.EDA"));
    lade();
    EXPECT_TRUE(std::filesystem::is_directory(FDir.path("Datanorm.EDA")));
    for (const auto& eintrag : std::filesystem::directory_iterator(FDir.path())) {
        EXPECT_EQ(eintrag.path().filename().string().find(".tmp"), std::string::npos)
            << eintrag.path();
    }
}

TEST(DatanormLoadMode, LargeFileModeCountsAndLinks) {
    test::TempDir dir;
    TDatanorm dn;
    dn.LoadFromFile(
        dir.write("Datanorm.500", kopf5() + artikel5({.nummer = "1"}) +
                                      "G;N;GR1;1;B;tank;jpg;Ansicht;\r\n" +
                                      "G;A;GR2;1;B;alt;jpg;;\r\n" + "T;N;T1;1;1;x;;;\r\n"),
        1, false);
    EXPECT_EQ(dn.getCounter(), 5);
    EXPECT_EQ(dn.getSatzzahlen().laenge_textsatz, 1);
    EXPECT_EQ(dn.getSatzzahlen().laenge_grafikanbindesatz, 2);
    ASSERT_EQ(dn.getGrafikanbindesaetze().size(), 1u);
    EXPECT_EQ(dn.getGrafikanbindesaetze()[0].Extension, "jpg");
    EXPECT_EQ(dn.getGrafikanbindesaetze()[0].Kurzbeschreibung, "");
    EXPECT_TRUE(dn.GetArtikelListe().empty());
    EXPECT_EQ(dn.getArtikelnummern(), std::vector<std::string>{"1"});
}

TEST(DatanormLoadMode, WaitCursorWhileLoadingAndLookingUp) {
    test::TempDir dir;
    const std::string datei = dir.write("Datanorm.500", kopf5() + artikel5({.nummer = "1"}));
    for (std::uint64_t dateigroesse : {0u, 1u}) {
        velmora::testing::ScriptedHost cursor;
        {
            TDatanorm dn;
            dn.LoadFromFile(datei, dateigroesse, false);
            dn.finde_produkt("1");
        }
        EXPECT_EQ(cursor.waitCursorChanges, (std::vector<bool>{true, false, true, false}))
            << dateigroesse;
    }
}

}  // namespace
}  // namespace velmora::datanorm
