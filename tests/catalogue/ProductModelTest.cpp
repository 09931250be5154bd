#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "CatalogueFixture.h"

namespace velmora::testing {
namespace {

TEST_F(CatalogueFixture, WorkingListsHoldOwnEntriesBeforeTheGroupsAndAreRebuiltEachTime) {
    TProdukt& p = produkt();
    p.addAufstellvariante(makeVariante({.name = "eigen"}));
    p.addAufstellvariante(std::unique_ptr<TAufstellvariante>());  // ignored
    gruppe.addAufstellvariante(makeVariante({.name = "gruppe"}));
    gruppe.addAufstellvariante(nullptr);
    p.addZubehoer("eigenes", "Z1", 1.0, false, {}, {});
    gruppe.addZubehoer("gemeinsames", "Z2", 2.0, true, {}, {}, nullptr);

    for (int pass = 0; pass < 2; ++pass) {
        p.addAufstellvariante(gruppe.getAufstellvariantenListe());
        p.addZubehoer(gruppe.getZubehoerListe());
        ASSERT_EQ(p.getTempAufstellvariantenListe().size(), 2u);
        EXPECT_EQ(p.getTempAufstellvariantenListe()[0]->getVariante(), "eigen");
        EXPECT_EQ(p.getTempAufstellvariantenListe()[1]->getVariante(), "gruppe");
        ASSERT_EQ(p.getZubehoer().size(), 2u);
        EXPECT_EQ(p.getZubehoer()[0]->getArtNr(), "Z1");
        EXPECT_EQ(p.getZubehoer()[1]->getArtNr(), "Z2");
    }
}

TEST_F(CatalogueFixture, PreparingASearchDropsTheArrangementsOfTheLastOne) {
    TProdukt& p = produkt();
    gruppe.addAufstellvariante(makeVariante({.name = "1"}));
    ASSERT_TRUE(suche(p, gruppe.getAufstellvariantenListe(), sucheImRaum(10000, 10000)));
    ASSERT_EQ(p.getMoeglicheAufstellVarianten().size(), 2u);

    p.addAufstellvariante(gruppe.getAufstellvariantenListe());
    EXPECT_TRUE(p.getMoeglicheAufstellVarianten().empty());
    EXPECT_EQ(p.getAktuelleAufstellVariante(), nullptr);

    ASSERT_TRUE(suche(p, gruppe.getAufstellvariantenListe(), sucheImRaum(10000, 10000)));
    p.setStandardProdukt();
    EXPECT_TRUE(p.getMoeglicheAufstellVarianten().empty());
    EXPECT_TRUE(p.getTempAufstellvariantenListe().empty());
    EXPECT_TRUE(p.getZubehoer().empty());
    EXPECT_EQ(p.getAktuelleAufstellVariante(), nullptr);
}

TEST_F(CatalogueFixture, SelectingAnArrangementPastTheEndTakesTheFirst) {
    TProdukt& p = produkt();
    p.setMoeglicheAufstellvariante(0);
    EXPECT_EQ(p.getAktuelleAufstellVariante(), nullptr);

    gruppe.addAufstellvariante(makeVariante({.name = "1"}));
    gruppe.addAufstellvariante(makeVariante({.name = "2"}));
    ASSERT_TRUE(suche(p, gruppe.getAufstellvariantenListe(), sucheImRaum(10000, 10000)));
    const auto& liste = p.getMoeglicheAufstellVarianten();
    ASSERT_EQ(liste.size(), 4u);
    EXPECT_EQ(p.getAktuelleAufstellVariante(), liste[0].get());
    p.setMoeglicheAufstellvariante(3);
    EXPECT_EQ(p.getAktuelleAufstellVariante(), liste[3].get());
    EXPECT_EQ(p.getAnzahlTanks(), 2);
    p.setMoeglicheAufstellvariante(5);
    EXPECT_EQ(p.getAktuelleAufstellVariante(), liste[0].get());
}

TEST_F(CatalogueFixture, TankCountOfASingleTankIsOneAndOfABatteryNeedsAnArrangement) {
    ProduktDef einzeln;
    einzeln.aufstellvariationen = false;
    TProdukt& single = produkt(einzeln);
    single.addAufstellvariante(makeVariante({.name = "3+2"}));
    EXPECT_EQ(single.getAnzahlTanks(), 1);

    TProdukt& battery = produkt();
    EXPECT_THROW(battery.getAnzahlTanks(), std::logic_error);
}

TEST_F(CatalogueFixture, GetProduktIgnoresLetterCaseAndFailsForUnknownNumbers) {
    produkt({.artNr = "ab-100"});
    TProdukt& second = produkt({.artNr = "AB-200"});
    EXPECT_EQ(&gruppe.getProdukt("ab-200"), &second);
    EXPECT_EQ(gruppe.getProdukt("AB-100").getArtikelNr(), "ab-100");
    EXPECT_THROW(gruppe.getProdukt("AB-300"), std::out_of_range);
}

TEST(TAufstellvariante, NameGivesTheRows) {
    struct Case {
        std::string name;
        int reihe1, reihe2;
    };
    for (const Case& c : std::vector<Case>{{"3+2", 3, 2},
                                           {"4", 4, 0},
                                           {"12+10", 12, 10},
                                           {"", 0, 0},
                                           {"x+2", 0, 2},
                                           {"3+", 3, 0},
                                           {"-1", 0, 0},
                                           {"99999999999", 0, 0}}) {
        const auto v = makeVariante({.name = c.name});
        EXPECT_EQ(v->getReihe1(), c.reihe1) << c.name;
        EXPECT_EQ(v->getReihe2(), c.reihe2) << c.name;
        EXPECT_EQ(v->getAnzahlTanks(), c.reihe1 + c.reihe2) << c.name;
        EXPECT_EQ(v->getVariante(), c.name);
    }
}

TEST(TAufstellvariante, GapsByNormFlagAndGapEquality) {
    const auto a = makeVariante({.gapOut = {1, 2, 3, 4},
                                 .gapIn = {5, 6},
                                 .gapOutNormIgnore = {7, 8, 9, 10},
                                 .gapInNormIgnore = {11, 12}});
    EXPECT_EQ(a->getGapOut(false), (TRect{1, 2, 3, 4}));
    EXPECT_EQ(a->getGapOut(true), (TRect{7, 8, 9, 10}));
    EXPECT_EQ(a->getGapIn(false), (TPoint{5, 6}));
    EXPECT_EQ(a->getGapIn(true), (TPoint{11, 12}));

    const auto same = makeVariante({.name = "2+2",
                                    .gapOut = {1, 2, 3, 4},
                                    .gapIn = {5, 6},
                                    .gapOutNormIgnore = {7, 8, 9, 10},
                                    .gapInNormIgnore = {11, 12}});
    const auto otherInner = makeVariante({.gapOut = {1, 2, 3, 4},
                                          .gapIn = {5, 6},
                                          .gapOutNormIgnore = {7, 8, 9, 10},
                                          .gapInNormIgnore = {11, 13}});
    EXPECT_TRUE(TAufstellvariante::isGapEquals(nullptr, nullptr));
    EXPECT_FALSE(TAufstellvariante::isGapEquals(a.get(), nullptr));
    EXPECT_FALSE(TAufstellvariante::isGapEquals(nullptr, a.get()));
    EXPECT_TRUE(TAufstellvariante::isGapEquals(a.get(), same.get()));
    EXPECT_FALSE(TAufstellvariante::isGapEquals(a.get(), otherInner.get()));
}

TEST(TAufstellung, CommitWithoutAMoveLeavesTheMovingCopiesAtThePlacement) {
    TAufstellung a(nullptr, true, false, false);
    a.setzePositionen({{1, 1}}, {{0, 0}}, {}, 0, 0);
    a.setTankPositionFromMove({{5, 5}}, {{6, 6}}, {7, 8}, false);
    EXPECT_EQ(a.GapPositionMoving(), (TPoints{{0, 0}}));
    EXPECT_EQ(a.TankPositionMoving(), (TPoints{{1, 1}}));
    EXPECT_EQ(a.CurrentOffsetMoving(), (TPoint{0, 0}));

    // A new placement takes the moving copies along again, with the committed offset.
    a.setzePositionen({{2, 2}}, {{3, 3}}, {}, 0, 0);
    EXPECT_EQ(a.TankPositionMoving(), (TPoints{{2, 2}}));
    EXPECT_EQ(a.GapPositionMoving(), (TPoints{{3, 3}}));
    EXPECT_EQ(a.CurrentOffsetMoving(), (TPoint{7, 8}));
}

TEST(TAufstellung, MoveCopiesAndPlacedOutlinesAreSetSeparately) {
    TAufstellung a(nullptr, true, false, false);
    a.setzePositionen({{1, 1}}, {{0, 0}}, {1, 2, 3, 4}, 1, 1);
    a.setTankPositionFromMove({{5, 5}}, {{6, 6}}, {7, 8}, true);
    EXPECT_EQ(a.GapPositionMoving(), (TPoints{{5, 5}}));
    EXPECT_EQ(a.TankPositionMoving(), (TPoints{{6, 6}}));
    EXPECT_EQ(a.CurrentOffsetMoving(), (TPoint{7, 8}));
    EXPECT_EQ(a.getGapPosition(), (TPoints{{0, 0}}));
    EXPECT_EQ(a.CurrentOffset(), (TPoint{0, 0}));

    a.setTankPositionFromMove({{5, 5}}, {{6, 6}}, {7, 8}, false);
    EXPECT_EQ(a.getGapPosition(), (TPoints{{5, 5}}));
    EXPECT_EQ(a.getTankPosition(), (TPoints{{6, 6}}));
    EXPECT_EQ(a.CurrentOffset(), (TPoint{7, 8}));
}

TEST_F(CatalogueFixture, ListProdukte2KeepsSingleTanksAndProductsThatFit) {
    ProduktDef einzeln;
    einzeln.artNr = "E";
    einzeln.aufstellvariationen = false;
    TProdukt& single = produkt(einzeln);
    TProdukt& fits = produkt({.artNr = "F"});
    TProdukt& tooBig = produkt({.artNr = "B", .breite = 20000});
    gruppe.addAufstellvariante(makeVariante({.name = "1"}));
    gruppe.addZubehoer("Zubehör", "Z", 1.0, false, {}, {}, nullptr);

    Suchvorgaben s = sucheImRaum(10000, 10000).vorgaben();
    s.RaumBreite = 10000;
    s.RaumLaenge = 10000;
    const auto loesungen = gruppe.listProdukte2(s);
    EXPECT_EQ(loesungen, (std::vector<TProdukt*>{&single, &fits}));
    EXPECT_EQ(tooBig.getZubehoer().size(), 1u);  // prepared even when it does not fit
    EXPECT_EQ(single.getAktuelleAufstellVariante(), nullptr);
    EXPECT_NE(fits.getAktuelleAufstellVariante(), nullptr);
}

// ---------------------------------------------------------------- dimensions and clearances

TEST_F(CatalogueFixture, OverallDimensionsFollowTheCurrentVariant) {
    TProdukt& p = produkt({.zusHoehen = {{5, 120}}});
    EXPECT_EQ(p.getGesamtBreite(), 700);  // no arrangement yet: one tank
    EXPECT_EQ(p.getGesamtLaenge(), 1000);
    EXPECT_EQ(p.getGesamtHoehe(), 1500);
    EXPECT_EQ(p.getGesamtInhalt(), 1000);

    gruppe.addAufstellvariante(makeVariante({.name = "3+2"}));
    ASSERT_TRUE(suche(p, gruppe.getAufstellvariantenListe(), sucheImRaum(10000, 10000)));
    EXPECT_EQ(p.getGesamtBreite(), 2200);
    EXPECT_EQ(p.getGesamtLaenge(), 2100);
    EXPECT_EQ(p.getGesamtHoehe(), 1620);
    EXPECT_EQ(p.getGesamtInhalt(), 5000);
}

TEST_F(CatalogueFixture, SingleTankKeepsItsOwnDimensions) {
    ProduktDef d;
    d.aufstellvariationen = false;
    TProdukt& p = produkt(d);
    gruppe.addAufstellvariante(makeVariante({.name = "3"}));
    ASSERT_TRUE(suche(p, gruppe.getAufstellvariantenListe(), sucheImRaum(10000, 10000)));
    EXPECT_EQ(p.getGesamtBreite(), 700);
    EXPECT_EQ(p.getGesamtLaenge(), 1000);
    EXPECT_EQ(p.getGesamtHoehe(), 1500);
    EXPECT_EQ(p.getGesamtInhalt(), 1000);
}

struct SideCase {
    std::string tank;
    std::string boiler;
    bool horizontal;
    std::string side;
};

class BoilerSideTest : public CatalogueFixture, public ::testing::WithParamInterface<SideCase> {};

TEST_P(BoilerSideTest, SideFacingTheBoiler) {
    const SideCase& c = GetParam();
    TProdukt& p = produkt();
    tempData.heizraum = true;
    tempData.TankPosition = c.tank;
    tempData.HeizraumPosition = c.boiler;
    EXPECT_EQ(p.getHeizraumAbstandSeite(c.horizontal), c.side);
}

INSTANTIATE_TEST_SUITE_P(
    Corners, BoilerSideTest,
    ::testing::Values(SideCase{"OL", "OL", true, "l"}, SideCase{"UL", "UL", true, "l"},
                      SideCase{"OR", "OR", true, "r"}, SideCase{"UR", "UR", true, "r"},
                      SideCase{"OL", "OL", false, "o"}, SideCase{"OR", "OR", false, "o"},
                      SideCase{"UL", "UL", false, "u"}, SideCase{"UR", "UR", false, "u"},
                      SideCase{"OR", "OL", true, "l"}, SideCase{"UR", "UL", false, "l"},
                      SideCase{"OL", "OR", true, "r"}, SideCase{"UL", "UR", false, "r"},
                      SideCase{"UL", "OL", true, "o"}, SideCase{"UR", "OR", false, "o"},
                      SideCase{"OL", "UL", true, "u"}, SideCase{"OR", "UR", false, "u"},
                      SideCase{"OL", "UR", true, ""}, SideCase{"UL", "OR", false, ""}));

TEST_F(CatalogueFixture, NoBoilerNoSide) {
    TProdukt& p = produkt();
    tempData.heizraum = false;
    tempData.TankPosition = "OL";
    tempData.HeizraumPosition = "OL";
    EXPECT_EQ(p.getHeizraumAbstandSeite(true), "");
}

class ClearanceTextTest : public CatalogueFixture {
protected:
    TProdukt& placed(TRect gaps) {
        TProdukt& p = produkt();
        gruppe.addAufstellvariante(makeVariante({.name = "1", .gapOut = gaps}));
        EXPECT_TRUE(suche(p, gruppe.getAufstellvariantenListe(), sucheImRaum(10000, 10000)));
        tempData.TankPosition = "OL";
        return p;
    }
};

TEST_F(ClearanceTextTest, EqualClearancesAreGroupedLargestFirst) {
    EXPECT_EQ(placed({400, 600, 100, 400}).getMindestAbstand(10, "", ""), "1 x 60; 2 x 40; 1 x 10");
}

TEST_F(ClearanceTextTest, FourEqualClearancesFormOneGroup) {
    EXPECT_EQ(placed({500, 500, 500, 500}).getMindestAbstand(10, "", ""), "4 x 50");
}

TEST_F(ClearanceTextTest, SideFacingTheBoilerIsRaisedToTheBoilerClearance) {
    TProdukt& p = placed({300, 200, 300, 200});
    tempData.heizraum = true;
    tempData.safeKessel = true;  // 400 mm
    tempData.HeizraumPosition = "OL";
    EXPECT_EQ(p.getMindestAbstaende(true), (TRect{400, 200, 300, 200}));
    EXPECT_EQ(p.getMindestAbstaende(false), (TRect{300, 400, 300, 200}));
    EXPECT_EQ(p.getMindestAbstand(10, "", ""), "1 x 40; 1 x 30; 2 x 20");
    tempData.zehnCm = true;  // 100 mm is below every gap
    EXPECT_EQ(p.getMindestAbstaende(true), (TRect{300, 200, 300, 200}));
}

}  // namespace
}  // namespace velmora::testing
