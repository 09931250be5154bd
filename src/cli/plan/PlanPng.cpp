#include "cli/plan/PlanPng.h"

#include "app/TDaten.h"
#include "drawing/SideViewDrawing.h"
#include "drawing/TGrafik.h"
#include "platform/qt/QtOffscreen.h"
#include "platform/qt/QtRasterImage.h"

namespace velmora {

bool writePlanPng(TDaten& daten, const std::string& file, int width, int height, PngView view,
                  std::string& error) {
    if (width <= 0 || height <= 0) {
        error = "Ungültige Bildgröße.";
        return false;
    }
    ensureOffscreenApplication();
    QtRasterImage image(width, height);
    if (view == PngView::Side) {
        drawSideView(image.canvas(), width, height, daten.getTempData(),
                     daten.getAktuellesProdukt(), false);
    } else {
        TGrafik grafik(daten.getAppPath(), image.canvas(), width, height, false, colors::white,
                       colors::black);
        daten.erstelleGrafik(&grafik, false, true);
    }
    return savePngAtomically(image, file, error);
}

}  // namespace velmora
