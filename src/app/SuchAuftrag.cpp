#include "app/SuchAuftrag.h"

namespace velmora {

SuchAuftrag suchAuftrag(const PlanInputs& Texte, int Dec) {
    SuchAuftrag auftrag;
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
    return auftrag;
}

}  // namespace velmora
