// A build without the Qt shell (the clang fuzzing build) has no raster canvas to draw on.

#include "cli/plan/PlanPng.h"

namespace velmora {

bool writePlanPng(TDaten&, const std::string&, int, int, PngView, std::string& error) {
    error = "PNG-Ausgabe nicht verfügbar: ohne Qt gebaut.";
    return false;
}

}  // namespace velmora
