#include "catalogue/TAufstellung.h"

#include <utility>

namespace velmora {

TAufstellung::TAufstellung(TAufstellvariante* Variante, bool Horizontal, bool Gedreht,
                           bool IgnoreNorm)
    : Horizontal(Horizontal), Gedreht(Gedreht), FIgnoreNorm(IgnoreNorm), Variante(Variante) {}

void TAufstellung::setzePositionen(TPoints TankPosition, TPoints GapPosition, TRect GapOutReal,
                                   double AbstandWaagerecht, double AbstandSenkrecht) {
    FTankPosition = std::move(TankPosition);
    FGapPosition = std::move(GapPosition);
    FGapOutReal = GapOutReal;
    ZusAbstandWaagerecht = AbstandWaagerecht;
    ZusAbstandSenkrecht = AbstandSenkrecht;
    FTankPositionMoving = FTankPosition;
    FGapPositionMoving = FGapPosition;
    FCurrentOffsetMoving = FCurrentOffset;
}

void TAufstellung::setTankPositionFromMove(const TPoints& AGap, const TPoints& ATank,
                                           TPoint AOffset, bool AIsMoving) {
    if (AIsMoving) {
        FGapPositionMoving = AGap;
        FTankPositionMoving = ATank;
        FCurrentOffsetMoving = AOffset;
    } else {
        FGapPosition = AGap;
        FTankPosition = ATank;
        FCurrentOffset = AOffset;
    }
}

}  // namespace velmora
