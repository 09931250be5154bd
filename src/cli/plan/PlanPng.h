#pragma once

#include <string>

#include "cli/plan/PlanOptions.h"

namespace velmora {

class TDaten;

// Draws the plan of the current state (room, corner cut-out, boiler room and the current
// battery) or its side view as the window does onto an off-screen image of width x height
// pixels and writes it as a PNG file. False with a message in error when that fails.
bool writePlanPng(TDaten& daten, const std::string& file, int width, int height, PngView view,
                  std::string& error);

}  // namespace velmora
