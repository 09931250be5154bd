#include "app/TMoveTank.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "base/Rounding.h"
#include "catalogue/PolygonContainment.h"

namespace velmora {

namespace {

// Far beyond every room the settings allow (100 km), yet small enough that a pointer step
// added to an outline point stays within int.
constexpr int kPointerLimit = 100'000'000;

int pointerCoordinate(float value) {
    return std::clamp(roundHalfToEven(value), -kPointerLimit, kPointerLimit);
}

TPoint boundingBoxCentre(const TPoints& points) {
    if (points.empty()) {
        return {};
    }
    const auto [minX, maxX] = std::ranges::minmax(points, {}, &TPoint::X);
    const auto [minY, maxY] = std::ranges::minmax(points, {}, &TPoint::Y);
    const auto half = [](int from, int to) {
        return static_cast<int>((static_cast<std::int64_t>(to) - from) / 2);
    };
    return {minX.X + half(minX.X, maxX.X), minY.Y + half(minY.Y, maxY.Y)};
}

}  // namespace

TMoveTank::TMoveTank(TPoints ARoom, TPoints AHzRoom, TPoints AInitTankGap, TPoints AInitTank,
                     TPoint ACurrentOffset)
    : FRoom(std::move(ARoom)),
      FHzRoom(std::move(AHzRoom)),
      FTotalOffset(ACurrentOffset),
      FCurrentTankGap(std::move(AInitTankGap)),
      FCurrentTank(std::move(AInitTank)),
      FLastPoint(boundingBoxCentre(FCurrentTank)) {}

void TMoveTank::offset(int AX, int AY) {
    for (TPoints* outline : {&FCurrentTankGap, &FCurrentTank}) {
        for (TPoint& p : *outline) {
            p.X += AX;
            p.Y += AY;
        }
    }
    FTotalOffset.X += AX;
    FTotalOffset.Y += AY;
}

void TMoveTank::recordPosition(TPointF APoint) {
    const TPoint pointer{pointerCoordinate(APoint.X), pointerCoordinate(APoint.Y)};
    offset(pointer.X - FLastPoint.X, pointer.Y - FLastPoint.Y);
    FLastPoint = pointer;
}

bool TMoveTank::isPositionValid() const {
    return liegtPolygonImPolygon(FCurrentTankGap, FRoom) &&
           liegtPolygonImPolygon(FCurrentTank, FHzRoom);
}

}  // namespace velmora
