#pragma once

#include <string>
#include <vector>

#include "app/PlanFile.h"
#include "app/PlanInputs.h"

namespace velmora {

// One input field of a search: its text as the field holds it (metres, litres) and the
// decimals the field shows, with which the search writes its corrections.
struct SuchFeld {
    std::string text{};
    int dec = 2;
};

// What a search is asked: the product group (empty: every group), the corners of battery,
// corner cut-out and boiler, the ten input fields and the boiler options.
struct SuchAuftrag {
    std::string Tankart{};
    std::string TankPosition{};
    std::string EckePosition{};
    std::string HeizraumPosition{};
    SuchFeld RaumBreite{};
    SuchFeld RaumLaenge{};
    SuchFeld RaumHoehe{};
    SuchFeld SollVolumen{};
    SuchFeld EinbringHoehe{};
    SuchFeld EinbringBreite{};
    SuchFeld EckeBreite{};
    SuchFeld EckeLaenge{};
    SuchFeld HeizraumBreite{};
    SuchFeld HeizraumLaenge{};
    bool VorgHeizraum = false;
    bool VorgKessel = false;
    bool VorgKessel10 = false;
    // Forget the remembered product instead of showing it again.
    bool ZurueckSetzen = true;
    // Draw the plan on the core's own drawing surface.
    bool ARefreshGraphic = true;
};

// The search a plan asks for: its group, corners and boiler options, its ten input texts,
// all with Dec decimals. The battery stands top left unless the plan says otherwise; a
// corner cut-out or a boiler room of nonzero size without a corner takes the default corner
// (standardEcke), as the window's position buttons do when they open.
SuchAuftrag suchAuftrag(const PlanFile& Plan, int Dec, bool ZurueckSetzen);

// What a search answers: the ten texts as it corrected them (defaults filled in, signs
// dropped, values clipped) and the warnings it collected, one per entry, in the order the
// user is shown them.
struct SuchErgebnis {
    PlanInputs Eingaben{};
    std::vector<std::string> Warnungen{};
};

}  // namespace velmora
