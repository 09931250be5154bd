// Choice of the load mode and what the large-file mode keeps beside the file.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "DatanormTestFiles.h"
#include "base/Host.h"
#include "datanorm/TDatanorm.h"
#include "support/ScriptedHost.h"

namespace velmora::datanorm {
namespace {

using test::Artikel;
using test::artikel5;
using test::dimension5;
using test::kopf5;
using test::text5;

// A DATANORM 5 file with the given number of lines starting with "A" (one new article,
// the rest change records).
std::string mitArtikelzeilen(int anzahl) {
    std::string inhalt = kopf5() + artikel5({.nummer = "1"});
    for (int i = 1; i < anzahl; ++i) {
        inhalt += "A;A;" + std::to_string(i + 1) + ";\r\n";
    }
    return inhalt;
}

// One product as a line of its fields, for comparing whole answers.
std::string beschreibe(const TProdukt& p) {
    std::string text = p.Artikelnummer + "|" + p.Kurztext1 + "|" + p.Kurztext2 + "|" +
                       std::to_string(p.Preis) + "|" + p.Mengeneinheit + "|" + p.Warengruppe + "|" +
                       p.Rabattgruppe + "|" + p.Matchcode + "|" + p.EAN + "|";
    for (const std::string& zeile : p.Langtext) {
        text += "L:" + zeile + "|";
    }
    for (const std::string& zeile : p.Dimensionstext) {
        text += "D:" + zeile + "|";
    }
    return text;
}

// Several hundred kilobytes, so that the reading window moves: long texts before and after
// their articles (some far behind, at the end), an article named twice (the price comes from
// the later record), a number written with a blank and capitals, dimension lines.
std::string vieleSaetze() {
    std::string inhalt = kopf5();
    std::string nachzuegler;
    for (int i = 0; i < 3000; ++i) {
        const std::string nr = std::to_string(10000 + i);
        const std::string text = "LT" + nr;
        if (i % 3 == 0) {
            inhalt += text5(text, 1, "Vorn " + nr);
        }
        inhalt += artikel5({.nummer = i == 7 ? "Ab " + nr : nr,
                            .kurztext1 = "Tank \x94l " + nr,
                            .preis = std::to_string(100 + i),
                            .langtextnummer = text,
                            .matchcode = "M" + nr});
        inhalt += dimension5(nr, 1, "L\x84nge " + nr) + dimension5(nr, 2, "Breite");
        if (i % 3 == 1) {
            inhalt += text5(text, 1, "Hinten " + nr) + text5(text, 3, "Zeile 3");
        }
        if (i % 100 == 2) {
            nachzuegler += text5(text, 2, "Am Ende " + nr);
        }
    }
    inhalt += artikel5({.nummer = "10005", .preis = "99999"});
    return inhalt + nachzuegler;
}

TEST(DatanormLoadMode, EveryProductReadOnceAnswersAsTheLookUps) {
    test::TempDir dir;
    const std::string datei = dir.write("Datanorm.500", vieleSaetze());
    std::vector<std::string> erwartet;
    for (const bool gross : {false, true}) {
        SCOPED_TRACE(gross ? "large-file mode" : "in memory");
        TDatanorm dn;
        dn.LoadFromFile(datei, gross ? 1 : 0, !gross);
        ASSERT_EQ(dn.isGrosseDateien(), gross);
        std::vector<std::string> einzeln;
        for (const std::string& nummer : dn.getArtikelnummern()) {
            const std::unique_ptr<TProdukt> produkt = dn.finde_produkt(nummer);
            ASSERT_NE(produkt, nullptr) << nummer;
            einzeln.push_back(beschreibe(*produkt));
        }
        std::vector<std::string> gelesen;
        dn.fuerJedesProdukt([&](const TProdukt& p) { gelesen.push_back(beschreibe(p)); });
        EXPECT_EQ(gelesen, einzeln);
        EXPECT_EQ(dn.getArtikelanzahl(), einzeln.size());
        if (erwartet.empty()) {
            erwartet = einzeln;
        } else {
            EXPECT_EQ(einzeln, erwartet);
        }
    }
    ASSERT_EQ(erwartet.size(), 3001u);
    EXPECT_EQ(erwartet[7].substr(0, 10), "ab10007|Ta");
    EXPECT_NE(erwartet[5].find("|999.990000|"), std::string::npos);
    EXPECT_NE(erwartet[2].find("L:|L:Am Ende 10002|"), std::string::npos);
}

// Texts following one another under one number, broken by other lines, by empty lines and by
// a change of line end, and long enough to leave the reading window.
TEST(DatanormLoadMode, TextRunsAnswerAsInMemory) {
    const auto ohneCrLf = [](std::string zeile, const char* ende) {
        return zeile.substr(0, zeile.size() - 2) + ende;
    };
    std::string inhalt =
        kopf5() + artikel5({.nummer = "1", .langtextnummer = "L1"}) + text5("L1", 1, "eins") +
        "\r\n\r\n" + ohneCrLf(text5("L1", 2, "zwei"), "\n") +
        ohneCrLf(text5("L1", 3, "drei"), "\r") + "B;N;1;x;\r\n" + text5("L1", 4, "vier") +
        dimension5("1", 1, "D1") + text5("L1", 5, "fuenf") + "\x1A\r\n" + text5("L1", 6, "sechs") +
        dimension5("1", 2, "D2") + dimension5("1 ", 3, "D3") + dimension5("1", 4, "D4");
    inhalt += artikel5({.nummer = "2", .langtextnummer = "L2"});
    for (int i = 0; i < 6000; ++i) {
        inhalt += text5("L2", i % 250, std::string(60, static_cast<char>('a' + i % 26)));
    }
    test::TempDir dir;
    const std::string datei = dir.write("Datanorm.500", inhalt);
    std::vector<std::string> antworten;
    for (const bool gross : {false, true}) {
        TDatanorm dn;
        dn.LoadFromFile(datei, gross ? 1 : 0, !gross);
        ASSERT_EQ(dn.isGrosseDateien(), gross);
        std::string alle;
        dn.fuerJedesProdukt([&](const TProdukt& p) { alle += beschreibe(p) + "\n"; });
        for (const char* nummer : {"1", "2"}) {
            const std::unique_ptr<TProdukt> produkt = dn.finde_produkt(nummer);
            ASSERT_NE(produkt, nullptr);
            alle += beschreibe(*produkt) + "\n";
        }
        antworten.push_back(alle);
    }
    EXPECT_EQ(antworten[0], antworten[1]);
    EXPECT_NE(antworten[0].find("1|Kurztext||1.000000|Stück|HG1|R1|||L:eins|L:zwei|L:drei|L:vier|"
                                "L:fuenf|L:sechs|D:D1|D:D2|D:D3|D:D4|"),
              std::string::npos)
        << antworten[0].substr(0, 300);
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
