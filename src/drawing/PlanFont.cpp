#include "drawing/PlanFont.h"

namespace velmora {

namespace {

constexpr int screenLabelPoints = 10;

}  // namespace

Font planLabelFont(const Canvas& canvas, bool printout) {
    Font font = canvas.font();
    font.name = "Arial";
    font.height = printout ? -printLabelEmHeight
                           : fontHeightForPoints(screenLabelPoints, canvas.pixelsPerInch());
    font.escapement = 0;
    return font;
}

}  // namespace velmora
