#include "cli/plan/PlanPdf.h"

#include "app/TDaten.h"
#include "platform/qt/QtOffscreen.h"
#include "platform/qt/QtPagePrinting.h"
#include "platform/qt/QtRecordedDocument.h"
#include "printing/TAusdruck.h"

namespace velmora {

bool writePrintoutPdf(TDaten& daten, Printout printout, const std::string& projectName,
                      const std::string& file, std::string& error) {
    const TProdukt* produkt = daten.getAktuellesProdukt();
    if (!produkt) {
        error = "Keine Lösung ausgewählt.";
        return false;
    }
    ensureOffscreenApplication();
    QtRecordedDocument document;
    TAusdruck ausdruck(daten.getAppPath());
    if (printout == Printout::PlanningSheet) {
        ausdruck.LoesungDruck(document, projectName, daten.getOptZubehoerPreis(), *produkt,
                              daten.getTempData());
    } else {
        ausdruck.DatanormDruck(document, projectName, *produkt);
    }
    return writePdfAtomically(document, file, error);
}

}  // namespace velmora
