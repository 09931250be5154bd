#pragma once

#include <cstddef>
#include <string>

#include "cli/plan/PlanOptions.h"

namespace velmora {

class TDaten;

// The result of one planning run as the command line prints it: the ten input texts as the
// search rewrote them, the placement state, the warnings, the outlines, every solution with
// its installations and, when one is current, its figures and material. The JSON takes the
// window's variant index from the caller, which has already collected its warning.
std::string planReportJson(const TDaten& daten, const PlanInputs& inputs,
                           std::size_t varianteIndex);
std::string planReportText(const TDaten& daten, const PlanInputs& inputs);

}  // namespace velmora
