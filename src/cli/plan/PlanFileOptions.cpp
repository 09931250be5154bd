#include "cli/plan/PlanFileOptions.h"

#include "app/MaterialCsv.h"
#include "app/PlanRestore.h"
#include "app/TDaten.h"

namespace velmora {

PlanFileReadResult openPlanFile(PlanOptions& options) {
    PlanFileReadResult read = readPlanFile(*options.openFile);
    if (read.plan) {
        const PlanFile& plan = *read.plan;
        options.inputs = plan.inputs;
        options.type = plan.productGroup;
        options.tankPosition = plan.tankPosition;
        options.cornerPosition = plan.cornerPosition;
        options.boilerPosition = plan.boilerPosition;
        options.boilerRoom = plan.boilerRoom;
        options.protectedBoiler = plan.protectedBoiler;
        options.tenCm = plan.tenCm;
    }
    return read;
}

bool writePlanFiles(const TDaten& daten, const PlanOptions& options, const PlanInputs& givenInputs,
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
        PlanFile plan;
        plan.inputs = givenInputs;
        plan.productGroup = options.type;
        plan.tankPosition = options.tankPosition;
        plan.cornerPosition = options.cornerPosition;
        plan.boilerPosition = options.boilerPosition;
        plan.boilerRoom = options.boilerRoom;
        plan.protectedBoiler = options.protectedBoiler;
        plan.tenCm = options.tenCm;
        plan.projectName = daten.getAktuellerProjektName();
        plan.selection = currentPlanSelection(daten);
        return writePlanFile(*options.saveFile, plan, error);
    }
    return true;
}

}  // namespace velmora
