#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CatalogueFixture.h"
#include "catalogue/PolygonContainment.h"

namespace velmora::testing {
namespace {

struct Box {
    int minX, minY, maxX, maxY;
    friend bool operator==(const Box&, const Box&) = default;
};

void PrintTo(const Box& b, std::ostream* os) {
    *os << "x[" << b.minX << "," << b.maxX << "] y[" << b.minY << "," << b.maxY << "]";
}

Box box(const TPoints& points) {
    Box b{points.at(0).X, points.at(0).Y, points.at(0).X, points.at(0).Y};
    for (const TPoint& p : points) {
        b.minX = std::min(b.minX, p.X);
        b.minY = std::min(b.minY, p.Y);
        b.maxX = std::max(b.maxX, p.X);
        b.maxY = std::max(b.maxY, p.Y);
    }
    return b;
}

const TAufstellung* arrangement(const TProdukt& p, bool horizontal) {
    for (const auto& a : p.getMoeglicheAufstellVarianten()) {
        if (a->getHorizontal() == horizontal) {
            return a.get();
        }
    }
    return nullptr;
}

// ---------------------------------------------------------------- point in polygon

TEST(PolygonContainment, BoundaryIsOutsideOnEverySide) {
    const TPoints square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    struct Case {
        TPoint p;
        bool inside;
    };
    const std::vector<Case> cases{
        {{5, 5}, true},   {{1, 1}, true},   {{9, 9}, true},   {{0, 5}, false},   {{10, 5}, false},
        {{5, 10}, false}, {{5, 0}, false},  {{0, 0}, false},  {{10, 10}, false}, {{10, 0}, false},
        {{0, 10}, false}, {{-1, 5}, false}, {{11, 5}, false}, {{5, -1}, false},  {{5, 11}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(istPunktImPolygon(square, c.p), c.inside) << c.p.X << "," << c.p.Y;
    }
}

TEST(PolygonContainment, RepeatedFirstPointClosesOnlyOnce) {
    const TPoints closed{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
    EXPECT_TRUE(istPunktImPolygon(closed, {5, 5}));
    EXPECT_FALSE(istPunktImPolygon(closed, {0, 5}));
}

TEST(PolygonContainment, NotchOfAnLShapedRoomIsOutside) {
    // Room 3000 x 4000 with a 500 x 700 cut-out at the bottom right, as the search builds it.
    const TPoints room{{-1, 4001}, {-1, -1}, {2501, -1}, {2501, 699}, {3001, 699}, {3001, 4001}};
    EXPECT_TRUE(istPunktImPolygon(room, {2000, 300}));
    EXPECT_TRUE(istPunktImPolygon(room, {2800, 1000}));
    EXPECT_FALSE(istPunktImPolygon(room, {2800, 300}));
    EXPECT_FALSE(istPunktImPolygon(room, {2800, 699}));
    EXPECT_FALSE(istPunktImPolygon(room, {2501, 300}));
}

TEST(PolygonContainment, PreparedPolygonAnswersAsThePointCount) {
    // Rectangles in both turning senses, open and closed, and shapes that only look like
    // one (a notch, a slanted side, a repeated corner), against every point of a grid
    // that takes in the boundaries.
    const std::vector<TPoints> polygone{
        {{0, 0}, {10, 0}, {10, 10}, {0, 10}},
        {{-1, 11}, {-1, -1}, {11, -1}, {11, 11}},
        {{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0}},
        {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 5}},
        {{0, 0}, {10, 0}, {10, 10}, {1, 10}},
        {{0, 0}, {10, 0}, {10, 0}, {10, 10}},
        {{0, 0}, {10, 0}, {10, 4}, {6, 4}, {6, 10}, {0, 10}},
        {{0, 0}, {10, 0}, {10, 4}, {6, 4}, {6, 10}, {0, 10}, {0, 0}},
        // A room with a corner cut-out and a boiler room at two other corners.
        {{3, 11}, {3, 8}, {-1, 8}, {-1, -1}, {7, -1}, {7, 2}, {11, 2}, {11, 11}},
        {{0, 0}, {10, 5}, {0, 10}},
        {{0, 0}, {4, 0}, {4, 0}, {10, 6}, {10, 10}, {4, 10}, {4, 6}, {0, 6}},
        {{0, 0}, {10, 0}},
        {},
    };
    for (const TPoints& polygon : polygone) {
        const VorbereitetesPolygon vorbereitet(polygon);
        for (int x = -2; x <= 12; ++x) {
            for (int y = -2; y <= 12; ++y) {
                const TPoints punkt{{x, y}};
                EXPECT_EQ(vorbereitet.enthaelt(punkt), istPunktImPolygon(polygon, {x, y}))
                    << polygon.size() << " corners, point " << x << "," << y;
            }
        }
        EXPECT_EQ(vorbereitet.enthaelt({}), true);
    }
}

TEST(PolygonContainment, DegeneratePolygonsContainNothing) {
    EXPECT_FALSE(istPunktImPolygon({}, {0, 0}));
    EXPECT_FALSE(istPunktImPolygon({{0, 0}}, {0, 0}));
    EXPECT_FALSE(istPunktImPolygon({{0, 0}, {10, 10}}, {5, 5}));
}

TEST(PolygonContainment, ListStopsAtFirstPointOutsideAndEmptyListFits) {
    const TPoints square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    EXPECT_TRUE(liegtPolygonImPolygon({}, square));
    EXPECT_TRUE(liegtPolygonImPolygon({{1, 1}, {9, 9}}, square));
    EXPECT_FALSE(liegtPolygonImPolygon({{1, 1}, {10, 9}}, square));
}

TEST(PolygonContainment, ExtremeCoordinatesDoNotOverflow) {
    const TPoints huge{{INT32_MIN, INT32_MIN},
                       {INT32_MAX, INT32_MIN},
                       {INT32_MAX, INT32_MAX},
                       {INT32_MIN, INT32_MAX}};
    EXPECT_TRUE(istPunktImPolygon(huge, {0, 0}));
}

// ---------------------------------------------------------------- corners and orientation

// Single row of 3 tanks: W = 3 * 700 + 2 * 50 = 2200, D = 1000; gaps L 100, T 200, R 300, B 400.
struct CornerCase {
    std::string position;
    bool horizontal;
    Box gaps;
    Box tanks;
    TRect gapReal;
};

class CornerTest : public CatalogueFixture, public ::testing::WithParamInterface<CornerCase> {};

TEST_P(CornerTest, OutlinesSitInTheCornerWithTheTurnedGaps) {
    const CornerCase& c = GetParam();
    TProdukt& p = produkt();
    std::vector<std::unique_ptr<TAufstellvariante>> varianten;
    varianten.push_back(makeVariante({.name = "3", .gapOut = {100, 200, 300, 400}}));
    Suche s = sucheImRaum(10000, 10000);
    s.tankPosition = c.position;
    ASSERT_TRUE(suche(p, varianten, s));

    const TAufstellung* a = arrangement(p, c.horizontal);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(box(a->getGapPosition()), c.gaps);
    EXPECT_EQ(box(a->getTankPosition()), c.tanks);
    EXPECT_EQ(a->GapReal(), c.gapReal);
    EXPECT_EQ(a->getAbstandWaagerecht(), 1);
    EXPECT_EQ(a->getAbstandSenkrecht(), 1);
    EXPECT_EQ(a->TankPositionMoving(), a->getTankPosition());
    EXPECT_EQ(a->GapPositionMoving(), a->getGapPosition());
}

INSTANTIATE_TEST_SUITE_P(
    AllCorners, CornerTest,
    ::testing::Values(
        CornerCase{
            "OL", true, {0, 8400, 2600, 10000}, {100, 8800, 2300, 9800}, {100, 200, 300, 400}},
        CornerCase{"UL", true, {0, 0, 2600, 1600}, {100, 200, 2300, 1200}, {100, 400, 300, 200}},
        CornerCase{
            "UR", true, {7400, 0, 10000, 1600}, {7700, 200, 9900, 1200}, {300, 400, 100, 200}},
        CornerCase{
            "OR", true, {7400, 8400, 10000, 10000}, {7700, 8800, 9900, 9800}, {300, 200, 100, 400}},
        CornerCase{
            "OL", false, {0, 7400, 1600, 10000}, {200, 7700, 1200, 9900}, {200, 100, 400, 300}},
        CornerCase{"UL", false, {0, 0, 1600, 2600}, {200, 100, 1200, 2300}, {200, 300, 400, 100}},
        CornerCase{
            "UR", false, {8400, 0, 10000, 2600}, {8800, 100, 9800, 2300}, {400, 300, 200, 100}},
        CornerCase{"OR",
                   false,
                   {8400, 7400, 10000, 10000},
                   {8800, 7700, 9800, 9900},
                   {400, 100, 200, 300}}));

// ---------------------------------------------------------------- outline shapes

class OutlineShapeTest : public CatalogueFixture {
protected:
    // The placed tank and clearance outlines of variant d at position, horizontal.
    std::pair<TPoints, TPoints> place(const VarianteDef& d, const std::string& position,
                                      bool horizontal = true) {
        TProdukt& p = produkt();
        std::vector<std::unique_ptr<TAufstellvariante>> varianten;
        varianten.push_back(makeVariante(d));
        Suche s = sucheImRaum(10000, 10000);
        s.tankPosition = position;
        EXPECT_TRUE(suche(p, varianten, s));
        const TAufstellung* a = arrangement(p, horizontal);
        if (a == nullptr) {
            ADD_FAILURE() << "no arrangement";
            return {};
        }
        return {a->getTankPosition(), a->getGapPosition()};
    }
};

TEST_F(OutlineShapeTest, SingleRowAndEqualStraightRowsAreRectangles) {
    // 2+2 straight: W = 1450, D = 2 * 1000 + 100 = 2100.
    for (const std::string& name : {std::string("3"), std::string("2+2")}) {
        const auto [tanks, gaps] = place({.name = name}, "OL");
        EXPECT_EQ(tanks.size(), 4u) << name;
        EXPECT_EQ(gaps.size(), 4u) << name;
    }
    const auto [tanks, gaps] = place({.name = "2+2"}, "OL");
    EXPECT_EQ(tanks, (TPoints{{0, 10000}, {0, 7900}, {1450, 7900}, {1450, 10000}}));
}

TEST_F(OutlineShapeTest, SecondRowStepLiesAtTheLeftWallAtOLAndAtTheRightWallAtOR) {
    // 3+2 straight: b1 = 2200, L2 = 1450, D = 2100, row-2 band Y2 = 1100.
    const auto [ol, olGaps] = place({.name = "3+2"}, "OL");
    EXPECT_EQ(
        ol,
        (TPoints{{0, 10000}, {0, 7900}, {1450, 7900}, {1450, 9000}, {2200, 9000}, {2200, 10000}}));
    EXPECT_EQ(olGaps, ol);
    const auto [orTanks, orGaps] = place({.name = "3+2"}, "OR");
    EXPECT_EQ(orTanks, (TPoints{{7800, 10000},
                                {7800, 9000},
                                {8550, 9000},
                                {8550, 7900},
                                {10000, 7900},
                                {10000, 10000}}));
}

TEST_F(OutlineShapeTest, SteppedClearanceOutlineKeepsTheInnerGaps) {
    const auto [tanks, gaps] =
        place({.name = "3+2", .gapOut = {100, 200, 300, 400}, .gapIn = {50, 60}}, "OL");
    EXPECT_EQ(
        tanks,
        (TPoints{
            {100, 9800}, {100, 7700}, {1550, 7700}, {1550, 8800}, {2300, 8800}, {2300, 9800}}));
    EXPECT_EQ(
        gaps,
        (TPoints{{0, 10000}, {0, 7300}, {1600, 7300}, {1600, 8740}, {2600, 8740}, {2600, 10000}}));
}

TEST_F(OutlineShapeTest, CrosswiseSecondRowUsesTankLengthsAndTheSpecialGap) {
    // 3+2 crosswise: L2 = 2 * 1000 + 100 = 2100, D = 1000 + 200 + 700 = 1900, Y2 = 900.
    const auto [tanks, gaps] = place({.name = "3+2", .zwReihWaag = true}, "OL");
    EXPECT_EQ(
        tanks,
        (TPoints{{0, 10000}, {0, 8100}, {2100, 8100}, {2100, 9000}, {2200, 9000}, {2200, 10000}}));
}

TEST_F(OutlineShapeTest, SecondRowTurnsTowardsTheCornerAtULVertical) {
    // Turned by 90 degrees: the first row stands along the left wall, the crosswise second
    // row beside it towards the bottom wall.
    const auto [tanks, gaps] = place({.name = "3+2", .zwReihWaag = true}, "UL", false);
    EXPECT_EQ(tanks,
              (TPoints{{0, 0}, {1900, 0}, {1900, 2100}, {1000, 2100}, {1000, 2200}, {0, 2200}}));
}

// ---------------------------------------------------------------- corner point and boiler

TEST_F(CatalogueFixture, CornerPointFollowsTheCutOutAlongTheRowsWall) {
    // Cut-out 500 x 700 at OL: horizontal batteries start right of it along the top wall,
    // vertical ones below it along the left wall.
    TProdukt& p = produkt();
    std::vector<std::unique_ptr<TAufstellvariante>> varianten;
    varianten.push_back(makeVariante({.name = "1"}));
    Suche s = sucheImRaum(10000, 10000);
    s.room = {{499, 10001}, {499, 9301}, {-1, 9301}, {-1, -1}, {10001, -1}, {10001, 10001}};
    s.hzRoom = s.room;
    ASSERT_TRUE(suche(p, varianten, s));
    EXPECT_EQ(box(arrangement(p, true)->getGapPosition()), (Box{500, 9000, 1200, 10000}));
    EXPECT_EQ(box(arrangement(p, false)->getGapPosition()), (Box{0, 8600, 1000, 9300}));
    EXPECT_EQ(arrangement(p, true)->getAbstandWaagerecht(), 501);
    EXPECT_EQ(arrangement(p, false)->getAbstandSenkrecht(), 701);
}

class BoilerTest : public CatalogueFixture {
protected:
    // Room 10000 x 10000, boiler 800 x 600 at OL, clearance 400.
    Suche boilerSearch() {
        Suche s = sucheImRaum(10000, 10000);
        s.room = {{799, 10001}, {799, 9401}, {-1, 9401}, {-1, -1}, {10001, -1}, {10001, 10001}};
        s.hzRoom = {{1199, 10001}, {1199, 9001}, {-1, 9001}, {-1, -1}, {10001, -1}, {10001, 10001}};
        s.heizraum = true;
        s.heizraumPosition = "OL";
        s.heizraumAbstand = 400;
        return s;
    }
};

TEST_F(BoilerTest, CornerPointIsPushedByWhatTheGapLacksOfTheBoilerClearance) {
    TProdukt& p = produkt();
    std::vector<std::unique_ptr<TAufstellvariante>> varianten;
    varianten.push_back(makeVariante({.name = "1", .gapOut = {300, 0, 0, 0}}));
    ASSERT_TRUE(suche(p, varianten, boilerSearch()));
    // C = (800, 10000): clearance outline 100 mm right of C, tanks 400 mm right of C.
    const TAufstellung* h = arrangement(p, true);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(box(h->getGapPosition()).minX, 900);
    EXPECT_EQ(box(h->getTankPosition()).minX, 1200);
    EXPECT_EQ(h->getAbstandWaagerecht(), 901);
    // Vertical: C = (0, 9400), the battery's top gap is gL = 300, pushed down by 100.
    const TAufstellung* v = arrangement(p, false);
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(box(v->getGapPosition()).maxY, 9300);
    EXPECT_EQ(box(v->getTankPosition()).maxY, 9000);
}

TEST_F(BoilerTest, GapLargerThanTheClearanceIsNotPushedAndBoilerElsewhereIsIgnored) {
    TProdukt& p = produkt();
    std::vector<std::unique_ptr<TAufstellvariante>> varianten;
    varianten.push_back(makeVariante({.name = "1", .gapOut = {500, 0, 0, 0}}));
    ASSERT_TRUE(suche(p, varianten, boilerSearch()));
    EXPECT_EQ(box(arrangement(p, true)->getGapPosition()).minX, 800);

    Suche s = boilerSearch();
    s.tankPosition = "UL";
    ASSERT_TRUE(suche(p, varianten, s));
    EXPECT_EQ(box(arrangement(p, true)->getGapPosition()).minX, 0);
}

TEST_F(BoilerTest, TanksInsideTheBoilerClearanceAreRejected) {
    // Not pushed (the boiler is recorded at another corner), the tanks would stand in the
    // boiler's clearance, which the validated room cuts away.
    TProdukt& p = produkt();
    std::vector<std::unique_ptr<TAufstellvariante>> varianten;
    varianten.push_back(makeVariante({.name = "1"}));
    Suche s = boilerSearch();
    s.heizraumPosition = "UR";
    EXPECT_FALSE(suche(p, varianten, s));
    EXPECT_TRUE(p.getMoeglicheAufstellVarianten().empty());
    EXPECT_EQ(p.getAktuelleAufstellVariante(), nullptr);
}

// ---------------------------------------------------------------- repeated searches

// Everything an arrangement holds, as one text.
std::string beschreibung(const TAufstellung& a) {
    std::string text = a.getVariante()->getVariante() + (a.getHorizontal() ? " h" : " v") +
                       (a.getGedreht() ? " gedreht" : "") + (a.getIgnoreNorm() ? " ohne Norm" : "");
    const auto punkte = [&](const char* name, const TPoints& liste) {
        text += std::string(" ") + name + ":";
        for (const TPoint& p : liste) {
            text += " " + std::to_string(p.X) + "," + std::to_string(p.Y);
        }
    };
    punkte("tanks", a.getTankPosition());
    punkte("gaps", a.getGapPosition());
    punkte("tanks moving", a.TankPositionMoving());
    punkte("gaps moving", a.GapPositionMoving());
    const TRect& g = a.GapReal();
    text += " real " + std::to_string(g.Left) + "," + std::to_string(g.Top) + "," +
            std::to_string(g.Right) + "," + std::to_string(g.Bottom) + " offset " +
            std::to_string(a.CurrentOffset().X) + "," + std::to_string(a.CurrentOffset().Y) +
            " offset moving " + std::to_string(a.CurrentOffsetMoving().X) + "," +
            std::to_string(a.CurrentOffsetMoving().Y) + " abstand " +
            std::to_string(a.getAbstandWaagerecht()) + "," +
            std::to_string(a.getAbstandSenkrecht());
    return text;
}

std::vector<std::string> beschreibungen(const TProdukt& p) {
    std::vector<std::string> result;
    for (const auto& a : p.getMoeglicheAufstellVarianten()) {
        result.push_back(beschreibung(*a));
    }
    return result;
}

TEST_F(CatalogueFixture, RepeatedSearchAnswersAsAFirstOne) {
    // The arrangements of a search, one of them moved, make room for those of the next one,
    // with fewer and with more of them than before.
    std::vector<std::unique_ptr<TAufstellvariante>> drei;
    drei.push_back(makeVariante({.name = "3", .gapOut = {100, 200, 300, 400}}));
    drei.push_back(makeVariante({.name = "1"}));
    drei.push_back(makeVariante({.name = "2+1",
                                 .gapOut = {3000, 3000, 3000, 3000},
                                 .normrelevant = true,
                                 .normAlternative = true,
                                 .gapOutNormIgnore = {10, 20, 30, 40}}));
    std::vector<std::unique_ptr<TAufstellvariante>> eine;
    eine.push_back(makeVariante({.name = "2", .gapOut = {5, 6, 7, 8}}));
    Suche ul = sucheImRaum(5000, 4000);
    ul.tankPosition = "UL";
    ul.hoehe = 1500;
    Suche ur = sucheImRaum(2000, 3000);
    ur.tankPosition = "UR";
    ur.gedreht = true;
    ur.hoehe = 1500;

    TProdukt& wiederholt = produkt();
    ASSERT_TRUE(suche(wiederholt, drei, ul));
    ASSERT_TRUE(suche(wiederholt, eine, ur));
    wiederholt.getAktuelleAufstellVariante()->setTankPositionFromMove({{1, 1}}, {{2, 2}}, {3, 4},
                                                                      false);
    wiederholt.getAktuelleAufstellVariante()->setTankPositionFromMove({{5, 5}}, {{6, 6}}, {7, 8},
                                                                      true);
    for (const Suche& s : {ur, ul}) {
        for (const auto* varianten : {&eine, &drei}) {
            TProdukt& neu =
                produkt({.artNr = "P" + std::to_string(gruppe.getProduktListe().size())});
            ASSERT_TRUE(suche(neu, *varianten, s));
            ASSERT_TRUE(suche(wiederholt, *varianten, s));
            EXPECT_EQ(beschreibungen(wiederholt), beschreibungen(neu));
        }
    }
}

// ---------------------------------------------------------------- fitting the room

TEST_F(CatalogueFixture, ClearanceTouchingTheWallFitsAndOneMillimetreMoreDoesNot) {
    // A single tank 700 x 1000 with 150 mm gaps on every side needs 1000 x 1300 in the room.
    TProdukt& p = produkt();
    std::vector<std::unique_ptr<TAufstellvariante>> varianten;
    varianten.push_back(makeVariante({.name = "1", .gapOut = {150, 150, 150, 150}}));
    EXPECT_TRUE(suche(p, varianten, sucheImRaum(1000, 1300)));
    EXPECT_EQ(aufstellungen(p), (std::vector<std::string>{"1 h"}));
    EXPECT_FALSE(suche(p, varianten, sucheImRaum(999, 1300)));
    EXPECT_TRUE(suche(p, varianten, sucheImRaum(1300, 1300)));
    EXPECT_EQ(aufstellungen(p), (std::vector<std::string>{"1 h", "1 v"}));
}

TEST_F(CatalogueFixture, AbsurdCatalogueSizesAreRejectedWithoutOverflow) {
    ProduktDef d;
    d.breite = INT32_MAX;
    d.laenge = INT32_MAX;
    d.hoehe = 1000;
    d.zusBreite = INT32_MIN;
    d.zusLaenge = INT32_MAX;
    d.zusSpezLaenge = INT32_MAX;
    TProdukt& p = produkt(d);
    std::vector<std::unique_ptr<TAufstellvariante>> varianten;
    for (const char* name : {"2147483647+2147483647", "2147483647", "3+2"}) {
        varianten.push_back(makeVariante({.name = name,
                                          .gapOut = {INT32_MAX, INT32_MIN, INT32_MAX, INT32_MIN},
                                          .gapIn = {INT32_MIN, INT32_MAX},
                                          .zwReihWaag = true}));
    }
    Suche s = sucheImRaum(10000, 10000);
    s.varianz = 1e300;
    s.einbringBreite = 1e12;
    s.einbringHoehe = 1e12;
    for (const char* position : {"OL", "UL", "UR", "OR"}) {
        s.tankPosition = position;
        EXPECT_FALSE(suche(p, varianten, s)) << position;
    }
}

struct CheckCase {
    const char* what;
    ProduktDef produkt;
    Suche (*suche)();
    bool passt;
};

Suche volumen(double minInhalt, double varianz) {
    Suche s = sucheImRaum(10000, 10000);
    s.minInhalt = minInhalt;
    s.varianz = varianz;
    return s;
}

Suche einbringung(double breite, double hoehe) {
    Suche s = sucheImRaum(10000, 10000);
    s.einbringBreite = breite;
    s.einbringHoehe = hoehe;
    return s;
}

class VariantCheckTest : public CatalogueFixture,
                         public ::testing::WithParamInterface<CheckCase> {};

TEST_P(VariantCheckTest, AcceptsOrRejects) {
    const CheckCase& c = GetParam();
    TProdukt& p = produkt(c.produkt);
    std::vector<std::unique_ptr<TAufstellvariante>> varianten;
    varianten.push_back(makeVariante({.name = "1"}));
    EXPECT_EQ(suche(p, varianten, c.suche()), c.passt) << c.what;
    EXPECT_EQ(p.getMoeglicheAufstellVarianten().empty(), !c.passt) << c.what;
}

ProduktDef tank(int inhalt, int breite = 700, int laenge = 1000, int hoehe = 1500) {
    ProduktDef d;
    d.inhalt = inhalt;
    d.breite = breite;
    d.laenge = laenge;
    d.hoehe = hoehe;
    return d;
}

INSTANTIATE_TEST_SUITE_P(
    Checks, VariantCheckTest,
    ::testing::Values(
        CheckCase{"volume at the lower bound", tank(4500), [] { return volumen(5000, 500); }, true},
        CheckCase{"volume at the upper bound", tank(5500), [] { return volumen(5000, 500); }, true},
        CheckCase{"volume 1 l above", tank(5501), [] { return volumen(5000, 500); }, false},
        CheckCase{"volume 1 l below", tank(4499), [] { return volumen(5000, 500); }, false},
        CheckCase{"boiler room volume limit", tank(1000),
                  [] {
                      Suche s = volumen(1000, 0);
                      s.heizraum = true;
                      s.maxVolumenBeiHeizraum = 999;
                      return s;
                  },
                  false},
        CheckCase{"height limit", tank(1000),
                  [] {
                      Suche s = volumen(1000, 0);
                      s.hoehe = 1499;
                      return s;
                  },
                  false},
        CheckCase{"opening turned", tank(1000, 800, 2000, 1500),
                  [] { return einbringung(1500, 800); }, true},
        CheckCase{"opening upright", tank(1000, 800, 2000, 1500),
                  [] { return einbringung(800, 1500); }, true},
        CheckCase{"opening too narrow", tank(1000, 800, 2000, 1500),
                  [] { return einbringung(790, 2000); }, false},
        CheckCase{"equal smallest sides", tank(1000, 800, 800, 2000),
                  [] { return einbringung(800, 800); }, true}));

TEST_F(CatalogueFixture, NormAlternativeUsesNormIgnoreGapsAndTheHeightOfItsTankCount) {
    // Norm height (key 0) 300 mm, height for 2 tanks 50 mm: 1500 + 300 exceeds the room's
    // 1600, the retry without the norm needs 1550.
    TProdukt& p = produkt({.zusHoehen = {{0, 300}, {2, 50}}});
    std::vector<std::unique_ptr<TAufstellvariante>> varianten;
    varianten.push_back(makeVariante({.name = "2",
                                      .gapOut = {400, 400, 400, 400},
                                      .normrelevant = true,
                                      .normAlternative = true,
                                      .gapOutNormIgnore = {10, 20, 30, 40}}));
    Suche s = sucheImRaum(10000, 10000);
    s.hoehe = 1600;
    ASSERT_TRUE(suche(p, varianten, s));
    const TAufstellung* a = p.getAktuelleAufstellVariante();
    ASSERT_NE(a, nullptr);
    EXPECT_TRUE(a->getIgnoreNorm());
    EXPECT_EQ(a->GapReal(), (TRect{10, 20, 30, 40}));
    EXPECT_EQ(p.getGesamtHoehe(), 1550);

    // Without the alternative the variant is rejected; with the norm height in reach it
    // keeps the norm.
    varianten.front() = makeVariante({.name = "2", .normrelevant = true});
    EXPECT_FALSE(suche(p, varianten, s));
    s.hoehe = 1800;
    varianten.front() = makeVariante({.name = "2", .normrelevant = true, .normAlternative = true});
    ASSERT_TRUE(suche(p, varianten, s));
    EXPECT_FALSE(p.getAktuelleAufstellVariante()->getIgnoreNorm());
    EXPECT_EQ(p.getGesamtHoehe(), 1800);
}

TEST_F(CatalogueFixture, VariantThatIsNotNormRelevantTakesTheHeightOfItsTankCount) {
    TProdukt& p = produkt({.zusHoehen = {{0, 300}, {3, 70}}});
    std::vector<std::unique_ptr<TAufstellvariante>> varianten;
    varianten.push_back(makeVariante({.name = "3"}));
    varianten.push_back(makeVariante({.name = "2"}));
    ASSERT_TRUE(suche(p, varianten, sucheImRaum(10000, 10000)));
    p.setMoeglicheAufstellvariante(0);  // "2": no entry for 2 tanks
    EXPECT_EQ(p.getGesamtHoehe(), 1500);
    p.setMoeglicheAufstellvariante(2);  // "3"
    EXPECT_EQ(p.getGesamtHoehe(), 1570);
}

// ---------------------------------------------------------------- sorting and thinning

class SortTest : public CatalogueFixture {
protected:
    std::vector<std::string> sortiert(std::vector<VarianteDef> defs,
                                      Suche s = sucheImRaum(10000, 10000)) {
        TProdukt& p = produkt();
        std::vector<std::unique_ptr<TAufstellvariante>> varianten;
        for (const VarianteDef& d : defs) {
            varianten.push_back(makeVariante(d));
        }
        p.addZubehoer(zubehoer);
        EXPECT_TRUE(suche(p, varianten, s));
        return aufstellungen(p);
    }
    std::vector<std::unique_ptr<TZubehoer>> zubehoer;
};

TEST_F(SortTest, FewerTanksFirstAndHorizontalBeforeVertical) {
    EXPECT_EQ(sortiert({{.name = "3"}, {.name = "1"}, {.name = "2"}}),
              (std::vector<std::string>{"1 h", "1 v", "2 h", "2 v", "3 h", "3 v"}));
}

TEST_F(SortTest, CheaperFittingsFirstAtEqualTankCount) {
    zubehoer.push_back(std::make_unique<TZubehoer>("Hp", "952400", 10.0, false,
                                                   std::vector<std::string>{},
                                                   std::vector<std::string>{}, nullptr));
    EXPECT_EQ(sortiert({{.name = "2", .hp = 2}, {.name = "1+1", .hp = 1}}),
              (std::vector<std::string>{"1+1 h", "1+1 v", "2 h", "2 v"}));
}

TEST_F(SortTest, SingleRowBeforeTwoRowsAtEqualTanksAndPrice) {
    EXPECT_EQ(sortiert({{.name = "1+1"}, {.name = "2"}}),
              (std::vector<std::string>{"2 h", "2 v", "1+1 h", "1+1 v"}));
}

TEST_F(SortTest, EqualSecondRowTextsChangePlacesAtEveryComparison) {
    // Two different variants named "2": the bubble sort swaps them on every comparison,
    // which ends with the second one first.
    EXPECT_EQ(sortiert({{.name = "2", .gapOut = {1, 1, 1, 1}}, {.name = "2"}}),
              (std::vector<std::string>{"2 h", "2 v", "2 h", "2 v"}));
    TProdukt& p = *gruppe.getProduktListe().back();
    EXPECT_EQ(p.getMoeglicheAufstellVarianten()[0]->GapReal(), (TRect{}));
}

TEST_F(SortTest, SecondRowCountsCompareAsText) {
    // "10" sorts before "2" as text: 2+10 comes first among equal tank counts.
    EXPECT_EQ(sortiert({{.name = "10+2"}, {.name = "2+10"}}, sucheImRaum(100000, 100000)),
              (std::vector<std::string>{"2+10 h", "2+10 v", "10+2 h", "10+2 v"}));
}

TEST_F(SortTest, ExactTargetRemovesOneSmallerArrangementPerOrientation) {
    Suche s = sucheImRaum(10000, 10000);
    s.minInhalt = 3000;
    s.varianz = 2000;
    EXPECT_EQ(sortiert({{.name = "1"}, {.name = "2"}, {.name = "3"}, {.name = "4"}}, s),
              (std::vector<std::string>{"2 h", "2 v", "3 h", "3 v", "4 h", "4 v"}));
}

TEST_F(SortTest, NoExactTargetRemovesNothing) {
    Suche s = sucheImRaum(10000, 10000);
    s.minInhalt = 2500;
    s.varianz = 2000;
    EXPECT_EQ(sortiert({{.name = "1"}, {.name = "2"}, {.name = "3"}}, s),
              (std::vector<std::string>{"1 h", "1 v", "2 h", "2 v", "3 h", "3 v"}));
}

TEST_F(SortTest, ExactMatchWithoutSmallerOfItsOrientationKeepsTheListAndEnds) {
    // Room 6500 x 2000: "2" with a 5000 mm bottom gap fits only vertically, "3" only
    // horizontally. The exact match "3 h" has no smaller horizontal arrangement before it.
    Suche s = sucheImRaum(6500, 2000);
    s.minInhalt = 3000;
    s.varianz = 1000;
    EXPECT_EQ(sortiert({{.name = "3"}, {.name = "2", .gapOut = {0, 0, 0, 5000}}}, s),
              (std::vector<std::string>{"2 v", "3 h"}));
}

}  // namespace
}  // namespace velmora::testing
