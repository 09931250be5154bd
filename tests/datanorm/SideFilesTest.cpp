// Product groups, discount groups and the discount cache beside the article file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "DatanormTestFiles.h"
#include "datanorm/DatanormErrors.h"
#include "datanorm/DatanormFiles.h"
#include "datanorm/TDatanorm.h"

namespace velmora::datanorm {
namespace {

using test::Artikel;
using test::artikel4;
using test::artikel5;
using test::kopf4;
using test::kopf5;

struct Gruppe {
    std::string haupt;
    std::string waren;
    std::string name;
    friend bool operator==(const Gruppe&, const Gruppe&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Gruppe& g) {
        return out << g.haupt << "/" << g.waren << "=" << g.name;
    }
};

std::vector<Gruppe> gruppen(const TDatanorm& dn) {
    std::vector<Gruppe> result;
    if (const THauptwarengruppensatz* satz = dn.getHauptwarengruppensatz()) {
        for (const auto& g : satz->Hauptwarengruppensaetze) {
            result.push_back({g->Hauptwarengruppe, g->Warengruppe, g->Bezeichnung});
        }
    }
    return result;
}

struct Rabatt {
    std::string gruppe;
    int art;
    double wert;
    std::string name;
    friend bool operator==(const Rabatt&, const Rabatt&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Rabatt& r) {
        return out << r.gruppe << "/" << r.art << "/" << r.wert << "/" << r.name;
    }
};

std::vector<Rabatt> rabatte(const TDatanorm& dn) {
    std::vector<Rabatt> result;
    for (const TRabattgruppensatz& r : dn.getRabattsaetze()) {
        result.push_back(
            {r.Rabattgruppe, r.Rabattkennzeichen, r.Rabatt, r.Rabattgruppenbezeichnung});
    }
    return result;
}

class SideFilesTest : public ::testing::Test {
protected:
    std::unique_ptr<TDatanorm> lade(const std::string& name = "Datanorm.500", bool useErab = true) {
        auto dn = std::make_unique<TDatanorm>();
        dn->setUseErab(useErab);
        dn->LoadFromFile(FDir.path(name), 0, false);
        return dn;
    }

