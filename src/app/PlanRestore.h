#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/PlanFile.h"
#include "app/SuchAuftrag.h"

namespace velmora {

class TDaten;

// The chosen solution as a plan file keeps it: current product, its installation exactly
// (name, kind of second row, occurrence, orientation), the committed free-position offset
// and the ticked optional accessories. None when no product is current.
std::optional<PlanSelection> currentPlanSelection(const TDaten& daten);

// What bringing a plan back did.
struct PlanRestoreReport {
    // The search's answer: the inputs as it corrected them and its warnings.
    SuchErgebnis suche;
    // The parts of the plan that could not be brought back exactly, one German sentence each.
    std::vector<std::string> notes;

    // The warnings and the notes, CR LF between them, for one message; empty when the plan
    // came back whole.
    std::string message() const;
};

// Brings a plan back into the core in one call: runs the search the plan's inputs make
// (its product and installation remembered, so that the search's own rule finds a similar
// installation where the exact one is gone), then chooses the exact installation when it
// exists, applies the free-position offset when the shifted battery still fits the room
// and sets the ticks. Shows no message: everything that was not restored is in the report.
PlanRestoreReport restorePlan(TDaten& daten, const PlanFile& plan, int Dec = 2);

}  // namespace velmora
