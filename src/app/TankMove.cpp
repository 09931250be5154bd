#include "app/TankMove.h"

#include "app/TDaten.h"
#include "catalogue/TAufstellung.h"

namespace velmora {

namespace {

TAufstellung* currentInstallation(const TDaten& daten) {
    const TProdukt* produkt = daten.getAktuellesProdukt();
    return produkt ? produkt->getAktuelleAufstellVariante() : nullptr;
}

// The move's outlines into the installation: the moving copies or the placed ones.
void takeOver(TDaten& daten, const TMoveTank& move, bool AIsMoving) {
    if (TAufstellung* aufstellung = currentInstallation(daten)) {
        aufstellung->setTankPositionFromMove(move.CurrentTankGap(), move.CurrentTank(),
                                             move.CurrentOffset(), AIsMoving);
    }
}

}  // namespace

std::unique_ptr<TMoveTank> pickUpTank(TDaten& daten) {
    TAufstellung* aufstellung = currentInstallation(daten);
    if (!aufstellung) {
        return nullptr;
    }
    aufstellung->setTankPositionFromMove(aufstellung->getGapPosition(),
                                         aufstellung->getTankPosition(),
                                         aufstellung->CurrentOffset(), true);
    return std::make_unique<TMoveTank>(
        daten.getRoomPosition(), daten.getRoomHzValidated(), aufstellung->getGapPosition(),
        aufstellung->getTankPosition(), aufstellung->CurrentOffset());
}

bool moveTankTo(TDaten& daten, TMoveTank& move, TPointF Pointer) {
    move.recordPosition(Pointer);
    takeOver(daten, move, true);
    return move.isPositionValid();
}

bool putDownTank(TDaten& daten, const TMoveTank& move) {
    const bool valid = move.isPositionValid();
    if (valid) {
        takeOver(daten, move, false);
    }
    return valid;
}

}  // namespace velmora
