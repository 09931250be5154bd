#include "app/TDaten.h"

#include "base/LenientNumber.h"
#include "drawing/TGrafik.h"

namespace velmora {

void TDaten::erstelleGrafik(TGrafik* Grafik, bool AIsMoving, bool AIsPositionValid) {
    TGrafik* grafik = Grafik ? Grafik : FGrafik.get();
    if (!grafik) {
        return;
    }
    // The placement state keeps the inputs of the last search as millimetre texts.
    const double raumBreite = parseLenient(TempData.loesRaumBreite);
    const double raumLaenge = parseLenient(TempData.loesRaumLaenge);
    const double eckeBreite = parseLenient(TempData.loesEckeBreite);
    const double eckeLaenge = parseLenient(TempData.loesEckeLaenge);

    grafik->beginneZeichnung(raumBreite, raumLaenge);
    if (!TempData.EckePosition.empty()) {
        grafik->zeichneEcke(TempData.EckePosition, eckeBreite, eckeLaenge, raumBreite, raumLaenge);
    }
    if (!TempData.HeizraumPosition.empty()) {
        grafik->zeichneHeizraum(
            TempData.HeizraumPosition, parseLenient(TempData.loesHeizraumBreite),
            parseLenient(TempData.loesHeizraumLaenge), TempData.eckeVorhanden,
            TempData.eckeNebenHeizraum(), TempData.eckeUnterHeizraum(), raumBreite, raumLaenge,
            eckeBreite, eckeLaenge, TempData.getAbstandHeizraum(), AIsMoving);
    }
    if (AktuellesProdukt) {
        grafik->zeichneTank(TempData.TankPosition, TempData.HeizraumPosition, *AktuellesProdukt,
                            TempData.heizraum, TempData.safeKessel, TempData.zehnCm,
                            TempData.eckeVorhanden, TempData.eckeDaneben(), TempData.eckeDarunter(),
                            raumBreite, raumLaenge, eckeBreite, eckeLaenge, AIsMoving,
                            AIsPositionValid);
    }
}

}  // namespace velmora
