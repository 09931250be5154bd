#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "cli/plan/PlanOptions.h"

namespace velmora {

class TDaten;

// The outcome of --move-to: the pointer of the put-down and whether the place was taken.
struct PlanMove {
    TMyVec to;
    bool valid = false;
};

// The result of one planning run as the command line prints it: the ten input texts as the
// search rewrote them, the placement state, the warnings, the outlines, every solution with
// its installations and, when one is current, its figures, material and placed outlines,
// then the free move when there was one. The JSON takes the window's variant index from the
// caller, which has already collected its warning.
std::string planReportJson(const TDaten& daten, const PlanInputs& inputs, std::size_t varianteIndex,
                           const std::optional<PlanMove>& move);
std::string planReportText(const TDaten& daten, const PlanInputs& inputs,
                           const std::optional<PlanMove>& move);

}  // namespace velmora
