#include "cli/plan/PlanFileOptions.h"

#include "app/MaterialCsv.h"
#include "app/PlanRestore.h"
#include "app/TDaten.h"

namespace velmora {

PlanFileReadResult openPlanFile(PlanOptions& options) {
    PlanFileReadResult read = readPlanFile(*options.openFile);
    if (read.plan) {
        options.plan = *read.plan;
    }
    return read;
}

bool writePlanFiles(const TDaten& daten, const PlanOptions& options, const PlanFile& givenPlan,
                    std::string& error) {
    if (options.materialCsvFile) {
        if (daten.getAktuellesProdukt() == nullptr) {
            throw PlanUsageError("--material-csv: no solution is chosen");
        }
        if (!writeMaterialCsv(*options.materialCsvFile, daten, error)) {
            return false;
        }
    }
    if (options.saveFile) {
        PlanFile plan = givenPlan;
        plan.projectName = daten.getAktuellerProjektName();
        plan.selection = currentPlanSelection(daten);
        return writePlanFile(*options.saveFile, plan, error);
    }
    return true;
}

}  // namespace velmora
