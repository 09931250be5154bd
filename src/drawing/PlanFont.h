#pragma once

#include "canvas/Canvas.h"

namespace velmora {

// Em height of the labels on a printout surface, in its pixels of 0.1 mm: 4.0 mm, a cap
// height of about 2.8 mm (cap height taken as 0.7 em), legible on paper.
inline constexpr int printLabelEmHeight = 40;

// The label font of the plan drawings: Arial of 10 pt on a screen surface; on a printout
// surface (one pixel per 0.1 mm of paper) printLabelEmHeight, whatever resolution the
// off-screen image reports.
Font planLabelFont(const Canvas& canvas, bool printout);

}  // namespace velmora
