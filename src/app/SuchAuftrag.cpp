#include "app/SuchAuftrag.h"

#include "app/EingabeRegeln.h"
#include "base/LenientNumber.h"

namespace velmora {

namespace {

bool angegeben(const std::string& Breite, const std::string& Laenge) {
    return parseLenient(Breite) != 0.0 && parseLenient(Laenge) != 0.0;
}

}  // namespace

SuchAuftrag suchAuftrag(const PlanFile& Plan, int Dec, bool ZurueckSetzen) {
    const PlanInputs& Texte = Plan.inputs;
    SuchAuftrag auftrag;
    auftrag.Tankart = Plan.productGroup;
    auftrag.TankPosition = Plan.tankPosition.empty() ? "OL" : Plan.tankPosition;
    auftrag.EckePosition = Plan.cornerPosition;
    auftrag.HeizraumPosition = Plan.boilerPosition;
    const bool heizraum = Plan.boilerRoom && angegeben(Texte.boilerWidth, Texte.boilerLength);
    if (angegeben(Texte.cornerWidth, Texte.cornerLength) && auftrag.EckePosition.empty()) {
        auftrag.EckePosition = standardEcke(auftrag.TankPosition, auftrag.HeizraumPosition);
    }
    if (heizraum && auftrag.HeizraumPosition.empty()) {
        auftrag.HeizraumPosition = standardEcke(auftrag.TankPosition, auftrag.EckePosition);
    }
    auftrag.RaumBreite = {Texte.roomWidth, Dec};
    auftrag.RaumLaenge = {Texte.roomLength, Dec};
    auftrag.RaumHoehe = {Texte.roomHeight, Dec};
    auftrag.SollVolumen = {Texte.volume, Dec};
    auftrag.EinbringHoehe = {Texte.openingHeight, Dec};
    auftrag.EinbringBreite = {Texte.openingWidth, Dec};
    auftrag.EckeBreite = {Texte.cornerWidth, Dec};
    auftrag.EckeLaenge = {Texte.cornerLength, Dec};
    auftrag.HeizraumBreite = {Texte.boilerWidth, Dec};
    auftrag.HeizraumLaenge = {Texte.boilerLength, Dec};
    auftrag.VorgHeizraum = Plan.boilerRoom;
    auftrag.VorgKessel = Plan.protectedBoiler;
    auftrag.VorgKessel10 = Plan.tenCm;
    auftrag.ZurueckSetzen = ZurueckSetzen;
    // Callers draw the plan when they show it.
    auftrag.ARefreshGraphic = false;
    return auftrag;
}

}  // namespace velmora
