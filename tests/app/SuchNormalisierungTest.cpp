#include "app/SuchNormalisierung.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

// The settings of the catalogue: defaults 3,0 x 4,5 x 2,2 m, 3000 l, opening 1,9 x 0,8 m;
// rooms up to 10 x 12 x 4 m; at most 5000 l in a boiler room.
const Suchgrenzen kGrenzen{3.0, 4.5, 2.2, 3000, 1.9, 0.8, 10, 12, 4, 5000, 500};

// A cellar of 6 x 5 x 2,5 m, 3000 l, opening 0,8 x 1,9 m, lengths with two decimals.
struct Anfrage {
    PlanInputs texte{"6", "5", "2,5", "3000", "1,9", "0,8", "", "", "", ""};
    std::string tank = "OL";
    std::string ecke;
    std::string heizraum;
    bool vorgHeizraum = false;

    NormalisierteSuche normalisiert() const {
        SuchAuftrag auftrag;
        auftrag.TankPosition = tank;
        auftrag.EckePosition = ecke;
        auftrag.HeizraumPosition = heizraum;
        auftrag.RaumBreite = {texte.roomWidth};
        auftrag.RaumLaenge = {texte.roomLength};
        auftrag.RaumHoehe = {texte.roomHeight};
        auftrag.SollVolumen = {texte.volume, 0};
        auftrag.EinbringHoehe = {texte.openingHeight};
        auftrag.EinbringBreite = {texte.openingWidth};
        auftrag.EckeBreite = {texte.cornerWidth};
        auftrag.EckeLaenge = {texte.cornerLength};
        auftrag.HeizraumBreite = {texte.boilerWidth};
        auftrag.HeizraumLaenge = {texte.boilerLength};
        auftrag.VorgHeizraum = vorgHeizraum;
        auftrag.VorgKessel = true;
        return normalisiereSuche(auftrag, kGrenzen);
    }
};

TEST(SuchNormalisierungTest, FieldsGetDefaultsLoseSignsAndAreClipped) {
    struct Fall {
        std::string PlanInputs::*feld;
        const char* eingabe;
        bool vorgHeizraum;
        const char* korrigiert;
        int Suchvorgaben::*wert;
        int erwartet;
        bool einbringFehler;
    };
    const Fall faelle[] = {
        {&PlanInputs::roomWidth, "", false, "3,00", &Suchvorgaben::RaumBreite, 3000, false},
        {&PlanInputs::roomWidth, "0", false, "3,00", &Suchvorgaben::RaumBreite, 3000, false},
        {&PlanInputs::roomWidth, "-6", false, "6,00", &Suchvorgaben::RaumBreite, 6000, false},
        {&PlanInputs::roomWidth, "1000", false, "10,00", &Suchvorgaben::RaumBreite, 10000, false},
        {&PlanInputs::roomLength, "4,5678", false, "4,5678", &Suchvorgaben::RaumLaenge, 4568,
         false},  // not corrected: the text stays, the search rounds to whole millimetres
        {&PlanInputs::roomHeight, "9", false, "4,00", &Suchvorgaben::RaumHoehe, 4000, false},
        {&PlanInputs::volume, "", false, "3000", &Suchvorgaben::SollVolumen, 3000, false},
        {&PlanInputs::volume, "-2000", false, "2000", &Suchvorgaben::SollVolumen, 2000, false},
        {&PlanInputs::volume, "9000", false, "9000", &Suchvorgaben::SollVolumen, 9000, false},
        {&PlanInputs::volume, "9000", true, "5000", &Suchvorgaben::SollVolumen, 5000, false},
        {&PlanInputs::openingWidth, "", false, "0,80", &Suchvorgaben::EinbringBreite, 800, false},
        {&PlanInputs::openingWidth, "5,5", false, "5,5", &Suchvorgaben::EinbringBreite, 5500,
         false},  // wider than the room is long, narrower than it is wide
        {&PlanInputs::openingWidth, "7", false, "6,00", &Suchvorgaben::EinbringBreite, 6000, true},
        {&PlanInputs::openingHeight, "3", false, "2,50", &Suchvorgaben::EinbringHoehe, 2500, true},
        {&PlanInputs::boilerWidth, "-1", true, "1,00", &Suchvorgaben::HeizraumBreite, 1000, false},
    };
    for (const Fall& fall : faelle) {
        Anfrage anfrage;
        anfrage.texte.*fall.feld = fall.eingabe;
        anfrage.texte.boilerLength = anfrage.texte.boilerWidth.empty() ? "" : "1";
        anfrage.heizraum = "UR";
        anfrage.vorgHeizraum = fall.vorgHeizraum;
        SCOPED_TRACE(fall.eingabe);
        const NormalisierteSuche suche = anfrage.normalisiert();
        EXPECT_EQ(suche.Eingaben.*fall.feld, fall.korrigiert);
        EXPECT_EQ(suche.Vorgaben.*fall.wert, fall.erwartet);
        EXPECT_EQ(suche.EinbringFehler, fall.einbringFehler);
        EXPECT_FALSE(suche.EckeFehler);
        EXPECT_FALSE(suche.HeizraumFehler);
    }
}

