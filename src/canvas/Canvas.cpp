#include "canvas/Canvas.h"

namespace velmora {

void Canvas::lineTo(TPoint point) {
    drawLine(penPosition_, point);
    penPosition_ = point;
}

}  // namespace velmora
