#pragma once

#include "canvas/Canvas.h"

namespace velmora {

class TProdukt;
class TTempData;

// The side view of the last search's installation on a canvas of width x height pixels:
// floor and ceiling at the room height, the battery's tanks seen along the rows (a second
// row behind the first in grey) with the additional installation height above them, the
// chain tank height / additional height / free height up to the ceiling, and beside it the
// bring-in opening with its height. Without a room height only the background is drawn;
// without a product only the room. Printout: a surface of 0.1 mm per pixel. The canvas's
// brush, pen and font are left as they were.
void drawSideView(Canvas& canvas, int width, int height, const TTempData& TempData,
                  const TProdukt* Produkt, bool printout);

}  // namespace velmora
