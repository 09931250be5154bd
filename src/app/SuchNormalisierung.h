#pragma once

#include "app/PlanInputs.h"
#include "app/SuchAuftrag.h"
#include "catalogue/Suchvorgaben.h"

namespace velmora {

// The defaults and limits of "settings.dta" that a search applies (metres, litres).
struct Suchgrenzen {
    double StandardRaumBreite = 0;
    double StandardRaumLaenge = 0;
    double StandardRaumHoehe = 0;
    double StandardVolumen = 0;
    double StandardEinbringHoehe = 0;
    double StandardEinbringBreite = 0;
    double MaxRaumBreite = 0;
    double MaxRaumLaenge = 0;
    double MaxRaumHoehe = 0;
    double MaxVolumenBeiHeizraum = 0;
    double VolumenVarianz = 0;
};

// A request made ready for the search: the typed record, the ten texts as corrected (each
// with its field's decimals), and which corrections the user is warned of.
struct NormalisierteSuche {
    Suchvorgaben Vorgaben{};
    PlanInputs Eingaben{};
    bool EinbringFehler = false;
    bool HeizraumFehler = false;
    bool EckeFehler = false;
};

// Fills empty or zero room, volume and opening fields with the defaults, drops signs, clips
// the room to the catalogue's largest, a boiler room's volume to its limit, the cut-out,
// boiler and opening to the room, drops a cut-out or boiler without size or corner (a boiler
// also on the cut-out's corner) and shrinks a boiler that collides with the cut-out; then
// builds the outlines of the free floor. Reads nothing but its arguments.
NormalisierteSuche normalisiereSuche(const SuchAuftrag& Auftrag, const Suchgrenzen& Grenzen);

}  // namespace velmora
