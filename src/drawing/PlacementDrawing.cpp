#include "drawing/PlacementDrawing.h"

#include "base/LenientNumber.h"
#include "catalogue/TProdukt.h"
#include "catalogue/TTempData.h"
#include "catalogue/TankImRaum.h"
#include "drawing/TGrafik.h"

namespace velmora {

void drawPlacement(TGrafik& Grafik, const TTempData& TempData, const TProdukt* Produkt,
                   bool AIsMoving, bool AIsPositionValid) {
    // The placement state keeps the inputs of the last search as millimetre texts.
    const double raumBreite = parseLenient(TempData.loesRaumBreite);
    const double raumLaenge = parseLenient(TempData.loesRaumLaenge);
    const double eckeBreite = parseLenient(TempData.loesEckeBreite);
    const double eckeLaenge = parseLenient(TempData.loesEckeLaenge);

    Grafik.beginneZeichnung(raumBreite, raumLaenge);
    if (!TempData.EckePosition.empty()) {
        Grafik.zeichneEcke(TempData.EckePosition, eckeBreite, eckeLaenge, raumBreite, raumLaenge);
    }
    if (!TempData.HeizraumPosition.empty()) {
        Grafik.zeichneHeizraum(TempData.HeizraumPosition, parseLenient(TempData.loesHeizraumBreite),
                               parseLenient(TempData.loesHeizraumLaenge), TempData.eckeVorhanden,
                               TempData.eckeNebenHeizraum(), TempData.eckeUnterHeizraum(),
                               raumBreite, raumLaenge, eckeBreite, eckeLaenge,
                               TempData.getAbstandHeizraum(), AIsMoving);
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
