#include "app/TDaten.h"
#include "drawing/PlacementDrawing.h"
#include "drawing/TGrafik.h"

namespace velmora {

void TDaten::erstelleGrafik(TGrafik* Grafik, bool AIsMoving, bool AIsPositionValid) {
    TGrafik* grafik = Grafik ? Grafik : FGrafik.get();
    if (grafik) {
        drawPlacement(*grafik, TempData, AktuellesProdukt, AIsMoving, AIsPositionValid);
    }
}

}  // namespace velmora
