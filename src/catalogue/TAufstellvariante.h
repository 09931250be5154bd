#pragma once

#include <string>

#include "base/GeometryTypes.h"

namespace velmora {

// One installation variant of the catalogue: how many tanks stand in how many rows, how
// many of the four variant-counted fittings the battery needs, and the clearances around
// and inside the battery, with and without the installation norm. Lengths in mm.
class TAufstellvariante {
public:
    // Aufstellvariante is the name "N" or "N+M": Reihe1 = N, Reihe2 = M (0 without "+").
    // A part that is not a plain whole number counts as 0.
    TAufstellvariante(std::string Aufstellvariante, std::string ProduktArtNr, int Hp, int Ep,
                      int Up, int UpSonder, bool ZwReihWaag, bool Normrelevant,
                      bool HasNormAlternative, TRect GapOut, TRect GapOutNormIgnore, TPoint GapIn,
                      TPoint GapInNormIgnore);

    const std::string& getVariante() const { return Aufstellvariante; }
    // Empty for a variant of the whole product group.
    const std::string& ProduktArtNr() const { return FProduktArtNr; }
    bool HasNormAlternative() const { return FHasNormAlternative; }
    int getHp() const { return Hp; }
    int getEp() const { return Ep; }
    int getUp() const { return Up; }
    int getUpSonder() const { return UpSonder; }
    int getReihe1() const { return Reihe1; }
    int getReihe2() const { return Reihe2; }
    bool getZwReihWaag() const { return ZwReihWaag; }
    bool isNormrelevant() const { return FNormrelevant; }
    // Reihe1 + Reihe2.
    int getAnzahlTanks() const;
    // Left, Top, Right, Bottom clearance around the battery.
    TRect getGapOut(bool ANormIgnore) const { return ANormIgnore ? FGapOutNormIgnore : FGapOut; }
    // Clearances where the rows meet.
    TPoint getGapIn(bool ANormIgnore) const { return ANormIgnore ? FGapInNormIgnore : FGapIn; }

    // True when both are null, or both exist and all four gap values are equal.
    static bool isGapEquals(const TAufstellvariante* v1, const TAufstellvariante* v2);

private:
    std::string Aufstellvariante;
    std::string FProduktArtNr;
    int Hp;
    int Ep;
    int Up;
    int UpSonder;
    int Reihe1 = 0;
    int Reihe2 = 0;
    bool ZwReihWaag;
    bool FNormrelevant;
    bool FHasNormAlternative;
    TRect FGapOut;
    TRect FGapOutNormIgnore;
    TPoint FGapIn;
    TPoint FGapInNormIgnore;
};

}  // namespace velmora
