#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/TDaten.h"
#include "app/TankMove.h"
#include "catalogue/TAufstellung.h"

namespace velmora {
namespace {

// The demo catalogue beside the program: a 10 x 10 m room whose first solution stands in
// the top-left corner.
// 3000 l in a 10 x 10 m room, the battery in the top-left corner.
SuchAuftrag zehnMalZehn() {
    return {.TankPosition = "OL",
            .RaumBreite = {"10"},
            .RaumLaenge = {"10"},
            .RaumHoehe = {"2,2"},
            .SollVolumen = {"3000", 0},
            .EinbringHoehe = {"1,9"},
            .EinbringBreite = {"0,8"},
            .ARefreshGraphic = false};
}

class TankMove : public ::testing::Test {
protected:
    void SetUp() override {
        daten.sucheLoesung(zehnMalZehn());
        ASSERT_TRUE(daten.getLoesungsListe() && !daten.getLoesungsListe()->empty());
        daten.setProdukt(daten.getLoesungsListe()->front()->getArtikelNr(), false);
        aufstellung = daten.getAktuellesProdukt()->getAktuelleAufstellVariante();
        ASSERT_NE(aufstellung, nullptr);
    }

    static std::string programDirectory() {
        const char* bin = std::getenv("VELMORA_BIN");
        return bin ? bin : ".";
    }

    TDaten daten{programDirectory(), false};
    TAufstellung* aufstellung = nullptr;
};

TEST_F(TankMove, PutDownOnAValidPlaceCommitsTheMovedOutlines) {
    const TPoints tank = aufstellung->getTankPosition();
    auto move = pickUpTank(daten);
    ASSERT_NE(move, nullptr);
    EXPECT_TRUE(moveTankTo(daten, *move, {5000.0f, 5000.0f}));
    EXPECT_EQ(aufstellung->TankPositionMoving(), move->CurrentTank());
    EXPECT_EQ(aufstellung->getTankPosition(), tank) << "nothing is committed while moving";

    EXPECT_TRUE(putDownTank(daten, *move));
    const TPoint offset = move->CurrentOffset();
    move.reset();
    EXPECT_NE(offset, (TPoint{0, 0}));
    EXPECT_EQ(aufstellung->CurrentOffset(), offset);
    ASSERT_EQ(aufstellung->getTankPosition().size(), tank.size());
    for (std::size_t i = 0; i < tank.size(); ++i) {
        EXPECT_EQ(aufstellung->getTankPosition()[i],
                  (TPoint{tank[i].X + offset.X, tank[i].Y + offset.Y}));
    }

    // A second move starts from the committed place and offset.
    move = pickUpTank(daten);
    moveTankTo(daten, *move, {5000.0f, 5000.0f});
    EXPECT_EQ(move->CurrentOffset(), offset);
}

TEST_F(TankMove, PutDownOnAnInvalidPlaceKeepsOutlinesAndOffset) {
    const TPoints tank = aufstellung->getTankPosition();
    const TPoints gap = aufstellung->getGapPosition();
    auto move = pickUpTank(daten);
    EXPECT_FALSE(moveTankTo(daten, *move, {9900.0f, 5000.0f}));
    EXPECT_NE(aufstellung->GapPositionMoving(), gap);
    EXPECT_FALSE(putDownTank(daten, *move));
    EXPECT_EQ(aufstellung->getTankPosition(), tank);
    EXPECT_EQ(aufstellung->getGapPosition(), gap);
    EXPECT_EQ(aufstellung->CurrentOffset(), (TPoint{0, 0}));
}

TEST_F(TankMove, NothingToPickUpWithoutACurrentProduct) {
    daten.sucheLoesung(zehnMalZehn());
    ASSERT_EQ(daten.getAktuellesProdukt(), nullptr);
    EXPECT_EQ(pickUpTank(daten), nullptr);
}

}  // namespace
}  // namespace velmora
