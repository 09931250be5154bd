#include "canvas/CanvasTypes.h"

#include "base/Rounding.h"

namespace velmora {

int fontHeightForPoints(int points, int pixelsPerInch) {
    return -roundHalfAwayFromZero(static_cast<double>(points) * pixelsPerInch / 72.0);
}

}  // namespace velmora
