// velmora-plan --png end to end: the chosen solution is drawn where the plan puts it.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QRect>

#include <string>

#include "cli/plan/RunPlan.h"
#include "support/TempDirectory.h"

namespace velmora {
namespace {

const QColor kFloor(192, 192, 192);

// The room's pixel rectangle: the floor's extent across the middle of the image, and down
// the floor's first column (labels outside the room may hold grey pixels too).
QRect floorRect(const QImage& image) {
    int left = -1;
    int right = -1;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, image.height() / 2) == kFloor) {
            left = left < 0 ? x : left;
            right = x;
        }
    }
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < image.height() && left >= 0; ++y) {
        if (image.pixelColor(left + 1, y) == kFloor) {
            top = top < 0 ? y : top;
            bottom = y;
        }
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

TEST(PlanPng, SelectedSolutionIsDrawnWhereThePlanPutsIt) {
    testing::TempDirectory dir;
    const std::string png = (dir.path() / "plan.png").string();
    // The demo tank 951100 as 4+2 at the top-left corner of a 5 x 6 m room: its tank outline
    // runs from x 50 to 3240 mm and from y 3340 to 5600 mm (room frame, Y up).
    const auto run = testing::runPlan(
        "--room-width 5 --room-length 6 --volume 6000 --select "
        "951100 --installation 0 --png '" +
        png + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const QImage image(QString::fromStdString(png));
    ASSERT_FALSE(image.isNull());
    const QRect room = floorRect(image);
    ASSERT_GT(room.width(), 100);
    const auto pixel = [&](double xMm, double yMm) {
        return image.pixelColor(room.left() + qRound(xMm / 5000.0 * room.width()),
                                room.bottom() - qRound(yMm / 6000.0 * room.height()));
    };
    // Floor away from the battery, a tank picture in the middle of the first row's first tank.
    EXPECT_EQ(pixel(4500, 1000), kFloor);
    EXPECT_NE(pixel(50 + 380, 5600 - 900), kFloor);
    EXPECT_NE(pixel(2000, 4000), kFloor);
}

TEST(PlanPng, SideViewShowsTheTanksUnderTheCeilingInProportion) {
    testing::TempDirectory dir;
    const std::string png = (dir.path() / "seite.png").string();
    const auto run = testing::runPlan(
        "--room-width 5 --room-length 6 --room-height 2,5 --volume 6000 --select 951100 "
        "--view side --size 800x400 --png '" +
        png + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    const QImage image(QString::fromStdString(png));
    ASSERT_FALSE(image.isNull());
    const QColor tank(240, 228, 176);
    const QColor band(96, 96, 96);
    // The first column through a tank, then from the top: ceiling band, tank, floor band.
    int x = 0;
    while (x < image.width() && image.pixelColor(x, image.height() / 2 + 40) != tank) {
        ++x;
    }
    ASSERT_LT(x, image.width());
    x += 5;
    int ceiling = -1;
    int tankTop = -1;
    int floor = -1;
    for (int y = 0; y < image.height(); ++y) {
        const QColor c = image.pixelColor(x, y);
        if (c == band && tankTop < 0) {
            ceiling = y + 1;
        } else if (c == tank && tankTop < 0) {
            tankTop = y;
        } else if (c == band && tankTop >= 0 && floor < 0) {
            floor = y;
        }
    }
    ASSERT_GT(ceiling, 0);
    ASSERT_GT(tankTop, ceiling);
    ASSERT_GT(floor, tankTop);
    // The demo tank is 1.52 m high in a room of 2.5 m.
    EXPECT_NEAR(static_cast<double>(floor - tankTop) / (floor - ceiling), 1520.0 / 2500.0, 0.02);
}

}  // namespace
}  // namespace velmora
