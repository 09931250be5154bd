#pragma once

#include <string>
#include <string_view>

#include "base/GeometryTypes.h"

namespace velmora {

// A corner of the room, as the position buttons name it: top left, bottom left, bottom
// right, top right; Keine where nothing is placed.
enum class Ecke { Keine, OL, UL, UR, OR };

// "OL", "UL", "UR" or "OR"; anything else is Keine.
Ecke eckeAusKuerzel(std::string_view Kuerzel);
// The corner's code; empty for Keine.
std::string_view kuerzel(Ecke Position);

// Two corners on the same top or bottom wall (OL and OR, UL and UR).
bool nebeneinander(Ecke a, Ecke b);
// Two corners on the same left or right wall (OL and UL, OR and UR).
bool untereinander(Ecke a, Ecke b);
// Two corners across the room (OL and UR, UL and OR).
bool diagonal(Ecke a, Ecke b);

// Boiler clearance in mm: 0 without a boiler room, 1000 without a protected boiler, else
// 400 or, with ten centimetres allowed, 100.
int abstandHeizraum(bool Heizraum, bool SafeKessel, bool ZehnCm);

// One search as the core runs it, after its request was normalised: lengths in whole mm, the
// volume in litres, corners as corners, and the outlines of the free floor. Every function
// of the search reads it; nothing reads these values back from text.
struct Suchvorgaben {
    std::string Tankart{};
    int SollVolumen = 0;
    int RaumBreite = 0;
    int RaumLaenge = 0;
    int RaumHoehe = 0;
    int EinbringBreite = 0;
    int EinbringHoehe = 0;
    Ecke TankPosition = Ecke::OL;
    // A corner cut-out is present exactly when it has a position; then both sizes are > 0.
    Ecke EckePosition = Ecke::Keine;
    int EckeBreite = 0;
    int EckeLaenge = 0;
    // Likewise the boiler room; it may have a position while Heizraum is off.
    Ecke HeizraumPosition = Ecke::Keine;
    int HeizraumBreite = 0;
    int HeizraumLaenge = 0;
    // The battery stands in the boiler room, with a protected boiler, at 10 cm from it.
    bool Heizraum = false;
    bool SafeKessel = false;
    bool ZehnCm = false;
    // Limits of the catalogue: the most a battery in a boiler room may hold, and how far
    // a battery's volume may lie from SollVolumen (litres).
    double MaxVolumenBeiHeizraum = 0;
    double VolumenVarianz = 0;
    // The battery stands at the cut-out's or the boiler's corner: it is searched turned.
    bool TankAufEcke = false;
    // abstandHeizraum of the three boiler options.
    int HeizraumAbstand = 0;
    // The free floor, grown by 1 mm: Raum for the clearances, HeizraumGeprueft for the tanks
    // (the boiler grown by its clearance); TopLeft is the room's top left corner.
    TPoints Raum{};
    TPoints HeizraumGeprueft{};
    TMyVec TopLeft{};
};

}  // namespace velmora
