#pragma once

#include "base/GeometryTypes.h"

namespace velmora {

// One free move of the tank battery: own copies of its tank and clearance outlines that
// follow the pointer, and whether the shifted battery still fits the room. All coordinates
// are room millimetres (origin bottom left, Y up). Lives from the pick-up to the put-down.
class TMoveTank {
public:
    // ARoom: the free floor of the last search; AHzRoom: the same with the boiler clearance
    // cut away. The pointer starts at the centre of AInitTank's bounding box (whole-number
    // halves of its width and height), so the first step brings that centre under it.
    TMoveTank(TPoints ARoom, TPoints AHzRoom, TPoints AInitTankGap, TPoints AInitTank,
              TPoint ACurrentOffset);

    // Shifts both outlines and the total offset.
    void offset(int AX, int AY);
    // The pointer in room millimetres, rounded to whole ones (halves to even); the outlines
    // follow it from where the last step left them. A pointer further out than any room
    // counts as at that limit, so that the shifted coordinates cannot overflow.
    void recordPosition(TPointF APoint);
    // Every clearance point inside the room and every tank point outside the boiler
    // clearance; a point on an outline counts as outside.
    bool isPositionValid() const;

    const TPoints& CurrentTank() const { return FCurrentTank; }
    const TPoints& CurrentTankGap() const { return FCurrentTankGap; }
    // Total shift since the search placed the battery.
    TPoint CurrentOffset() const { return FTotalOffset; }

private:
    TPoints FRoom;
    TPoints FHzRoom;
    TPoint FTotalOffset;
    TPoints FCurrentTankGap;
    TPoints FCurrentTank;
    TPoint FLastPoint;
};

}  // namespace velmora
