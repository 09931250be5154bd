#pragma once

#include <string>

#include "app/PlanFile.h"
#include "cli/plan/PlanOptions.h"

namespace velmora {

class TDaten;

// Reads the plan named by --open and puts it into options, as if its inputs had been given
// on the command line. On failure the result's error is the line for standard error.
PlanFileReadResult openPlanFile(PlanOptions& options);

// Writes the outputs of --material-csv and --save: the material list of the current
// solution and a plan file of the run: givenPlan, the inputs as given (before the search
// rewrote them), with the current choice. False with a one-line error when a file cannot be
// written; throws PlanUsageError for --material-csv without a current solution.
bool writePlanFiles(const TDaten& daten, const PlanOptions& options, const PlanFile& givenPlan,
                    std::string& error);

}  // namespace velmora
