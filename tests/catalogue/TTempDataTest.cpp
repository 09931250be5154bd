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