    test::TempDir FDir;
};

TEST_F(SideFilesTest, Datanorm4ProductGroupsFromFileFoundWhateverItsCase) {
    FDir.write("katalog.001", kopf4() + artikel4({.nummer = "1"}));
    FDir.write("katalog.WRG", kopf4() + "S;;01;Installationsger\x84te;;;\r\n" +
                                  "S;;01;;12;Sicherungsautomaten;\r\n" +
                                  "S;;02;Kabel & Leitung;020101;Fernmeldekabel;\r\n" +
                                  "S;;03; ;;;\r\n" + "S;;;ohne Schl\x81ssel;;;\r\n");
    const auto dn = lade("katalog.001");
    EXPECT_EQ(gruppen(*dn), (std::vector<Gruppe>{{"01", "", "Installationsgeräte"},
                                                 {"01", "12", "Sicherungsautomaten"},
                                                 {"02", "020101", "Kabel & Leitung"},
                                                 {"03", "", "03"}}));
    EXPECT_EQ(dn->getHauptwarengruppensatz()->Warengruppenliste.size(), 6u);
    EXPECT_EQ(dn->getHauptwarengruppensatz()->Warengruppenliste[1], "S;;01;Installationsgeräte;;;");
}

TEST_F(SideFilesTest, Datanorm5ProductGroups) {
    FDir.write("Datanorm.500", kopf5() + artikel5({.nummer = "1"}));
    FDir.write("Datanorm.wrg",
               "V;050;A;20200131;EUR;\r\nS;HG1;kurz;Tanks;\r\nS;HG2;Zubehoer; ;\r\n"
               "S;HG3;ohne;;\r\n");
    EXPECT_EQ(gruppen(*lade()),
              (std::vector<Gruppe>{{"HG1", "", "Tanks"}, {"HG2", "", "Zubehoer"}}));
}

TEST_F(SideFilesTest, WithoutProductGroupFileTheArticlesNameTheGroups) {
    FDir.write("Datanorm.500", kopf5() + artikel5({.nummer = "1", .hauptwarengruppe = "B"}) +
                                   artikel5({.nummer = "5", .hauptwarengruppe = "B"}) +
                                   artikel5({.nummer = "2", .hauptwarengruppe = "A"}) +
                                   artikel5({.nummer = "3", .hauptwarengruppe = "B"}) +
                                   artikel5({.nummer = "4", .hauptwarengruppe = " "}));
    EXPECT_EQ(gruppen(*lade()), (std::vector<Gruppe>{{"B", "", "B"}, {"A", "", "A"}}));

    FDir.write("Ohne.500", kopf5() + artikel5({.nummer = "1", .hauptwarengruppe = ""}));
    EXPECT_EQ(lade("Ohne.500")->getHauptwarengruppensatz(), nullptr);
}

TEST_F(SideFilesTest, MalformedProductGroupFileFailsTheLoad) {
    FDir.write("Datanorm.500", kopf5() + artikel5({.nummer = "1"}));
    std::string zuLang = "S;HG;";
    for (int i = 0; i < 260; ++i) {
        zuLang += "x;";
    }
    FDir.write("Datanorm.wrg", "V;050;\r\n" + zuLang + "\r\n");
    try {
        lade();
        FAIL() << "loaded";
    } catch (const EWarengruppensatzException& fehler) {
        EXPECT_STREQ(fehler.what(), "Fehlerhafter Warengruppensatz!");
    }
}

TEST_F(SideFilesTest, DiscountFileScalesByKindAndIsCachedInUnicode) {
    FDir.write("Datanorm.001", kopf4("310120") + artikel4({.nummer = "1"}));
    FDir.write("Datanorm.rab", kopf4() + "R;;PP21;1;2500;Speicher/Heizungszubeh\x94r;\r\n" +
                                   "R;;PP22;2;2500;Faktor;\r\n" + "R;;PP23;3;2500;Netto;\r\n" +
                                   "R;;;1;100;ohne Gruppe;\r\n" + "X;;PP24;1;100;fremd;\r\n");
    const std::vector<Rabatt> erwartet = {{"PP21", 1, 25.0, "Speicher/Heizungszubehör"},
                                          {"PP22", 2, 2.5, "Faktor"},
                                          {"PP23", 3, 25.0, "Netto"}};
    const auto dn = lade("Datanorm.001");
    EXPECT_EQ(rabatte(*dn), erwartet);
    EXPECT_EQ(dn->getRabattCSV().getCell(0, 0), "31.01.2020");
    EXPECT_EQ(dn->getRabattCSV().getCell(3, 1), "2500");

    const std::string cache = FDir.read("Datanorm.erab");
    ASSERT_GE(cache.size(), 2u);
    EXPECT_EQ(cache.substr(0, 2), "\xFF\xFE");
    // The next load answers from the cache.
    FDir.write("Datanorm.rab", "");
    EXPECT_EQ(rabatte(*lade("Datanorm.001")), erwartet);
}

TEST_F(SideFilesTest, ArticleFileAloneGetsACacheOfItsDiscountGroups) {
    FDir.write("Datanorm.500", kopf5("20200131") + artikel5({.nummer = "1", .rabattgruppe = "R2"}) +
                                   artikel5({.nummer = "2", .rabattgruppe = "R1"}) +
                                   artikel5({.nummer = "3", .rabattgruppe = "R2"}));
    EXPECT_EQ(rabatte(*lade()), (std::vector<Rabatt>{{"R2", 0, 0.0, ""}, {"R1", 0, 0.0, ""}}));
    EXPECT_EQ(FDir.read("Datanorm.erab"), "31.01.2020\r\nR2;;;;\r\nR1;;;;");

    // Later loads reuse it, also when its date is later than the header's.
    FDir.write("Datanorm.erab", "01.02.2020\r\nR9;Neu;1;500");
    EXPECT_EQ(rabatte(*lade()), (std::vector<Rabatt>{{"R9", 1, 5.0, "Neu"}}));

    // An older or unreadable date makes the next load rebuild it.
    for (const std::string erste : {"30.01.2020", "kein Datum", ""}) {
        FDir.write("Datanorm.erab", erste + "\r\nR9;Neu;1;500");
        EXPECT_EQ(rabatte(*lade()).size(), 2u) << erste;
        EXPECT_EQ(FDir.read("Datanorm.erab"), "31.01.2020\r\nR2;;;;\r\nR1;;;;") << erste;
    }
}

TEST_F(SideFilesTest, WithoutCacheUseNothingIsWritten) {
    FDir.write("Datanorm.500", kopf5() + artikel5({.nummer = "1"}));
    EXPECT_TRUE(lade("Datanorm.500", false)->getRabattsaetze().empty());
    EXPECT_FALSE(FDir.exists("Datanorm.erab"));
}

TEST_F(SideFilesTest, LargeFileModeCollectsGroupsFromTheFile) {
    FDir.write(
        "Datanorm.500",
        kopf5() + artikel5({.nummer = "1", .rabattgruppe = "R1", .hauptwarengruppe = "HG"}) +
            artikel5({.nummer = "2", .rabattgruppe = "R1", .hauptwarengruppe = "HG", .flag = "A"}));
    TDatanorm dn;
    dn.LoadFromFile(FDir.path("Datanorm.500"), 1, false);
    EXPECT_EQ(gruppen(dn), (std::vector<Gruppe>{{"HG", "", "HG"}}));
    // No article list in memory: the built discount cache holds only its date row.
    EXPECT_TRUE(rabatte(dn).empty());
    EXPECT_EQ(FDir.read("Datanorm.erab"), "31.01.2020");
}

TEST_F(SideFilesTest, ADiscountGroupOfOneBlankIsAGroup) {
    FDir.write("Datanorm.500", kopf5("20200131") + artikel5({.nummer = "1", .rabattgruppe = " "}) +
                                   artikel5({.nummer = "2", .rabattgruppe = ""}));
    EXPECT_EQ(rabatte(*lade()), (std::vector<Rabatt>{{" ", 0, 0.0, ""}}));
}

TEST_F(SideFilesTest, FailedCacheSaveLeavesTheDiscountRatesAlone) {
    FDir.write("Datanorm.500", kopf5("20200131") + artikel5({.nummer = "1", .rabattgruppe = "R1"}));
    // A directory in the cache's place: saving fails, whoever runs the test.
    std::filesystem::create_directories(FDir.path("Datanorm.erab") / "belegt");
    EXPECT_TRUE(rabatte(*lade()).empty());
}

TEST(DatanormCsv, UnicodeAndAnsiRoundTrips) {
    test::TempDir dir;
    TCSVFile tabelle;
    tabelle.setCell(0, 0, "31.01.2020");
    tabelle.setCell(2, 1, "Größe €");
    tabelle.setCell(0, 2, "🛢");
    tabelle.SaveToFile(dir.path("u.erab"), true);
    EXPECT_EQ(dir.read("u.erab").substr(0, 4), std::string("\xFF\xFE"
                                                           "3\0",
                                                           4));
    TCSVFile gelesen;
    gelesen.LoadFromFile(dir.path("u.erab"));
    EXPECT_EQ(gelesen.getCell(2, 1), "Größe €");
    EXPECT_EQ(gelesen.getCell(0, 2), "🛢");
    EXPECT_EQ(gelesen.getCell(5, 5), "");
    EXPECT_EQ(gelesen.getRowCount(), 3u);

    tabelle.SaveToFile(dir.path("a.erab"), false);
    EXPECT_EQ(dir.read("a.erab"),
              "31.01.2020\r\n;;Gr\xF6\xDF"
              "e \x80\r\n?");
    gelesen.LoadFromFile(dir.path("a.erab"));
    EXPECT_EQ(gelesen.getCell(2, 1), "Größe €");
    EXPECT_THROW(gelesen.LoadFromFile(dir.path("fehlt")), EDatanormFileError);
}

// Every file of a delivery is bounded and must be a regular file: a product-group file too
// large for one fails the load naming it, other side files too large and FIFOs in a side
// file's place are passed over like missing ones; none hangs the load or fills memory.
TEST_F(SideFilesTest, HostileSideFilesAreNamedOrPassedOver) {
    const std::string riesig(kMaxSeitendateiBytes + 1, ';');
    struct Case {
        std::string name;
        std::string inhalt;   // empty: a FIFO
        std::string meldung;  // empty: the load succeeds
    };
    const std::vector<Case> cases{
        {"Datanorm.wrg", riesig, "ist größer als 2048 KB und wird nicht gelesen."},
        {"Datanorm.wrg", "", ""},
        {"Datanorm.rab", riesig, ""},
        {"Datanorm.rab", "", ""},
        {"Datanorm.erab", riesig, ""},
        {"Datanorm.erab", "", ""},
        {"Datanorm.500", "",
         "kann nicht gelesen werden: unter diesem Namen steht ein Ordner oder ein Gerät, keine "
         "Datei. Bitte geben Sie eine Datei an."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name + (c.inhalt.empty() ? " FIFO" : " riesig"));
        test::TempDir dir;
        dir.write("Datanorm.500", kopf5() + artikel5({.nummer = "1", .rabattgruppe = "PP21"}));
        std::filesystem::remove(dir.path(c.name));
        if (c.inhalt.empty()) {
            ASSERT_EQ(::mkfifo(dir.path(c.name).c_str(), 0600), 0);
        } else {
            dir.write(c.name, c.inhalt);
        }
        TDatanorm dn;
        try {
            dn.LoadFromFile(dir.path("Datanorm.500"), 0, false);
            EXPECT_EQ(c.meldung, "");
        } catch (const EDatanormFileError& fehler) {
            EXPECT_EQ(fehler.what(),
                      "Die Datei \"" + dir.path(c.name).string() + "\" " + c.meldung);
        }
    }
}

TEST_F(SideFilesTest, LinesBeyondTheLimitEndTheLargeFileMode) {
    const std::string zeile(kMaxDatanormLineBytes + 1, 'A');
    for (const std::string& inhalt : {zeile, kopf5() + artikel5({.nummer = "1"}) + zeile}) {
        FDir.write("Datanorm.500", inhalt);
        TDatanorm dn;
        try {
            dn.LoadFromFile(FDir.path("Datanorm.500"), 1, false);
            ADD_FAILURE() << "loaded";
        } catch (const EDatanormFileError& fehler) {
            EXPECT_EQ(fehler.what(), "Die Datei \"" + FDir.path("Datanorm.500").string() +
                                         "\" hat eine Zeile mit über 64 KB und ist keine "
                                         "DATANORM-Datei.");
        }
    }
}

}  // namespace
}  // namespace velmora::datanorm
