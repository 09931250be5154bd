// Look-ups answer the same in both load modes: every case here runs in memory and from
// the file.
#include <gtest/gtest.h>

#include "DatanormTestFiles.h"
#include "datanorm/FieldValues.h"
#include "datanorm/TDatanorm.h"
#include "support/RandomBytes.h"

namespace velmora::datanorm {
namespace {

using test::Artikel;
using test::artikel4;
using test::artikel5;
using test::dimension5;
using test::kopf4;
using test::kopf5;
using test::text4;
using test::text5;

enum class Modus { Speicher, Datei };

class LookupTest : public ::testing::TestWithParam<Modus> {
protected:
    // Loads the lines as a DATANORM file in the mode under test.
    TDatanorm& lade(const std::string& inhalt, const std::string& name = "Datanorm.500") {
        const std::string datei = FDir.write(name, inhalt);
        if (GetParam() == Modus::Speicher) {
            FDatanorm.LoadFromFile(datei, 0, true);
        } else {
            FDatanorm.LoadFromFile(datei, 1, false);
        }
        EXPECT_EQ(FDatanorm.isGrosseDateien(), GetParam() == Modus::Datei);
        return FDatanorm;
    }

    test::TempDir FDir;
    TDatanorm FDatanorm;
};

INSTANTIATE_TEST_SUITE_P(BeideModi, LookupTest, ::testing::Values(Modus::Speicher, Modus::Datei),
                         [](const auto& info) {
                             return info.param == Modus::Speicher ? "Speicher" : "Datei";
                         });

TEST_P(LookupTest, NumbersIgnoreBlanksControlsAndCaseButNothingElse) {
    TDatanorm& dn = lade(kopf5() + artikel5({.nummer = "47110815", .kurztext1 = "Tank"}) +
                         artikel5({.nummer = "AB-12", .kurztext1 = "Winkel"}));
    for (const char* frage : {"4711 0815", "47110815", " 4711\t0815\r"}) {
        const auto produkt = dn.finde_produkt(frage);
        ASSERT_NE(produkt, nullptr) << frage;
        EXPECT_EQ(produkt->Kurztext1, "Tank");
        EXPECT_EQ(produkt->Artikelnummer, "47110815");
    }
    ASSERT_NE(dn.finde_produkt("ab-12"), nullptr);
    EXPECT_EQ(dn.finde_produkt("AB-12")->Kurztext1, "Winkel");
    EXPECT_EQ(dn.finde_produkt("AB12"), nullptr);
    EXPECT_EQ(dn.finde_produkt("4711-0815"), nullptr);
    EXPECT_EQ(dn.finde_produkt(""), nullptr);
}

TEST_P(LookupTest, OnlyNewArticleRecordsAreFound) {
    TDatanorm& dn = lade(kopf5() + artikel5({.nummer = "100", .flag = "A"}) +
                         artikel5({.nummer = "101", .flag = "L"}) +
                         // Long-text and dimension lines that carry an article's number.
                         text5("102", 1, "nur Text") + dimension5("103", 1, "nur Maß") +
                         artikel5({.nummer = "104"}));
    for (const char* nummer : {"100", "101", "102", "103"}) {
        EXPECT_EQ(dn.finde_produkt(nummer), nullptr) << nummer;
    }
    EXPECT_NE(dn.finde_produkt("104"), nullptr);
    EXPECT_EQ(dn.getArtikelnummern(), std::vector<std::string>{"104"});
}

TEST_P(LookupTest, PriceIsOnlyScaled) {
    TDatanorm& dn = lade(kopf5() + artikel5({.nummer = "1", .preis = "12345"}) +
                         artikel5({.nummer = "3", .preis = "0"}) +
                         // Preiseinheit 100 and Preiskennzeichen 2 are not applied.
                         "A;N;4;K;;PCE;2;100;5000;;;;;;;;;;;;;;;;;;;;;\r\n");
    EXPECT_DOUBLE_EQ(dn.finde_produkt("1")->Preis, 123.45);
    EXPECT_DOUBLE_EQ(dn.finde_produkt("3")->Preis, 0.0);
    const auto produkt = dn.finde_produkt("4");
    EXPECT_DOUBLE_EQ(produkt->Preis, 50.0);
    EXPECT_EQ(produkt->Preiskennzeichen, 2);
}

TEST_P(LookupTest, FieldsOfDatanorm5Article) {
    TDatanorm& dn = lade(kopf5() + artikel5({.nummer = "T-100",
                                             .kurztext1 = "Batterietank 1000 l",
                                             .kurztext2 = "Gr\x94\xE1"
                                                          "e 2",
                                             .einheit = "pce",
                                             .preis = "49900",
                                             .rabattgruppe = "RG7",
                                             .hauptwarengruppe = "TANK",
                                             .matchcode = "BT1000",
                                             .ean = "4012345678901"}));
    const auto p = dn.finde_produkt("t-100");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->Artikelnummer, "t-100");
    EXPECT_EQ(p->Kurztext1, "Batterietank 1000 l");
    EXPECT_EQ(p->Kurztext2, "Größe 2");
    EXPECT_EQ(p->Mengeneinheit, "Stück");
    EXPECT_DOUBLE_EQ(p->Preis, 499.0);
    EXPECT_EQ(p->Rabattgruppe, "RG7");
    EXPECT_EQ(static_cast<const TWebprodukt&>(*p).Rabattgruppe, "RG7");
    EXPECT_EQ(p->Warengruppe, "TANK");
    EXPECT_EQ(p->Matchcode, "BT1000");
    EXPECT_EQ(p->EAN, "4012345678901");
    EXPECT_EQ(p->anbindnummer, "ANB");
    EXPECT_EQ(p->Parent, &dn);
}

TEST_P(LookupTest, UnitNamesByVersion) {
    struct Case {
        int version;
        std::string einheit;
        std::string name;
    };
    const std::vector<Case> cases = {
        {5, "PCE", "Stück"}, {5, "pce", "Stück"},     {5, "MTR", "Meter"}, {5, "MMT", "Millimeter"},
        {5, "KGM", "KGM"},   {5, "ST", "ST"},         {4, "ST", "Stück"},  {4, " st ", "Stück"},
        {4, "M", "Meter"},   {4, "MM", "Millimeter"}, {4, "PCE", "PCE"},   {4, "Stck", "STCK"},
    };
    int n = 0;
    for (const Case& c : cases) {
        TDatanorm dn;
        const Artikel a{.nummer = "X", .einheit = c.einheit};
        const std::string datei =
            FDir.write("u" + std::to_string(n++) + ".001",
                       c.version == 5 ? kopf5() + artikel5(a) : kopf4() + artikel4(a));
        dn.LoadFromFile(datei, GetParam() == Modus::Speicher ? 0 : 1,
                        GetParam() == Modus::Speicher);
        ASSERT_NE(dn.finde_produkt("X"), nullptr);
        EXPECT_EQ(dn.finde_produkt("X")->Mengeneinheit, c.name) << c.version << " " << c.einheit;
    }
}

TEST_P(LookupTest, Datanorm5LongTextIsPlacedByLineNumber) {
    TDatanorm& dn = lade(kopf5() + text5("TX1", 1, "erste") + text5("TX1", 3, "dritte") +
                         text5("TX2", 1, "fremd") + text5("tx1", 3, "dritte neu") +
                         artikel5({.nummer = "1", .langtextnummer = "TX1"}) +
                         artikel5({.nummer = "2", .langtextnummer = "FEHLT"}) +
                         artikel5({.nummer = "3", .langtextnummer = " "}));
    EXPECT_EQ(dn.finde_produkt("1")->Langtext,
              (std::vector<std::string>{"erste", "", "dritte neu"}));
    EXPECT_TRUE(dn.finde_produkt("2")->Langtext.empty());
    EXPECT_TRUE(dn.finde_produkt("3")->Langtext.empty());
}

TEST_P(LookupTest, BlankTextNumberNamesNoText) {
    // Text lines without a number must not become the text of articles without one.
    TDatanorm& dn = lade(kopf5() + text5("", 1, "herrenlos") + artikel5({.nummer = "1"}));
    EXPECT_TRUE(dn.finde_produkt("1")->Langtext.empty());
}

TEST_P(LookupTest, Datanorm4LongTextTakesTwoLinesPerRecord) {
    TDatanorm& dn =
        lade(kopf4() + text4("L1", 1, "a", "b") + text4("L1", 3, "c", "d") +
                 artikel4({.nummer = "Z-1", .hauptwarengruppe = "07", .langtextnummer = "L1"}),
             "Datanorm.001");
    const auto p = dn.finde_produkt("z-1");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->Langtext, (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(p->Warengruppe, "07");
}

TEST_P(LookupTest, DimensionTextInLineOrder) {
    TDatanorm& dn =
        lade(kopf5() + artikel5({.nummer = "Tank-1"}) + dimension5("TANK-1", 1, "L\x84nge 2000") +
             dimension5("tank-1", 2, "Breite 700") + dimension5("Tank-1", 1, "vorne") +
             dimension5("Tank-1", 9, "hinten") + dimension5("Tank-2", 1, "fremd"));
    EXPECT_EQ(dn.finde_produkt("TANK-1")->Dimensionstext,
              (std::vector<std::string>{"vorne", "Länge 2000", "Breite 700", "hinten"}));
}

TEST_P(LookupTest, DuplicateNumbersTakeTextsFromFirstAndPriceFromLast) {
    TDatanorm& dn = lade(kopf5() + artikel5({.nummer = "7", .kurztext1 = "alt", .preis = "100"}) +
                         artikel5({.nummer = "7", .kurztext1 = "neu", .preis = "250"}));
    const auto p = dn.finde_produkt("7");
    EXPECT_EQ(p->Kurztext1, "alt");
    EXPECT_DOUBLE_EQ(p->Preis, 2.5);
    EXPECT_EQ(dn.getArtikelnummern(), (std::vector<std::string>{"7", "7"}));
}

TEST_P(LookupTest, HeaderOfDatanorm5) {
    TDatanorm& dn = lade(kopf5("20200131") + artikel5({.nummer = "1"}));
    const TVorlaufsatz& kopf = dn.getVorlaufsatz();
    EXPECT_EQ(dn.getVersion(), 5);
    EXPECT_EQ(kopf.Versionskennung, "050");
    EXPECT_EQ(kopf.Datum, 43861.0);  // 31 January 2020
    EXPECT_EQ(kopf.Waehrungskennzeichen, "EUR");
    // From a "V" record the information texts come only in large-file mode.
    const bool ausFeldern = GetParam() == Modus::Datei;
    EXPECT_EQ(kopf.Informationstext1, ausFeldern ? "Testkatalog" : "");
    EXPECT_EQ(kopf.Informationstext2, ausFeldern ? "Halvex" : "");
    EXPECT_EQ(kopf.Informationstext3, ausFeldern ? "Werk Nord" : "");
    EXPECT_EQ(kopf.Dateninhaltsbeschreibung, "Testkatalog");
    EXPECT_EQ(kopf.Datenersteller, "Werk Nord");
}

TEST_P(LookupTest, HeaderOfDatanorm4) {
    TDatanorm& dn = lade(kopf4("310169") + artikel4({.nummer = "1"}), "Datanorm.001");
    const TVorlaufsatz& kopf = dn.getVorlaufsatz();
    EXPECT_EQ(dn.getVersion(), 4);
    EXPECT_EQ(kopf.Datum, *dateValue(2069, 1, 31));
    EXPECT_EQ(kopf.Versionskennung, "04");
    EXPECT_EQ(kopf.Waehrungskennzeichen, "EUR");
    EXPECT_EQ(kopf.Informationstext1, "Artikeldaten" + std::string(28, ' '));
    EXPECT_EQ(kopf.Informationstext3, "DATANORM Version 4.0" + std::string(15, ' '));
}

TEST_P(LookupTest, EmptyLinesAnywhereAreIgnored) {
    TDatanorm& dn = lade("\r\n\n" + kopf5() + "\n\r\n" + artikel5({.nummer = "1"}) + "\r\r" +
                         artikel5({.nummer = "2", .preis = "300"}) + "\n");
    EXPECT_EQ(dn.getVersion(), 5);
    EXPECT_EQ(dn.getArtikelnummern(), (std::vector<std::string>{"1", "2"}));
    EXPECT_DOUBLE_EQ(dn.finde_produkt("2")->Preis, 3.0);
}

TEST_P(LookupTest, FileWithoutVersionIsRejected) {
    const std::string datei = FDir.write("katalog", "V 050 kein DATANORM\r\nA;N;1;\r\n");
    try {
        FDatanorm.LoadFromFile(datei, GetParam() == Modus::Speicher ? 0 : 1, false);
        FAIL() << "loaded";
    } catch (const ELoadfromFileExeption& fehler) {
        EXPECT_STREQ(fehler.what(), "Bitte nur Datanorm 4- oder 5-Dateien laden.");
    }
}

TEST_P(LookupTest, FilesThatAreNoDatanormAreRejectedNamingTheFile) {
    const std::string zufallsbytes = testing::randomBytes(4096);
    const struct {
        const char* fall;
        std::string inhalt;
    } faelle[] = {
        {"zero bytes", std::string(4096, '\0')},
        {"random bytes", zufallsbytes},
        {"plain text", "Preisliste Tanks\r\nTank 1000 l;665,00;\r\n"},
        {"header then text", kopf4("010120") + "Tank 1000 l\r\n" + artikel4({.nummer = "1"})},
        {"record then zeros", kopf5() + artikel5({.nummer = "1"}) + std::string(64, '\0')},
    };
    for (const auto& f : faelle) {
        const std::string datei = FDir.write("Datanorm.500", f.inhalt);
        TDatanorm dn;
        try {
            dn.LoadFromFile(datei, GetParam() == Modus::Speicher ? 0 : 1,
                            GetParam() == Modus::Speicher);
            ADD_FAILURE() << f.fall << ": loaded with " << dn.getArtikelnummern().size()
                          << " articles";
        } catch (const EDatanormBeschaedigt& fehler) {
            EXPECT_EQ(fehler.what(),
                      "Die Datei \"" + datei + "\" ist keine DATANORM-Datei oder beschädigt.")
                << f.fall;
        }
    }
}

TEST(DatanormLoad, MissingAndEmptyFilesFailWithAMessage) {
    test::TempDir dir;
    TDatanorm dn;
    EXPECT_THROW(dn.LoadFromFile(dir.path("fehlt.500"), 0, false), EDatanormFileError);
    EXPECT_THROW(dn.LoadFromFile(dir.path().string(), 0, false), EDatanormFileError);
    EXPECT_THROW(dn.LoadFromFile(dir.write("leer.500", "\r\n\r\n"), 0, false),
                 ELoadfromFileExeption);
}

TEST(DatanormLoad, RecordsOfEveryKindAreKept) {
    test::TempDir dir;
    TDatanorm dn;
    dn.LoadFromFile(
        dir.write(
            "Datanorm.500",
            kopf5() +
                "K;K-42;;;;;;;;;Halvex Handel;z. Hd. Einkauf;;Hauptstr. 1;DE;12345;Nord;\r\n" +
                "K;K-99;\r\n" + "G;N;GR1;1;B;tank;jpg;Ansicht;\r\n" + text5("T", 1, "x") +
                dimension5("D", 1, "y") + artikel5({.nummer = "1"}) + "X;N;fremd;\r\n"),
        0, false);
    EXPECT_EQ(dn.getKundenkontrollsatz().Kundennummer, "K-42");
    EXPECT_EQ(dn.getKundenkontrollsatz().Anschrift_kunde1, "Halvex Handel");
    EXPECT_EQ(dn.getKundenkontrollsatz().Anschrift_kunde_ort, "Nord");
    ASSERT_EQ(dn.getGrafikanbindesaetze().size(), 1u);
    EXPECT_EQ(dn.getGrafikanbindesaetze()[0].Dateiname, "tank");
    EXPECT_EQ(dn.getGrafikanbindesaetze()[0].Kurzbeschreibung, "Ansicht");
    EXPECT_EQ(dn.GetLangtextListe().size(), 1u);
    EXPECT_EQ(dn.GetDimensionstextListe().size(), 1u);
    EXPECT_EQ(dn.GetArtikelListe().size(), 1u);
    EXPECT_EQ(dn.getCounter(), 8);
    EXPECT_EQ(dn.getSatzzahlen().laenge_artikelsatz, 1);
    EXPECT_EQ(dn.getSatzzahlen().laenge_grafikanbindesatz, 1);
    EXPECT_EQ(dn.getPfad(), dir.path().string() + "/");
}

TEST(DatanormLoad, Datanorm4InsertionTexts) {
    test::TempDir dir;
    TDatanorm dn;
    dn.LoadFromFile(dir.write("Datanorm.001", kopf4() + "E;N;L7;;1;;eins;2;;zwei;\r\n"), 0, false);
    ASSERT_EQ(dn.getEinfuegetextsaetze().Einfuegetextsaetze.size(), 1u);
    const TEinfuegetextsatz& e = dn.getEinfuegetextsaetze().Einfuegetextsaetze[0];
    EXPECT_EQ(e.Langtextnummer, "L7");
    EXPECT_EQ(e.Zeilennummer2, 2);
    EXPECT_EQ(e.Einfuegetextzeile2, "zwei");
}

TEST(DatanormLoad, TheSameFileIsParsedOnce) {
    test::TempDir dir;
    TDatanorm dn;
    const std::string datei = dir.write("Datanorm.500", kopf5() + artikel5({.nummer = "1"}));
    dn.LoadFromFile(datei, 0, false);
    // Same first line: the reader keeps what it parsed.
    dir.write("Datanorm.500", kopf5() + artikel5({.nummer = "2"}));
    dn.LoadFromFile(datei, 0, false);
    EXPECT_NE(dn.finde_produkt("1"), nullptr);
    EXPECT_EQ(dn.finde_produkt("2"), nullptr);
    // A different file replaces the first.
    dn.LoadFromFile(dir.write("Andere.500", kopf5("20210101") + artikel5({.nummer = "3"})), 0,
                    false);
    EXPECT_EQ(dn.finde_produkt("1"), nullptr);
    EXPECT_NE(dn.finde_produkt("3"), nullptr);
    EXPECT_EQ(dn.GetArtikelListe().size(), 1u);
}

TEST(DatanormLoad, ArticleGettersAnswerByExactStoredNumber) {
    test::TempDir dir;
    TDatanorm dn;
    dn.LoadFromFile(
        dir.write(
            "Datanorm.500",
            kopf5() +
                artikel5({.nummer = "A 1", .kurztext1 = "k", .preis = "150", .matchcode = "M"}) +
                artikel5({.nummer = "a1", .preis = "990"})),
        0, false);
    const TArtikelSaetzeA& liste = dn.getArtikelSaetzeA();
    EXPECT_EQ(liste.get_kurztext1("a1"), "k");
    EXPECT_EQ(liste.get_matchcode("a1"), "M");
    EXPECT_EQ(liste.get_warengruppe("a1"), "HG1");
    EXPECT_DOUBLE_EQ(liste.get_preis("a1"), 9.9);
    EXPECT_EQ(liste.get_kurztext1("A1"), "");
    EXPECT_DOUBLE_EQ(liste.get_preis("x"), 0.0);
}

}  // namespace
}  // namespace velmora::datanorm
