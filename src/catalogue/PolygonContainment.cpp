#include "catalogue/PolygonContainment.h"

#include <algorithm>
#include <cstddef>

namespace velmora {

bool istPunktImPolygon(const TPoints& Polygon, TPoint Punkt) {
    const std::size_t n = Polygon.size();
    if (n == 0) {
        return false;
    }
    const std::size_t edges = Polygon.back() == Polygon.front() ? n - 1 : n;
    int links = 0;
    int rechts = 0;
    for (std::size_t i = 0; i < edges; ++i) {
        const TPoint a = Polygon[i];
        const TPoint b = i + 1 < n ? Polygon[i + 1] : Polygon[0];
        if (a.Y == Punkt.Y && b.Y == Punkt.Y && std::min(a.X, b.X) <= Punkt.X &&
            Punkt.X <= std::max(a.X, b.X)) {
            // The crossing count cannot see a horizontal edge and would take a point on a
            // lower edge for inside; the boundary is outside everywhere.
            return false;
        }
        const bool crosses = (a.Y <= Punkt.Y && Punkt.Y < b.Y) || (b.Y <= Punkt.Y && Punkt.Y < a.Y);
        if (!crosses) {
            continue;
        }
        // In floating point: coordinate differences of extreme integers overflow int.
        const double x = a.X + (static_cast<double>(b.X) - a.X) / (static_cast<double>(b.Y) - a.Y) *
                                   (static_cast<double>(Punkt.Y) - a.Y);
        if (x < Punkt.X) {
            ++links;
        } else if (x > Punkt.X) {
            ++rechts;
        }
    }
    return links % 2 == 1 && rechts % 2 == 1;
}

bool liegtPolygonImPolygon(const TPoints& Punkte, const TPoints& Polygon) {
    if (Polygon.empty()) {
        return Punkte.empty();
    }
    // A point beyond the polygon's box crosses no edge on one side: outside, without the count.
    auto [minX, maxX] = std::ranges::minmax(Polygon, {}, &TPoint::X);
    auto [minY, maxY] = std::ranges::minmax(Polygon, {}, &TPoint::Y);
    return std::ranges::all_of(Punkte, [&](TPoint p) {
        return p.X >= minX.X && p.X <= maxX.X && p.Y >= minY.Y && p.Y <= maxY.Y &&
               istPunktImPolygon(Polygon, p);
    });
}

}  // namespace velmora
