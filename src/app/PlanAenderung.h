#pragma once

#include <string>
#include <vector>

#include "app/PlanFile.h"

namespace velmora {

// What the window shows of a plan, as an undo step sees it: the plan as its file keeps it
// (the project name left out: it is asked when printing, not planned) and whether a search
// result is shown at all.
struct PlanStand {
    PlanFile plan;
    bool solutionShown = false;

    friend bool operator==(const PlanStand&, const PlanStand&) = default;
};

// The name of the step from vorher to nachher, as the undo command and the close question
// show it ("Tankanlage verschoben"); the first difference a user made counts, the inputs
// before the choice they lead to.
std::string planAenderung(const PlanStand& vorher, const PlanStand& nachher);

// The names once each, in the order given, joined with ", ".
std::string aenderungsListe(const std::vector<std::string>& namen);

}  // namespace velmora
