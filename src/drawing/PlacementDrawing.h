#pragma once

namespace velmora {

class TGrafik;
class TProdukt;
class TTempData;

// Draws the room of the last search with its corner cut-out and boiler room, then the
// product's current battery (for a single tank a note in its place) when a product is
// given, all from the placement state; the plan view and the printout draw the same
// picture this way.
void drawPlacement(TGrafik& Grafik, const TTempData& TempData, const TProdukt* Produkt,
                   bool AIsMoving, bool AIsPositionValid);

}  // namespace velmora
