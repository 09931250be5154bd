#pragma once

namespace velmora {

// One additional installation height of a product: the stand or collecting tray that a
// battery of FAnzahl tanks needs on top of the tank height. FAnzahl 0 marks the height
// that the installation norm prescribes.
class TZusaetzlicheAufstellHoehe {
public:
    TZusaetzlicheAufstellHoehe(int AAnzahl, int AHoehe) : FAnzahl(AAnzahl), FHoehe(AHoehe) {}

    int getAnzahl() const { return FAnzahl; }
    // Millimetres.
    int getHoehe() const { return FHoehe; }

private:
    int FAnzahl;
    int FHoehe;
};

}  // namespace velmora