TEST(SuchNormalisierungTest, CutOutIsPresentOnlyWithBothSizesAndACorner) {
    struct Fall {
        const char* breite;
        const char* laenge;
        const char* position;
        Ecke erwartet;
        int eckeBreite, eckeLaenge;
        const char* texte;
        bool eckeFehler;
    };
    const Fall faelle[] = {
        {"1", "0,7", "OR", Ecke::OR, 1000, 700, "1,00 0,70", false},
        {"-1", "0,7", "UL", Ecke::UL, 1000, 700, "1,00 0,70", false},
        {"1", "0", "OR", Ecke::Keine, 0, 0, "0,00 0,00", false},
        {"", "0,7", "OR", Ecke::Keine, 0, 0, "0,00 0,00", false},
        {"0,0", "0,7", "UL", Ecke::Keine, 0, 0, "0,00 0,00", false},
        {"1", "0,7", "", Ecke::Keine, 0, 0, "0,00 0,00", false},
        {"6", "0,7", "OL", Ecke::OL, 4800, 700, "4,80 0,70", true},  // as wide as the room
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(std::string(fall.breite) + " x " + fall.laenge + " " + fall.position);
        Anfrage anfrage;
        anfrage.texte.cornerWidth = fall.breite;
        anfrage.texte.cornerLength = fall.laenge;
        anfrage.ecke = fall.position;
        const NormalisierteSuche suche = anfrage.normalisiert();
        EXPECT_EQ(suche.Vorgaben.EckePosition, fall.erwartet);
        EXPECT_EQ(suche.Vorgaben.EckeBreite, fall.eckeBreite);
        EXPECT_EQ(suche.Vorgaben.EckeLaenge, fall.eckeLaenge);
        EXPECT_EQ(suche.Eingaben.cornerWidth + " " + suche.Eingaben.cornerLength, fall.texte);
        EXPECT_EQ(suche.EckeFehler, fall.eckeFehler);
    }
}

