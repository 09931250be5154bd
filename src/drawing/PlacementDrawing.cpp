#include "drawing/PlacementDrawing.h"

#include "catalogue/TProdukt.h"
#include "catalogue/TTempData.h"
#include "catalogue/TankImRaum.h"
#include "drawing/TGrafik.h"

namespace velmora {

void drawPlacement(TGrafik& Grafik, const TTempData& TempData, const TProdukt* Produkt,
                   bool AIsMoving, bool AIsPositionValid) {
    const Suchvorgaben& v = TempData.Vorgaben;
    const double raumBreite = v.RaumBreite;
    const double raumLaenge = v.RaumLaenge;
    const double eckeBreite = v.EckeBreite;
    const double eckeLaenge = v.EckeLaenge;

    Grafik.beginneZeichnung(raumBreite, raumLaenge);
    if (!TempData.EckePosition.empty()) {
        Grafik.zeichneEcke(TempData.EckePosition, eckeBreite, eckeLaenge, raumBreite, raumLaenge);
    }
    if (!TempData.HeizraumPosition.empty()) {
        Grafik.zeichneHeizraum(TempData.HeizraumPosition, v.HeizraumBreite, v.HeizraumLaenge,
                               TempData.eckeVorhanden, TempData.eckeNebenHeizraum(),
                               TempData.eckeUnterHeizraum(), raumBreite, raumLaenge, eckeBreite,
                               eckeLaenge, TempData.getAbstandHeizraum(), AIsMoving);
    }
    if (Produkt) {
        Grafik.zeichneTank(TempData.TankPosition, TempData.HeizraumPosition, *Produkt,
                           TempData.heizraum, TempData.safeKessel, TempData.zehnCm,
                           TempData.eckeVorhanden, TempData.eckeDaneben(), TempData.eckeDarunter(),
                           raumBreite, raumLaenge, eckeBreite, eckeLaenge, AIsMoving,
                           AIsPositionValid);
        // A single tank has no arrangement to draw: the plan says so instead of staying empty.
        if (!Produkt->getAufstellvariation()) {
            Grafik.zeichneHinweis({kEinzeltank, kKeineBatterieaufstellung});
        }
    }
}

}  // namespace velmora
