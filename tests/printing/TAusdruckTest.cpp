#include "printing/TAusdruck.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../catalogue/CatalogueFixture.h"
#include "printing/RecordingPrintTarget.h"

namespace velmora {
namespace {

using testing::clipOf;
using testing::logged;
using testing::RecordingPrintTarget;

std::string umlaute(int anzahl) {
    std::string text;
    for (int i = 0; i < anzahl; ++i) {
        text += "ä";
    }
    return text;
}

// A plain 1000 l tank of 700 x 1000 x 1500 mm.
TProduktDaten tank(std::string artNr, bool aufstellvariationen) {
    return {.Bezeichnung = "T",
            .ArtNr = std::move(artNr),
            .Inhalt = 1000,
            .Preis = 1.0,
            .Breite = 700,
            .Laenge = 1000,
            .Hoehe = 1500,
            .Aufstellvariationen = aufstellvariationen};
}

// A two-tank battery in a 5 x 5 m room with a picture and four optional accessories, of
// which a test ticks as many as it needs.
class TAusdruckTest : public testing::CatalogueFixture {
protected:
    TAusdruckTest() {
        gruppe.addAufstellvariante(
            testing::makeVariante({.name = "2", .gapOut = {450, 450, 450, 450}}));
        for (int i = 1; i <= 4; ++i) {
            gruppe.addZubehoer("Zubehör " + std::to_string(i), "Z" + std::to_string(i), 100.0, true,
                               std::vector<std::string>{"Text " + std::to_string(i)}, {}, nullptr);
        }
        TProdukt& p =
            gruppe.addProdukt({.Bezeichnung = "Batterietank 1000 l",
                               .Bezeichnung_kt2 = "Kurztext zwei",
                               .ArtNr = "P1",
                               .Inhalt = 1000,
                               .Preis = 450.0,
                               .Breite = 700,
                               .Laenge = 1000,
                               .Hoehe = 1500,
                               .Aufstellvariationen = true,
                               .ZusBreite = 50,
                               .ZusLaenge = 100,
                               .ZusSpezLaenge = 200,
                               .Bild = "images/produkte/P1.jpg",
                               .Produktbeschreibung = std::vector<std::string>{"L1", "L2", "L3"},
                               .Dimensionstext = std::vector<std::string>{"DIM 1", "DIM 2"}},
                              tempData, nullptr);
        suche(p, gruppe.getAufstellvariantenListe(), testing::sucheImRaum(5000, 5000));
        p.addZubehoer(gruppe.getZubehoerListe());
        p.setZubehoerListeOptional(p.getZubehoerFuerAufstellung());
        tempData.uebernimm({.Tankart = "Batterietanks",
                            .SollVolumen = 2000,
                            .RaumBreite = 5000,
                            .RaumLaenge = 5000,
                            .RaumHoehe = 2500,
                            .EinbringBreite = 800,
                            .EinbringHoehe = 1900,
                            .TankPosition = Ecke::OL});
        produkt_ = &p;
    }

    TProdukt& produkt() { return *produkt_; }

    void hakeAn(int anzahl) {
        for (int i = 0; i < anzahl; ++i) {
            produkt().getZubehoerOptionalListe(static_cast<std::size_t>(i)).setChecked(true);
        }
    }

    RecordingPrintTarget loesung(double optPreis = 0) {
        RecordingPrintTarget ziel;
        ziel.pictures = {{"app/images/halvex-logo.jpg", 874, 170},
                         {"app/images/produkte/P1.jpg", 466, 403}};
        ausdruck.LoesungDruck(ziel, "Neubau Meier", optPreis, produkt(), tempData);
        return ziel;
    }

    RecordingPrintTarget datanorm() {
        RecordingPrintTarget ziel;
        ausdruck.DatanormDruck(ziel, "Neubau Meier", produkt());
        return ziel;
    }

