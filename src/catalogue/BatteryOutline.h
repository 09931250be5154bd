#pragma once

#include "base/GeometryTypes.h"
#include "catalogue/BatteryMeasures.h"
#include "catalogue/Suchvorgaben.h"

namespace velmora {

// What the placement of one arrangement needs to know of its variant (mm).
struct OutlineRequest {
    BatteryMeasures masse;
    int Reihe1 = 0;
    int Reihe2 = 0;
    bool ZwReihWaag = false;
    TRect gapOut;
    TPoint gapIn;
    bool horizontal = true;
};

// The room's part of a placement, the same for every variant that one search tries, so
// worked out once (room frame, mm).
struct RoomCorner {
    // The corner as the directions the battery is pushed to: wantX -1 for the left wall,
    // +1 for the right one; wantY +1 for the top wall, -1 for the bottom one.
    int wantX = -1;
    int wantY = 1;
    int winkel = 0;  // turn for a horizontal battery; a vertical one turns by 90 or 270
    bool links() const { return wantX < 0; }
    bool oben() const { return wantY > 0; }
    // The room vertex the clearance outline is put on, for either orientation.
    TMyVec eckeWaagerecht;
    TMyVec eckeSenkrecht;
    // Where an outline is first moved to: the room's top left corner, rounded.
    TMyVec anker;
    // A boiler at the battery's corner, with the clearance it needs.
    bool heizraumImEck = false;
    double heizraumAbstand = 0;
    // The room polygon's box, when it has points.
    bool raumLeer = true;
    TPoint raumMin;
    TPoint raumMax;
};

// The battery's corner of the search's free floor (Raum); no corner counts as OL.
RoomCorner roomCorner(const Suchvorgaben& Vorgaben);

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
// the clearance outline's corner onto the room's corner vertex (pushed away from a boiler at
// the same corner). Does not test whether it fits. Refills result, keeping the storage of its
// lists: a search places one outline per variant and orientation it tries.
void berechneUmriss(const OutlineRequest& request, const RoomCorner& raum, PlacedOutline& result);

}  // namespace velmora
