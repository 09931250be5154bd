#pragma once

#include <cstddef>
#include <vector>

#include "base/GeometryTypes.h"

namespace velmora {

// Even-odd test with a crossing count on each side of the point (both counts odd: inside).
// A point on the boundary is outside, which is why the room outlines are grown by 1 mm.
// The closing edge from the last point to the first is used only when the two differ.
bool istPunktImPolygon(const TPoints& Polygon, TPoint Punkt);

// Every point of Punkte lies inside Polygon (true for no points). Tests vertices only.
bool liegtPolygonImPolygon(const TPoints& Punkte, const TPoints& Polygon);

// A polygon tested against many outlines, prepared once: its box, whether it is an
// axis-parallel rectangle, whose inside is just the inside of its box, and its edges sorted
// into horizontal ones, which bound a row of points, vertical ones, crossed at their own x,
// and the others. Answers as liegtPolygonImPolygon. Refers to the polygon, which must
// outlive it.
class VorbereitetesPolygon {
public:
    explicit VorbereitetesPolygon(const TPoints& Polygon);
    bool enthaelt(const TPoints& Punkte) const;

private:
    struct Kante {
        TPoint a;
        TPoint b;
        int minX;
        int maxX;
        int minY;
        int maxY;
    };
    bool enthaeltPunkt(TPoint Punkt) const;

    const TPoints& FPolygon;
    TPoint FMin;
    TPoint FMax;
    bool FRechteck = false;
    // The horizontal edges (points included), the vertical ones from FErsteSenkrechte on,
    // the slanted ones from FErsteSchraege on.
    std::vector<Kante> FKanten;
    std::size_t FErsteSenkrechte = 0;
    std::size_t FErsteSchraege = 0;
};

}  // namespace velmora
