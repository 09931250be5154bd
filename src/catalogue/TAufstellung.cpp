#include "catalogue/TAufstellung.h"

namespace velmora {

TAufstellung::TAufstellung(TAufstellvariante* Variante, bool Horizontal, bool Gedreht,
                           bool IgnoreNorm)
    : Horizontal(Horizontal), Gedreht(Gedreht), FIgnoreNorm(IgnoreNorm), Variante(Variante) {}

void TAufstellung::neuBelegen(TAufstellvariante* Variante, bool Horizontal, bool Gedreht,
                              bool IgnoreNorm) {
    this->Variante = Variante;
    this->Horizontal = Horizontal;
    this->Gedreht = Gedreht;
    FIgnoreNorm = IgnoreNorm;
    ZusAbstandWaagerecht = 0;
    ZusAbstandSenkrecht = 0;
    FTankPosition.clear();
    FGapPosition.clear();
    FGapOutReal = {};
    FCurrentOffset = {};
    FEigeneBewegung = false;
    FCurrentOffsetMoving = {};
}

void TAufstellung::setzePositionen(const TPoints& TankPosition, const TPoints& GapPosition,
                                   TRect GapOutReal, double AbstandWaagerecht,
                                   double AbstandSenkrecht) {
    FTankPosition = TankPosition;
    FGapPosition = GapPosition;
    FGapOutReal = GapOutReal;
    ZusAbstandWaagerecht = AbstandWaagerecht;
    ZusAbstandSenkrecht = AbstandSenkrecht;
    FEigeneBewegung = false;
    FCurrentOffsetMoving = FCurrentOffset;
}

void TAufstellung::setTankPositionFromMove(const TPoints& AGap, const TPoints& ATank,
                                           TPoint AOffset, bool AIsMoving) {
    if (AIsMoving) {
        FGapPositionMoving = AGap;
        FTankPositionMoving = ATank;
        FCurrentOffsetMoving = AOffset;
        FEigeneBewegung = true;
    } else {
        if (!FEigeneBewegung) {
            FGapPositionMoving = FGapPosition;
            FTankPositionMoving = FTankPosition;
            FEigeneBewegung = true;
        }
        FGapPosition = AGap;
        FTankPosition = ATank;
        FCurrentOffset = AOffset;
    }
}

}  // namespace velmora
