#pragma once

#include "base/GeometryTypes.h"

namespace velmora {

class TAufstellvariante;

// One concrete arrangement of a product found by the search: a variant in one orientation,
// with the tank outline and the clearance outline as placed in the room (room frame, mm),
// the clearances as they lie in the room, and the shift of a free positioning.
class TAufstellung {
public:
    // Variante is not owned.
    TAufstellung(TAufstellvariante* Variante, bool Horizontal, bool Gedreht, bool IgnoreNorm);

    // True: the rows run along the room's width.
    bool getHorizontal() const { return Horizontal; }
    bool getGedreht() const { return Gedreht; }
    bool getIgnoreNorm() const { return FIgnoreNorm; }
    TAufstellvariante* getVariante() const { return Variante; }
    // Distances (mm) between the clearance outline and the room on the corner's sides.
    double getAbstandWaagerecht() const { return ZusAbstandWaagerecht; }
    double getAbstandSenkrecht() const { return ZusAbstandSenkrecht; }
    const TPoints& getTankPosition() const { return FTankPosition; }
    const TPoints& getGapPosition() const { return FGapPosition; }
    // Clearances as placed: Left, Top, Right, Bottom in the room.
    const TRect& GapReal() const { return FGapOutReal; }
    const TPoint& CurrentOffset() const { return FCurrentOffset; }
    const TPoint& CurrentOffsetMoving() const { return FCurrentOffsetMoving; }
    const TPoints& TankPositionMoving() const {
        return FEigeneBewegung ? FTankPositionMoving : FTankPosition;
    }
    const TPoints& GapPositionMoving() const {
        return FEigeneBewegung ? FGapPositionMoving : FGapPosition;
    }

    // A new arrangement in place of this one, with no outlines and no shift. The point lists
    // keep their storage: a search refills the arrangements of the last one.
    void neuBelegen(TAufstellvariante* Variante, bool Horizontal, bool Gedreht, bool IgnoreNorm);
    // The placement's result, copied; the moving copies follow the placed outlines.
    void setzePositionen(const TPoints& TankPosition, const TPoints& GapPosition, TRect GapOutReal,
                         double AbstandWaagerecht, double AbstandSenkrecht);
    // AIsMoving: the copies shown while the battery is dragged; otherwise the placed outlines
    // and the committed offset. The values are copied.
    void setTankPositionFromMove(const TPoints& AGap, const TPoints& ATank, TPoint AOffset,
                                 bool AIsMoving);

private:
    bool Horizontal;
    bool Gedreht;
    double ZusAbstandWaagerecht = 0;
    double ZusAbstandSenkrecht = 0;
    bool FIgnoreNorm;
    TPoints FTankPosition;
    TPoints FGapPosition;
    TRect FGapOutReal;
    TPoint FCurrentOffset;
    // The moving copies are the placed outlines until a move or a commit sets them apart:
    // a search places many arrangements and moves at most one.
    bool FEigeneBewegung = false;
    TPoints FTankPositionMoving;
    TPoints FGapPositionMoving;
    TPoint FCurrentOffsetMoving;
    TAufstellvariante* Variante;
};

}  // namespace velmora