    TAusdruck ausdruck{"app/"};
    TProdukt* produkt_ = nullptr;
};

TEST_F(TAusdruckTest, PlanningSheetPlacesItsBlocksAndMovesPlanAndSideViewToPagesTwoAndThree) {
    hakeAn(3);
    const RecordingPrintTarget ziel = loesung();
    EXPECT_EQ(ziel.calls, (std::vector<std::string>{"begin Druck Velmora", "page", "page", "end"}));
    ASSERT_EQ(ziel.pages.size(), 3u);

    const auto& seite1 = ziel.log(1);
    EXPECT_EQ(clipOf(seite1, "Ihre Vorgaben"), "200,330,1970,390");
    EXPECT_TRUE(logged(seite1, "line 200,420 230,420 pen 000000/1"));
    EXPECT_TRUE(logged(seite1, "roundRect 200,470,1970,770 "));
    EXPECT_EQ(clipOf(seite1, "Tankart:"), "200,470,500,510");
    EXPECT_EQ(clipOf(seite1, "Heizraum:"), "200,770,500,810");
    EXPECT_EQ(clipOf(seite1, "Unser Vorschlag"), "200,870,1970,930");
    EXPECT_TRUE(logged(seite1, "line 200,960 230,960 "));
    EXPECT_TRUE(logged(seite1, "roundRect 200,1020,1454,1073 corner 0x0 pen EEEEEE/1"));
    EXPECT_EQ(clipOf(seite1, "Bezeichnung:"), "200,1083,500,1123");
    EXPECT_TRUE(logged(seite1, "roundRect 1504,1020,1970,1546 "));
    EXPECT_TRUE(logged(seite1, "picture app/images/produkte/P1.jpg 466x403 1504,1020,1970,1423"));
    EXPECT_EQ(clipOf(seite1, "Produktbeispiel"), "1504,1443,1970,1473");
    EXPECT_TRUE(logged(seite1, "roundRect 200,1533,1970,1586 "));
    EXPECT_TRUE(logged(seite1, "roundRect 200,1596,1970,1706 "));
    EXPECT_TRUE(logged(seite1, "roundRect 200,1766,1970,1819 "));
    EXPECT_TRUE(logged(seite1, "roundRect 200,1829,1970,2049 "));
    EXPECT_EQ(clipOf(seite1, "Zubehör 3"), "390,2009,1790,2049");
    EXPECT_TRUE(logged(seite1, "roundRect 200,2149,1970,2365 "));
    EXPECT_EQ(clipOf(seite1, "Gesamt:"), "200,2149,400,2197");

    const auto& seite2 = ziel.log(2);
    EXPECT_TRUE(logged(seite2, "roundRect 200,330,1970,383 "));
    EXPECT_EQ(clipOf(seite2, "Grafik"), "200,330,1970,383");
    EXPECT_TRUE(logged(seite2, "copyRect 200,393,1970,2163 raster 1770x1770"));
    EXPECT_EQ(clipOf(seite2, "Seite 2"), "1124,230,1970,270");

    const auto& seite3 = ziel.log(3);
    EXPECT_EQ(clipOf(seite3, "Seitenansicht"), "200,330,1970,383");
    EXPECT_TRUE(logged(seite3, "copyRect 200,393,1970,1093 raster 1770x700"));
    EXPECT_TRUE(logged(seite3, "  roundRect "));
    EXPECT_EQ(clipOf(seite3, "Mindestabstand zu den Wänden:"), "200,1143,950,1183");
}

TEST_F(TAusdruckTest, PlanAndSideViewLabelsAreLegibleOnPaper) {
    // The pictures are drawn one pixel per 0.1 mm; a cap height of 0.7 em must reach 2 mm,
    // whatever resolution the page reports.
    const RecordingPrintTarget ziel = loesung();
    int labels = 0;
    for (int seite = 2; seite <= 3; ++seite) {
        for (const std::string& line : ziel.log(seite)) {
            if (line.rfind("  text ", 0) != 0) {
                continue;
            }
            ++labels;
            const std::size_t font = line.find(" font Arial -") + 13;
            const int em = std::stoi(line.substr(font));
            EXPECT_GE(em * 0.1 * 0.7, 2.0) << line;
        }
    }
    EXPECT_GE(labels, 6);
}

TEST_F(TAusdruckTest, EveryPageHasHeaderAndFooterCells) {
    const RecordingPrintTarget ziel = loesung();
    for (int seite = 1; seite <= 2; ++seite) {
        const auto& log = ziel.log(seite);
        EXPECT_TRUE(logged(log, "picture app/images/halvex-logo.jpg 874x170 200,60,1074,230"));
        EXPECT_TRUE(logged(log, "roundRect 1124,60,1970,230 corner 0x0 pen EEEEEE/1"));
        EXPECT_EQ(clipOf(log, "Seite " + std::to_string(seite)), "1124,230,1970,270");
        EXPECT_EQ(clipOf(log, "Projekt: Neubau Meier"), "200,230,1074,270");
        EXPECT_EQ(clipOf(log, TAusdruck::EMailZeile), "200,2790,785,2820");
        EXPECT_EQ(clipOf(log, TAusdruck::InternetZeile), "1375,2790,1970,2820");
        EXPECT_TRUE(logged(log, "roundRect 795,2790,1365,2820 "));
    }
}

TEST_F(TAusdruckTest, DashedRuleAlternatesThirtyUnitSegmentsEndingAtTheRightEdge) {
    const RecordingPrintTarget ziel = loesung();
    std::vector<std::string> segmente;
    for (const std::string& line : ziel.log(1)) {
        if (line.rfind("line ", 0) == 0 && line.find(",420 ") != std::string::npos) {
            segmente.push_back(line);
        }
    }
    ASSERT_EQ(segmente.size(), 59u);
    EXPECT_EQ(segmente[0], "line 200,420 230,420 pen 000000/1");
    EXPECT_EQ(segmente[1], "line 230,420 260,420 pen FFFFFF/1");
    EXPECT_EQ(segmente.back(), "line 1940,420 1970,420 pen 000000/1");
}

TEST_F(TAusdruckTest, InputsAndInstallationRowsShowMetresLitresAndVariant) {
    tempData.Vorgaben.EckeBreite = 1000;
    tempData.Vorgaben.EckeLaenge = 1500;
    tempData.heizraum = true;
    tempData.safeKessel = true;
    tempData.zehnCm = true;
    const RecordingPrintTarget ziel = loesung();
    const auto& log = ziel.log(1);
    for (const char* text :
         {"Batterietanks", "2.000 Liter", "5,000 x 5,000 x 2,500 m", "1,000 x 1,500 m",
          "0,800 x 1,900 m", "Ja, mit strahlungsgesch. Kessel mit 10 cm Mindestabstand zum Tank",
          "2", "Batterietank 1000 l", "0,700 x 1,000 x 1,500 m", "1.000 Liter", "P1"}) {
        EXPECT_NE(clipOf(log, text), "") << text;
    }
}

TEST_F(TAusdruckTest, LongAccessoryDescriptionsAreCutBeforeTheQuantityColumn) {
    // The recording canvas measures 7 units per character: 200 characters fill 1400.
    struct Fall {
        std::string text;
        std::string gedruckt;
    };
    const std::vector<Fall> faelle{
        {std::string(200, 'a'), std::string(200, 'a')},
        {std::string(201, 'b'), std::string(197, 'b') + "..."},
        // Cut between characters, not inside one.
        {umlaute(201), umlaute(197) + "..."},
    };
    for (const Fall& fall : faelle) {
        TProduktgruppe andere{"Andere", "WG2"};
        andere.addAufstellvariante(testing::makeVariante({.name = "1"}));
        andere.addZubehoer(fall.text, "ZL", 1.0, true, {}, {}, nullptr);
        TProdukt& p = andere.addProdukt(tank("PL", true), tempData, nullptr);
        suche(p, andere.getAufstellvariantenListe(), testing::sucheImRaum(5000, 5000));
        p.addZubehoer(andere.getZubehoerListe());
        p.setZubehoerListeOptional(p.getZubehoerFuerAufstellung());
        p.getZubehoerOptionalListe(0).setChecked(true);
        RecordingPrintTarget ziel;
        ausdruck.LoesungDruck(ziel, "X", 0, p, tempData);
        EXPECT_NE(clipOf(ziel.log(1), fall.gedruckt), "") << fall.text.size();
    }
}

TEST_F(TAusdruckTest, NoTickedAccessoryLeavesOneEmptyRow) {
    const RecordingPrintTarget ziel = loesung();
    const auto& log = ziel.log(1);
    EXPECT_TRUE(logged(log, "roundRect 200,1829,1970,1929 "));
    EXPECT_TRUE(logged(log, "line 365,1829 365,1939 "));
    EXPECT_TRUE(logged(log, "roundRect 200,2029,1970,2245 "));
}

TEST_F(TAusdruckTest, PricesAddTheOptionalAccessoriesAndValueAddedTax) {
    // Two tanks of 450 euros.
    const RecordingPrintTarget ziel = loesung(100.0);
    EXPECT_NE(clipOf(ziel.log(1), "1.000,00"), "");
    EXPECT_NE(clipOf(ziel.log(1), "1.190,00"), "");
}

TEST_F(TAusdruckTest, BoilerSideOfTheWallDistancesIsMarked) {
    tempData.heizraum = true;
    tempData.safeKessel = true;
    tempData.HeizraumPosition = "OL";
    // The boiler faces the top side of a battery standing lengthwise in its corner.
    const auto& aufstellungen = produkt().getMoeglicheAufstellVarianten();
    for (std::size_t i = 0; i < aufstellungen.size(); ++i) {
        if (!aufstellungen[i]->getHorizontal()) {
            produkt().setMoeglicheAufstellvariante(i);
        }
    }
    ASSERT_FALSE(produkt().getAktuelleAufstellVariante()->getHorizontal());
    const RecordingPrintTarget ziel = loesung();
    const auto& log = ziel.log(3);
    EXPECT_NE(clipOf(log, "45,0 cm   (Heizkessel)"), "");
    EXPECT_EQ(clipOf(log, "Oben:"), "200,1203,350,1243");
    EXPECT_EQ(clipOf(log, "45,0 cm   (Heizkessel)"), "350,1203,950,1243");
    EXPECT_EQ(clipOf(log, "Links:"), "200,1383,350,1423");
}

TEST_F(TAusdruckTest, ASingleTankIsPrintedAsSuchWithoutBatteryOrClearances) {
    TProdukt& einzeln = gruppe.addProdukt(tank("E1", false), tempData, nullptr);
    RecordingPrintTarget ziel;
    ziel.pictures = {{"app/images/halvex-logo.jpg", 874, 170}};
    ausdruck.LoesungDruck(ziel, "Neubau Meier", 0, einzeln, tempData);
    // Texts of the sheet and, indented, of the plan drawn into it.
    const auto anzahl = [&](const std::string& text) {
        int gefunden = 0;
        for (std::size_t seite = 1; seite <= ziel.pages.size(); ++seite) {
            for (const std::string& line : ziel.log(static_cast<int>(seite))) {
                if (line.find("text ") <= 2 &&
                    line.find(" \"" + text + "\" ") != std::string::npos) {
                    ++gefunden;
                }
            }
        }
        return gefunden;
    };
    EXPECT_EQ(anzahl("Einzeltank, keine Batterieaufstellung"), 1);
    EXPECT_EQ(anzahl("0,700 x 1,000 x 1,500 m"), 2);  // overall and tank dimensions
    EXPECT_EQ(anzahl("Einzeltank"), 1);
    EXPECT_EQ(anzahl("keine Batterieaufstellung"), 1);
    // The wall distance row and the four sides.
    EXPECT_EQ(anzahl("keine Angabe"), 5);
    EXPECT_EQ(anzahl(" cm"), 0);
    EXPECT_EQ(anzahl("0,0 cm"), 0);
}

TEST_F(TAusdruckTest, DatanormPrintoutGivesEveryTickedAccessoryItsOwnPage) {
    hakeAn(2);
    const RecordingPrintTarget ziel = datanorm();
    EXPECT_EQ(ziel.calls.front(), "begin Datanorm-Druck Velmora");
    ASSERT_EQ(ziel.pages.size(), 3u);
    const auto& seite1 = ziel.log(1);
    EXPECT_EQ(clipOf(seite1, "Datanorm-Ausdruck"), "200,330,1970,390");
    EXPECT_TRUE(logged(seite1, "roundRect 200,470,1970,523 "));
    EXPECT_EQ(clipOf(seite1, "Materialauflistung"), "200,470,1970,523");
    EXPECT_EQ(clipOf(seite1, "P1"), "200,593,340,633");
    EXPECT_EQ(clipOf(seite1, "Z2"), "200,713,340,753");
    EXPECT_EQ(clipOf(seite1, "Kurztext zwei"), "200,1036,1970,1076");
    for (int seite : {2, 3}) {
        const auto& log = ziel.log(seite);
        EXPECT_EQ(clipOf(log, "Produkt"), "200,330,1970,383") << seite;
        EXPECT_EQ(clipOf(log, "Zubehör " + std::to_string(seite - 1)), "200,453,1970,493");
        EXPECT_EQ(clipOf(log, "Text " + std::to_string(seite - 1)), "200,726,1080,766");
    }
}

TEST_F(TAusdruckTest, DatanormPrintoutWithoutAccessoryHasOnePageAndAnEmptyRow) {
    const RecordingPrintTarget ziel = datanorm();
    ASSERT_EQ(ziel.pages.size(), 1u);
    const auto& log = ziel.log(1);
    // Tank row and one empty row: lines to 10 below the second row.
    EXPECT_TRUE(logged(log, "line 365,533 365,703 "));
    EXPECT_EQ(clipOf(log, "DIM 2"), "200,1582,1970,1622");
}

TEST_F(TAusdruckTest, EmptyArticleTextsPrintBarAndBoxAbsentOnesNothing) {
    const Artikeltext leer = std::vector<std::string>{};
    for (const auto& [text, gedruckt] :
         std::vector<std::pair<Artikeltext, bool>>{{leer, true}, {std::nullopt, false}}) {
        TProduktDaten daten = tank("PX", false);
        daten.Produktbeschreibung = text;
        daten.Dimensionstext = text;
        TProdukt& p = gruppe.addProdukt(std::move(daten), tempData, nullptr);
        RecordingPrintTarget ziel;
        ausdruck.DatanormDruck(ziel, "X", p);
        const auto& log = ziel.log(1);
        if (!gedruckt) {
            EXPECT_EQ(clipOf(log, "Produktbeschreibung"), "");
            EXPECT_EQ(clipOf(log, "Dimensionstext"), "");
            continue;
        }
        // Each bar, then its box of two empty rows' height 10 below it.
        EXPECT_EQ(clipOf(log, "Produktbeschreibung"), "200,1066,1970,1119");
        EXPECT_TRUE(logged(log, "roundRect 200,1129,1970,1229 "));
        EXPECT_EQ(clipOf(log, "Dimensionstext"), "200,1279,1970,1332");
        EXPECT_TRUE(logged(log, "roundRect 200,1342,1970,1442 "));
    }
}

TEST_F(TAusdruckTest, LongTextFillsTheLeftColumnFirst) {
    // Lines: how many stand left (the rest stand right).
    for (const auto& [zeilen, links] :
         std::vector<std::pair<int, int>>{{5, 3}, {4, 3}, {3, 3}, {1, 1}}) {
        std::vector<std::string> texte;
        for (int i = 1; i <= zeilen; ++i) {
            texte.push_back("Zeile " + std::to_string(i));
        }
        TProduktDaten daten = tank("PX", false);
        daten.Produktbeschreibung = texte;
        daten.Dimensionstext = std::nullopt;
        TProdukt& p = gruppe.addProdukt(std::move(daten), tempData, nullptr);
        RecordingPrintTarget ziel;
        ausdruck.DatanormDruck(ziel, "X", p);
        const auto& log = ziel.log(1);
        // The box of the long text starts at 1129, below the product block.
        for (int i = 1; i <= zeilen; ++i) {
            const bool linksSpalte = i <= links;
            const int reihe = linksSpalte ? i - 1 : i - links - 1;
            const int top = 1129 + 60 + 60 * reihe;
            const std::string erwartet = (linksSpalte ? "200," : "1090,") + std::to_string(top) +
                                         "," + (linksSpalte ? "1080," : "1970,") +
                                         std::to_string(top + 40);
            EXPECT_EQ(clipOf(log, "Zeile " + std::to_string(i)), erwartet)
                << zeilen << " lines, line " << i;
        }
    }
}

}  // namespace
}  // namespace velmora
