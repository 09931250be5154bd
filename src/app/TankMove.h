#pragma once

#include <memory>

#include "app/TMoveTank.h"
#include "base/GeometryTypes.h"

namespace velmora {

class TDaten;

// The steps of one free move of the current battery, shared by the window and the
// command-line planner: pick-up, any number of pointer steps, put-down. The caller draws.

// Starts from the placed outlines and committed offset of the current installation, which
// its moving copies take over. Null when no product or installation is current.
std::unique_ptr<TMoveTank> pickUpTank(TDaten& daten);

// The pointer at Pointer (room mm): the moving copies follow it. Returns whether the place
// is valid, which the drawing shows.
bool moveTankTo(TDaten& daten, TMoveTank& move, TPointF Pointer);

// Commits the moved outlines and offset when the place is valid; otherwise the installation
// keeps its previous placement. Returns whether the place was valid.
bool putDownTank(TDaten& daten, const TMoveTank& move);

}  // namespace velmora
