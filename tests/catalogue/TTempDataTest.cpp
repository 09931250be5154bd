#include "catalogue/TTempData.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Host.h"
#include "base/NumberFormat.h"
#include "support/ScriptedHost.h"

namespace velmora {
namespace {

class TTempDataTest : public ::testing::Test {
protected:
    // Room 4000 x 5000 mm with a 1000 x 1000 mm cut-out, as the search records them.
    void recordRoom(TTempData& data) {
        data.loesRaumBreite = "4000";
        data.loesRaumLaenge = "5000";
        data.loesEckeBreite = "1000";
        data.loesEckeLaenge = "1000";
    }

    // Records the information boxes instead of showing them.
    testing::ScriptedHost recorder;
};

TEST_F(TTempDataTest, StartsEmptyWithTheGivenMessageFlag) {
    const TTempData data(true);
    EXPECT_TRUE(data.getFehlermeldungenAnzeigen());
    EXPECT_FALSE(data.eckeVorhanden);
    EXPECT_EQ(data.tmpVariante, nullptr);
    EXPECT_TRUE(data.TankPosition.empty());
    EXPECT_TRUE(data.error.empty());
    EXPECT_FALSE(TTempData(false).getFehlermeldungenAnzeigen());
}

TEST_F(TTempDataTest, EmptyTankPositionMeansTopLeft) {
    TTempData data(false);
    data.setTankPosition("");
    EXPECT_EQ(data.TankPosition, "OL");
    data.setTankPosition("UR");
    EXPECT_EQ(data.TankPosition, "UR");
}

TEST_F(TTempDataTest, CutOutWithoutSizeOrPositionIsDropped) {
    struct Case {
        std::string breite, laenge, position;
    };
    for (const Case& c : std::vector<Case>{{"1000", "0", "OR"},
                                           {"0", "700", "OR"},
                                           {"", "700", "OR"},
                                           {"1000", "", "OR"},
                                           {"1000", "700", ""},
                                           {"0,0", "700", "UL"}}) {
        SCOPED_TRACE(c.breite + "/" + c.laenge + "/" + c.position);
        TTempData data(false);
        data.eckeVorhanden = true;  // left over from an earlier search
        data.loesEckeBreite = c.breite;
        data.loesEckeLaenge = c.laenge;
        data.setEckePosition(c.position);
        EXPECT_EQ(data.EckePosition, "");
        EXPECT_EQ(data.loesEckeBreite, "0");
        EXPECT_EQ(data.loesEckeLaenge, "0");
        EXPECT_FALSE(data.eckeVorhanden);
    }
}

TEST_F(TTempDataTest, CutOutWithSizeAndPositionIsKept) {
    TTempData data(false);
    data.loesEckeBreite = "1000";
    data.loesEckeLaenge = "700";
    data.setEckePosition("OR");
    EXPECT_EQ(data.EckePosition, "OR");
    EXPECT_EQ(data.loesEckeBreite, "1000");
    EXPECT_TRUE(data.eckeVorhanden);
}

TEST_F(TTempDataTest, BoilerWithoutSizeOrAtTheCutOutCornerIsDropped) {
    struct Case {
        std::string breite, laenge, position;
    };
    for (const Case& c : std::vector<Case>{
             {"800", "0", "OR"}, {"", "600", "OR"}, {"800", "600", ""}, {"800", "600", "OL"}}) {
        SCOPED_TRACE(c.breite + "/" + c.laenge + "/" + c.position);
        TTempData data(false);
        recordRoom(data);
        data.setEckePosition("OL");
        data.loesHeizraumBreite = c.breite;
        data.loesHeizraumLaenge = c.laenge;
        data.setHeizraumPosition(c.position);
        EXPECT_EQ(data.HeizraumPosition, "");
        EXPECT_EQ(data.loesHeizraumBreite, "0");
        EXPECT_EQ(data.loesHeizraumLaenge, "0");
        EXPECT_FALSE(data.heizraumFehler);
    }
}

// Room 4000 x 5000 with a 1000 x 1000 cut-out: free width 3000, free length 4000.
TEST_F(TTempDataTest, BoilerCollidingWithTheCutOutShrinksToFourFifthsOfTheFreeSpace) {
    struct Case {
        std::string ecke, heizraum, breite, laenge;
        std::string expectedBreite, expectedLaenge;
        bool fehler;
    };
    for (const Case& c : std::vector<Case>{
             {"OL", "OR", "3500", "800", "2400", "800", true},     // beside: width too large
             {"OL", "OR", "3000", "4500", "3000", "4500", false},  // beside: width fits exactly
             {"UR", "UL", "3001", "800", "2400", "800", true},
             {"OL", "UL", "800", "4500", "800", "3200", true},  // below: length too large
             {"OR", "UR", "3500", "4000", "3500", "4000", false},
             {"OL", "UR", "3500", "3000", "3500", "3000", false},  // diagonal: only one too large
             {"OL", "UR", "3500", "4001", "2400", "3200", true},   // diagonal: both too large
             {"UL", "OR", "2999", "4200", "2999", "4200", false},
         }) {
        SCOPED_TRACE(c.ecke + " " + c.heizraum + " " + c.breite + "x" + c.laenge);
        TTempData data(false);
        recordRoom(data);
        data.setEckePosition(c.ecke);
        data.loesHeizraumBreite = c.breite;
        data.loesHeizraumLaenge = c.laenge;
        data.setHeizraumPosition(c.heizraum);
        EXPECT_EQ(data.HeizraumPosition, c.heizraum);
        EXPECT_EQ(data.loesHeizraumBreite, c.expectedBreite);
        EXPECT_EQ(data.loesHeizraumLaenge, c.expectedLaenge);
        EXPECT_EQ(data.heizraumFehler, c.fehler);
    }
}

TEST_F(TTempDataTest, BoilerWithoutFreeSpaceIsRemoved) {
    TTempData data(false);
    data.loesRaumBreite = "1000";
    data.loesRaumLaenge = "5000";
    data.loesEckeBreite = "1000";
    data.loesEckeLaenge = "1000";
    data.setEckePosition("OL");
    data.loesHeizraumBreite = "500";
    data.loesHeizraumLaenge = "500";
    data.setHeizraumPosition("OR");
    EXPECT_TRUE(data.heizraumFehler);
    EXPECT_EQ(data.HeizraumPosition, "");
    EXPECT_EQ(data.loesHeizraumBreite, "0");
    EXPECT_EQ(data.loesHeizraumLaenge, "0");
}

// The fit must judge the cut-out of this search, whatever the previous search left behind.
TEST_F(TTempDataTest, BoilerFitSeesTheCutOutOfTheCurrentSearch) {
    TTempData data(false);
    recordRoom(data);
    data.setEckePosition("OL");  // first search with a cut-out: nothing recorded before
    data.loesHeizraumBreite = "3500";
    data.loesHeizraumLaenge = "800";
    data.setHeizraumPosition("OR");
    EXPECT_EQ(data.loesHeizraumBreite, "2400");

    data.setzeZurueck();
    data.loesEckeBreite = "0";  // next search without a cut-out
    data.loesEckeLaenge = "0";
    data.setEckePosition("OL");
    data.loesHeizraumBreite = "3500";
    data.loesHeizraumLaenge = "800";
    data.setHeizraumPosition("OR");
    EXPECT_EQ(data.loesHeizraumBreite, "3500");
    EXPECT_FALSE(data.heizraumFehler);
}

TEST_F(TTempDataTest, RelationsBetweenCorners) {
    TTempData data(false);
    data.eckeVorhanden = true;
    data.heizraum = true;
    data.TankPosition = "OL";
    data.EckePosition = "OR";
    data.HeizraumPosition = "UL";
    EXPECT_TRUE(data.eckeDaneben());
    EXPECT_FALSE(data.eckeDarunter());
    EXPECT_FALSE(data.heizraumDaneben());
    EXPECT_TRUE(data.heizraumDarunter());
    EXPECT_FALSE(data.eckeNebenHeizraum());  // OR and UL are diagonal
    EXPECT_FALSE(data.eckeUnterHeizraum());

    data.HeizraumPosition = "UR";
    EXPECT_TRUE(data.eckeUnterHeizraum());
    data.TankPosition = "or";  // letter case counts
    EXPECT_FALSE(data.eckeDarunter());
    EXPECT_FALSE(data.eckeDaneben());

    data.TankPosition = "UL";
    EXPECT_TRUE(data.heizraumDaneben());
    data.heizraum = false;
    data.eckeVorhanden = false;
    EXPECT_FALSE(data.heizraumDaneben());
    EXPECT_FALSE(data.eckeUnterHeizraum());
}

TEST_F(TTempDataTest, TankOnCutOutOrBoilerCorner) {
    struct Case {
        std::string tank, ecke, heizraum;
        bool expected;
    };
    for (const Case& c : std::vector<Case>{{"OL", "OL", "", true},
                                           {"OL", "UR", "OL", true},
                                           {"OL", "UR", "UL", false},
                                           {"", "", "", true},
                                           {"", "", "UL", false}}) {
        SCOPED_TRACE(c.tank + "/" + c.ecke + "/" + c.heizraum);
        TTempData data(false);
        data.TankPosition = c.tank;
        data.EckePosition = c.ecke;
        data.HeizraumPosition = c.heizraum;
        EXPECT_EQ(data.getTankAufEcke(), c.expected);
    }
}

TEST_F(TTempDataTest, BoilerClearance) {
    struct Case {
        bool heizraum, safeKessel, zehnCm;
        int expected;
    };
    for (const Case& c : std::vector<Case>{{false, true, true, 0},
                                           {false, false, false, 0},
                                           {true, false, true, 1000},
                                           {true, true, false, 400},
                                           {true, true, true, 100}}) {
        TTempData data(false);
        data.heizraum = c.heizraum;
        data.safeKessel = c.safeKessel;
        data.zehnCm = c.zehnCm;
        EXPECT_EQ(data.getAbstandHeizraum(), c.expected);
    }
}

const std::string kEinbring =
    "Die Einbringmaße sind für den Raum zu groß. Die Größe wird angepasst.";
const std::string kLoesung =
    "An dieser Position ist leider keine Lösung vorhanden. Bitte wählen Sie eine andere "
    "Tankposition aus oder ändern Sie Ihre Vorgaben.";
const std::string kAufstellung =
    "Die gewünschte Aufstellung ist an dieser Position nicht möglich. Es wird eine andere "
    "Aufstellungsvariante für Sie vorgeschlagen.";

TEST_F(TTempDataTest, CollectedMessagesAreShownInTheirFixedOrder) {
    TTempData data(true);
    data.loesungFehler = true;
    data.einbringFehler = true;
    data.fehlerMeldungen();
    ASSERT_EQ(recorder.informations.size(), 1U);
    EXPECT_EQ(recorder.informations[0], kEinbring + "\r\n" + kLoesung);
}

TEST_F(TTempDataTest, EveryFlagAddsItsText) {
    TTempData data(true);
    data.fehlerAufstellung();  // appended by the variant selection during the search
    data.einbringFehler = data.heizraumFehler = data.eckeFehler = true;
    data.produktFehler = data.loesungFehler = true;
    data.heizraum = true;
    data.fehlerMeldungen();
    EXPECT_EQ(data.error,
              kAufstellung + "\r\n" + kEinbring +
                  "\r\nDer Heizraum ist an der ausgewählten Position zu groß. Die Größe wird "
                  "angepasst.\r\nDie Ecke ist an der ausgewählten Position zu groß. Die Größe "
                  "wird angepasst.\r\nDas ausgewählte Produkt kann an dieser Position nicht "
                  "platziert werden. Bitte wählen Sie ein anderes Produkt aus.\r\n" +
                  kLoesung);
}

TEST_F(TTempDataTest, BoilerMessageDependsOnWhetherTheTanksStandInTheBoilerRoom) {
    TTempData data(false);
    data.fehlerHeizraum();
    EXPECT_EQ(data.error, "Für den Heizraum ist an der Position kein Platz. Er wird gelöscht.");
}

TEST_F(TTempDataTest, NothingIsShownWithoutMessagesOrWhenMessagesAreOff) {
    TTempData data(true);
    data.fehlerMeldungen();
    EXPECT_TRUE(recorder.informations.empty());

    data.showFehlermeldungen(false);
    data.loesungFehler = true;
    data.fehlerMeldungen();
    EXPECT_TRUE(recorder.informations.empty());
    EXPECT_EQ(data.error, kLoesung);  // stays collected
}

TEST_F(TTempDataTest, ResetClearsFlagsAndForgetsPositions) {
    TTempData data(false);
    data.heizraumFehler = data.eckeFehler = data.produktFehler = true;
    data.einbringFehler = data.loesungFehler = true;
    data.setzeZurueck();
    EXPECT_FALSE(data.heizraumFehler || data.eckeFehler || data.produktFehler ||
                 data.einbringFehler || data.loesungFehler);

    data.loesung = data.tmpHorizontal = true;
    data.TankPosition = data.EckePosition = data.HeizraumPosition = "UR";
    data.tmpProdukt = "4711";
    data.loesRaumBreite = "3000";
    data.loescheWerte();
    EXPECT_FALSE(data.loesung || data.tmpHorizontal);
    EXPECT_EQ(data.TankPosition + data.EckePosition + data.HeizraumPosition + data.tmpProdukt, "");
    EXPECT_EQ(data.loesRaumBreite, "3000");
}

TEST_F(TTempDataTest, FixedDecimals) {
    EXPECT_EQ(TTempData::setzeNachkommastellen(2.5, -1), "2");
    EXPECT_EQ(TTempData::setzeNachkommastellen(2.5, 0), "2");
    EXPECT_EQ(TTempData::setzeNachkommastellen(2.46, 1), "2,5");
    EXPECT_EQ(TTempData::setzeNachkommastellen(2.5, 2), "2,50");
    EXPECT_EQ(TTempData::setzeNachkommastellen(2.5, 5), "2,500");
    EXPECT_EQ(TTempData::setzeNachkommastellen(1234.5, 3), "1234,500");
}

TEST_F(TTempDataTest, ThousandsGrouping) {
    struct Case {
        double value;
        bool preis;
        std::string expected;
    };
    for (const Case& c : std::vector<Case>{{1234567, false, "1.234.567"},
                                           {1234.25, false, "1.234,250"},
                                           {987, false, "987"},
                                           {123456, false, "123.456"},
                                           {1234.6, false, "1.235"},
                                           {0.4, false, "0,400"},
                                           {-1234.25, false, "-1.234,250"},
                                           {-1234.6, false, "-1.235"},
                                           {-123, false, "-123"},
                                           {1234567.891, true, "1.234.567,89"},
                                           {5, true, "5,00"}}) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(TTempData::setzeTausendertrennzeichen(c.value, c.preis), c.expected);
    }
}

TEST_F(TTempDataTest, ThousandsGroupingWithDecimalPointUsesSpaces) {
    const NumberFormat german = numberFormat();
    setNumberFormat(NumberFormat{'.', ",", "MM/dd/yyyy"});
    EXPECT_EQ(TTempData::setzeTausendertrennzeichen(1234567.25, false), "1 234 567.250");
    setNumberFormat(german);
}

}  // namespace
}  // namespace velmora
