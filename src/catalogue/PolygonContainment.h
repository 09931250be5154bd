#pragma once

#include "base/GeometryTypes.h"

namespace velmora {

// Even-odd test with a crossing count on each side of the point (both counts odd: inside).
// A point on the boundary is outside, which is why the room outlines are grown by 1 mm.
// The closing edge from the last point to the first is used only when the two differ.
bool istPunktImPolygon(const TPoints& Polygon, TPoint Punkt);

// Every point of Punkte lies inside Polygon (true for no points). Tests vertices only.
bool liegtPolygonImPolygon(const TPoints& Punkte, const TPoints& Polygon);

}  // namespace velmora