// Room 4 x 5 m with a 1 x 1 m cut-out: free width 3000, free length 4000.
TEST(SuchNormalisierungTest, BoilerIsDroppedOrShrunkAgainstTheCutOut) {
    struct Fall {
        const char* ecke;
        const char* heizraum;
        const char* breite;
        const char* laenge;
        Ecke erwartet;
        int heizraumBreite, heizraumLaenge;
        bool fehler;
    };
    const Fall faelle[] = {
        {"OL", "OR", "3,5", "0,8", Ecke::OR, 2400, 800, true},  // beside: width too large
        {"OL", "OR", "3", "4,5", Ecke::OR, 3000, 4500, false},  // beside: width fits exactly
        {"UR", "UL", "3,001", "0,8", Ecke::UL, 2400, 800, true},
        {"OL", "UL", "0,8", "4,5", Ecke::UL, 800, 3200, true},  // below: length too large
        {"OR", "UR", "3,5", "4", Ecke::UR, 3500, 4000, false},
        {"OL", "UR", "3,5", "3", Ecke::UR, 3500, 3000, false},     // diagonal: one too large
        {"OL", "UR", "3,5", "4,001", Ecke::UR, 2400, 3200, true},  // diagonal: both
        {"UL", "OR", "2,999", "4,2", Ecke::OR, 2999, 4200, false},
        {"OL", "UR", "5", "0,8", Ecke::UR, 4000, 800, true},  // clipped to the room first
        {"OL", "OR", "0,8", "0", Ecke::Keine, 0, 0, false},
        {"OL", "OR", "", "0,6", Ecke::Keine, 0, 0, false},
        {"OL", "", "0,8", "0,6", Ecke::Keine, 0, 0, false},
        {"OL", "OL", "0,8", "0,6", Ecke::Keine, 0, 0, false},  // on the cut-out
        {"", "OL", "3,5", "0,8", Ecke::OL, 3500, 800, false},  // no cut-out to collide with
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(std::string(fall.ecke) + " " + fall.heizraum + " " + fall.breite + " x " +
                     fall.laenge);
        Anfrage anfrage;
        anfrage.texte.roomWidth = "4";
        anfrage.texte.roomLength = "5";
        anfrage.texte.cornerWidth = "1";
        anfrage.texte.cornerLength = "1";
        anfrage.texte.boilerWidth = fall.breite;
        anfrage.texte.boilerLength = fall.laenge;
        anfrage.ecke = fall.ecke;
        anfrage.heizraum = fall.heizraum;
        anfrage.vorgHeizraum = true;
        const NormalisierteSuche suche = anfrage.normalisiert();
        EXPECT_EQ(suche.Vorgaben.HeizraumPosition, fall.erwartet);
        EXPECT_EQ(suche.Vorgaben.HeizraumBreite, fall.heizraumBreite);
        EXPECT_EQ(suche.Vorgaben.HeizraumLaenge, fall.heizraumLaenge);
        EXPECT_EQ(suche.HeizraumFehler, fall.fehler);
    }
}

TEST(SuchNormalisierungTest, BatteryCornerAndTheOutlinesOfTheFreeFloor) {
    struct Fall {
        const char* tank;
        const char* ecke;
        const char* heizraum;
        Ecke erwartet;
        bool aufEcke;
    };
    const Fall faelle[] = {
        {"", "", "", Ecke::OL, false},       {"UR", "", "", Ecke::UR, false},
        {"OL", "OL", "", Ecke::OL, true},    {"OL", "UR", "OL", Ecke::OL, true},
        {"OL", "UR", "UL", Ecke::OL, false},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(std::string(fall.tank) + "/" + fall.ecke + "/" + fall.heizraum);
        Anfrage anfrage;
        anfrage.texte.cornerWidth = anfrage.texte.cornerLength = "1";
        anfrage.texte.boilerWidth = anfrage.texte.boilerLength = "1";
        anfrage.tank = fall.tank;
        anfrage.ecke = fall.ecke;
        anfrage.heizraum = fall.heizraum;
        const Suchvorgaben v = anfrage.normalisiert().Vorgaben;
        EXPECT_EQ(v.TankPosition, fall.erwartet);
        EXPECT_EQ(v.TankAufEcke, fall.aufEcke);
    }

    // A boiler room of 1,2 x 1 m at OL (the battery in it, 400 mm from a protected boiler)
    // and a cut-out of 1 x 0,8 m at UR, in the 6 x 5 m cellar.
    Anfrage anfrage;
    anfrage.texte.cornerWidth = "1";
    anfrage.texte.cornerLength = "0,8";
    anfrage.texte.boilerWidth = "1,2";
    anfrage.texte.boilerLength = "1";
    anfrage.tank = "UL";
    anfrage.ecke = "UR";
    anfrage.heizraum = "OL";
    anfrage.vorgHeizraum = true;
    const Suchvorgaben v = anfrage.normalisiert().Vorgaben;
    EXPECT_EQ(v.HeizraumAbstand, 400);
    EXPECT_EQ(v.TopLeft, (TMyVec{-1, 5001}));
    EXPECT_EQ(v.Raum, (TPoints{{1199, 5001},
                               {1199, 4001},
                               {-1, 4001},
                               {-1, -1},
                               {5001, -1},
                               {5001, 799},
                               {6001, 799},
                               {6001, 5001}}));
    EXPECT_EQ(v.HeizraumGeprueft, (TPoints{{1599, 5001},
                                           {1599, 3601},
                                           {-1, 3601},
                                           {-1, -1},
                                           {5001, -1},
                                           {5001, 799},
                                           {6001, 799},
                                           {6001, 5001}}));
}

}  // namespace
}  // namespace velmora
