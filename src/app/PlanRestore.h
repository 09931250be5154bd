#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/PlanFile.h"

namespace velmora {

class TDaten;

// The chosen solution as a plan file keeps it: current product, its installation by variant
// name and orientation, the committed free-position offset and the ticked optional
// accessories. None when no product is current.
std::optional<PlanSelection> currentPlanSelection(const TDaten& daten);

// What bringing a plan back did not restore exactly.
struct PlanRestoreReport {
    // The warnings the search collected (corrections, product or installation no longer
    // possible), CR LF between them, as the search shows them.
    std::string searchWarnings;
    // The parts of the plan that could not be brought back, one German sentence each.
    std::vector<std::string> notes;

    // Both, CR LF between the lines, for one message; empty when the plan came back whole.
    std::string message() const;
};

// Brings a plan back into the core. search must run the core's search with the plan's
// inputs (set into the caller's fields beforehand) and ZurueckSetzen = false; the plan's
// product and installation are remembered before, so the search restores them by its own
// rule for a similar installation where the exact one is gone. Afterwards the exact
// installation is chosen when it exists, the free-position offset is applied when the
// shifted battery still fits the room, and the ticks are set. The search shows no message
// while it runs: everything that was not restored is in the report.
PlanRestoreReport restorePlan(TDaten& daten, const PlanFile& plan,
                              const std::function<void()>& search);

}  // namespace velmora
