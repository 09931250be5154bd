#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/TMoveTank.h"

namespace velmora {
namespace {

// A 4 x 3 m room grown by 1 mm; a 1 x 1 m boiler room in the bottom-right corner with a
// clearance of 400 mm cut away from the boiler-adjusted outline.
const TPoints kRoom{{-1, 3001}, {-1, -1}, {3001, -1}, {3001, 999}, {4001, 999}, {4001, 3001}};
const TPoints kHzRoom{{-1, 3001}, {-1, -1}, {2601, -1}, {2601, 1399}, {4001, 1399}, {4001, 3001}};
// A 1000 x 500 battery at (100, 100) with 50 mm of clearance all round; its bounding-box
// centre is (600, 350).
const TPoints kTank{{100, 600}, {100, 100}, {1100, 100}, {1100, 600}};
const TPoints kGap{{50, 650}, {50, 50}, {1150, 50}, {1150, 650}};

TPoints shifted(const TPoints& points, TPoint by) {
    TPoints result = points;
    for (TPoint& p : result) {
        p.X += by.X;
        p.Y += by.Y;
    }
    return result;
}

TEST(TMoveTank, FirstStepBringsTheWholeNumberCentreUnderThePointer) {
    // 2001 x 1000 from (100, 200): the centre is (100 + 2001 div 2, 200 + 1000 div 2).
    const TPoints tank{{100, 1200}, {100, 200}, {2101, 200}, {2101, 1200}};
    struct Case {
        TPointF pointer;
        TPoint shift;
    };
    const std::vector<Case> cases{
        {{1100.0f, 700.0f}, {0, 0}},
        {{1101.0f, 700.0f}, {1, 0}},
        // Pointer millimetres round half to even.
        {{1100.5f, 700.5f}, {0, 0}},
        {{1101.5f, 698.5f}, {2, -2}},
        {{0.0f, 0.0f}, {-1100, -700}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.pointer.X) + ", " + std::to_string(c.pointer.Y));
        TMoveTank move(kRoom, kHzRoom, tank, tank, {7, -3});
        move.recordPosition(c.pointer);
        EXPECT_EQ(move.CurrentTank(), shifted(tank, c.shift));
        EXPECT_EQ(move.CurrentTankGap(), shifted(tank, c.shift));
        EXPECT_EQ(move.CurrentOffset(), (TPoint{7 + c.shift.X, -3 + c.shift.Y}));
    }
}

TEST(TMoveTank, StepsFollowThePointerFromTheLastOne) {
    TMoveTank move(kRoom, kHzRoom, kGap, kTank, {0, 0});
    move.recordPosition({900.0f, 450.0f});
    move.recordPosition({900.0f, 450.0f});  // the same point again moves nothing
    EXPECT_EQ(move.CurrentTank(), shifted(kTank, {300, 100}));
    move.recordPosition({800.0f, 500.0f});
    EXPECT_EQ(move.CurrentTank(), shifted(kTank, {200, 150}));
    EXPECT_EQ(move.CurrentTankGap(), shifted(kGap, {200, 150}));
    EXPECT_EQ(move.CurrentOffset(), (TPoint{200, 150}));
}

TEST(TMoveTank, PlaceIsValidOnlyWithClearanceInsideTheRoomAndTanksOutOfTheBoilerClearance) {
    struct Case {
        const char* what;
        TPoint shift;
        bool valid;
    };
    const std::vector<Case> cases{
        {"where the search put it", {0, 0}, true},
        {"clearance 1 mm inside the left wall", {-50, 0}, true},
        {"clearance on the left wall", {-51, 0}, false},
        {"clearance 1 mm inside the top wall", {0, 2350}, true},
        {"clearance on the top wall", {0, 2351}, false},
        {"tanks up to the boiler clearance, clearance in it", {1500, 0}, true},
        {"a tank point in the boiler clearance", {1501, 0}, false},
        {"outside the room", {-5000, 0}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TMoveTank move(kRoom, kHzRoom, kGap, kTank, {0, 0});
        move.recordPosition({600.0f + c.shift.X, 350.0f + c.shift.Y});
        EXPECT_EQ(move.CurrentTank(), shifted(kTank, c.shift));
        EXPECT_EQ(move.isPositionValid(), c.valid);
    }
}

TEST(TMoveTank, FarPointerIsHeldAtALimitWithoutOverflow) {
    TMoveTank move(kRoom, kHzRoom, kGap, kTank, {0, 0});
    move.recordPosition({1e30f, -1e30f});
    move.recordPosition({-1e30f, 1e30f});
    EXPECT_FALSE(move.isPositionValid());
    const TPoint offset = move.CurrentOffset();
    EXPECT_EQ(move.CurrentTank().front(), (TPoint{100 + offset.X, 600 + offset.Y}));
    EXPECT_LT(offset.X, -1'000'000);
    EXPECT_GT(offset.Y, 1'000'000);
}

}  // namespace
}  // namespace velmora
