#pragma once

#include <string_view>

#include "base/GeometryTypes.h"
#include "catalogue/BatteryMeasures.h"

namespace velmora {

// What the placement of one arrangement needs to know besides the room (room frame, mm).
struct OutlineRequest {
    BatteryMeasures masse;
    int Reihe1 = 0;
    int Reihe2 = 0;
    bool ZwReihWaag = false;
    TRect gapOut;
    TPoint gapIn;
    bool horizontal = true;
    // "OL", "UL", "UR" or "OR" (letter case ignored); anything else counts as "OL".
    std::string_view tankPosition;
    TMyVec topLeft;
    bool heizraum = false;
    std::string_view heizraumPosition;
    double heizraumAbstand = 0;
};

// The tank outline and the clearance outline of a battery, turned and placed into its corner
// of the room, with the clearances as they lie in the room and the distances to the room's
// walls on the corner's sides.
struct PlacedOutline {
    TPoints tanks;
    TPoints gaps;
    TRect gapReal;
    double abstandWaagerecht = 0;
    double abstandSenkrecht = 0;
};

// Builds the stepped or rectangular outline, turns it for the corner and orientation, puts
// the clearance outline's corner onto the corner of the room polygon (pushed away from a
// boiler at the same corner). Does not test whether it fits. Refills result, keeping the
// storage of its lists: a search places one outline per variant and orientation it tries.
void berechneUmriss(const OutlineRequest& request, const TPoints& room, PlacedOutline& result);

}  // namespace velmora
