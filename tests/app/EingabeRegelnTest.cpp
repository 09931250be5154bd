#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/EingabeRegeln.h"
#include "app/SuchAuftrag.h"
#include "catalogue/TTempData.h"

namespace velmora {
namespace {

TEST(EingabeRegelnTest, ChangeTestComparesWholeMillimetresAndLitres) {
    TTempData letzteSuche(false);
    letzteSuche.Vorgaben.RaumBreite = 3000;
    letzteSuche.Vorgaben.SollVolumen = 5000;
    letzteSuche.Vorgaben.EckeBreite = 1000;  // EinbringHoehe left 0, as before any search
    struct Fall {
        Eingabefeld feld;
        const char* eingabe;
        const char* andereEcke;
        bool geaendert;
    };
    const Fall faelle[] = {
        {Eingabefeld::RaumBreite, "3,00", "", false},
        {Eingabefeld::RaumBreite, "3.0004", "", false},  // below half a millimetre
        {Eingabefeld::RaumBreite, "3,0006", "", true},
        {Eingabefeld::RaumBreite, "3,5", "", true},
        {Eingabefeld::SollVolumen, "5000,4", "", false},  // litres are not scaled
        {Eingabefeld::SollVolumen, "5001", "", true},
        {Eingabefeld::EinbringHoehe, "0", "", false},
        {Eingabefeld::EinbringHoehe, "", "", false},
        {Eingabefeld::EinbringHoehe, "1,9", "", true},
        {Eingabefeld::EckeBreite, "2", "1", true},
        {Eingabefeld::EckeBreite, "2", "0", false},  // no corner without the other measure
        {Eingabefeld::EckeBreite, "2", "", false},
        {Eingabefeld::EckeBreite, "1", "1", false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.eingabe) + " / " + f.andereEcke);
        EXPECT_EQ(weichtVonLetzterSucheAb(f.feld, f.eingabe, f.andereEcke, letzteSuche),
                  f.geaendert);
    }
}

TEST(EingabeRegelnTest, DefaultCornerAvoidsTheOtherThingsAndNeverPicksBottomLeft) {
    struct Fall {
        const char* belegt1;
        const char* belegt2;
        const char* ecke;
    };
    const Fall faelle[] = {
        {"", "", "OL"},     {"OL", "", "OR"},   {"UL", "OL", "OR"},
        {"OL", "OR", "UR"}, {"OR", "OL", "UR"}, {"UR", "OL", "OR"},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(standardEcke(f.belegt1, f.belegt2), f.ecke) << f.belegt1 << "," << f.belegt2;
    }
}

// The search a plan asks for: a cut-out or a boiler room given without a corner takes the
// default corner, the window and the planner alike; given corners stay as they are.
TEST(EingabeRegelnTest, PlanSearchFillsInTheDefaultCorners) {
    struct Fall {
        const char* tank;
        const char* ecke;
        const char* kessel;
        bool eckeAngegeben;
        bool heizraum;
        const char* erwarteteTank;
        const char* erwarteteEcke;
        const char* erwarteterKessel;
    };
    const Fall faelle[] = {
        {"", "", "", false, false, "OL", "", ""},
        {"", "", "", true, false, "OL", "OR", ""},
        {"OR", "", "", true, false, "OR", "OL", ""},
        {"OL", "", "", true, true, "OL", "OR", "UR"},
        {"OL", "UR", "", true, true, "OL", "UR", "OR"},
        {"UL", "OL", "UR", true, true, "UL", "OL", "UR"},
        // A boiler size without the boiler room is no boiler room.
        {"OL", "", "", false, false, "OL", "", ""},
    };
    for (const Fall& f : faelle) {
        PlanFile plan;
        plan.tankPosition = f.tank;
        plan.cornerPosition = f.ecke;
        plan.boilerPosition = f.kessel;
        if (f.eckeAngegeben) {
            plan.inputs.cornerWidth = "1";
            plan.inputs.cornerLength = "1,2";
        }
        plan.boilerRoom = f.heizraum;
        plan.inputs.boilerWidth = "1";
        plan.inputs.boilerLength = "0,8";
        const SuchAuftrag auftrag = suchAuftrag(plan, 2, true);
        SCOPED_TRACE(std::string(f.tank) + "|" + f.ecke + "|" + f.kessel);
        EXPECT_EQ(auftrag.TankPosition, f.erwarteteTank);
        EXPECT_EQ(auftrag.EckePosition, f.erwarteteEcke);
        EXPECT_EQ(auftrag.HeizraumPosition, f.erwarteterKessel);
    }
}

TEST(EingabeRegelnTest, APairTakesTheSearchedValueOnlyWhereItDescribesAThing) {
    struct Fall {
        const char* feld;
        const char* anderes;
        const char* neu;
        std::optional<double> erwartet;
    };
    const Fall faelle[] = {
        {"1", "1,2", "1.000", 1.0},      // the search's own text
        {"-1", "1,2", "1", 1.0},         // a dropped sign comes back as the search wrote it
        {"", "1,2", "1", std::nullopt},  // an empty field stays empty
        {"1", "0", "1", std::nullopt},   // no pair without the other measure
        {"1", "", "1", std::nullopt},   {"1", "1,2", "0", std::nullopt},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.feld) + " / " + f.anderes + " / " + f.neu);
        EXPECT_EQ(paarwertNachSuche(f.feld, f.anderes, f.neu), f.erwartet);
    }
}

TEST(EingabeRegelnTest, ATickedBoilerRoomWithoutSizeTakesOneMetre) {
    EXPECT_EQ(kesselmassBeimEinschalten(""), 1.0);
    EXPECT_EQ(kesselmassBeimEinschalten("0,00"), 1.0);
    EXPECT_EQ(kesselmassBeimEinschalten("abc"), 1.0);
    EXPECT_EQ(kesselmassBeimEinschalten("1,50"), std::nullopt);
}

}  // namespace
}  // namespace velmora
