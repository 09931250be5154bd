#include "catalogue/PolygonContainment.h"

#include <algorithm>
#include <cstddef>

namespace velmora {

namespace {

// Where the non-horizontal edge a-b crosses the row y. In floating point: coordinate
// differences of extreme integers overflow int. A vertical edge, as most room edges are, is
// crossed at its own x: no division.
double kreuzungX(TPoint a, TPoint b, int y) {
    return a.X == b.X ? a.X
                      : a.X + (static_cast<double>(b.X) - a.X) / (static_cast<double>(b.Y) - a.Y) *
                                  (static_cast<double>(y) - a.Y);
}

// The number of edges: the closing edge only when the last point differs from the first.
std::size_t kantenZahl(const TPoints& Polygon) {
    return Polygon.back() == Polygon.front() ? Polygon.size() - 1 : Polygon.size();
}

}  // namespace

bool istPunktImPolygon(const TPoints& Polygon, TPoint Punkt) {
    const std::size_t n = Polygon.size();
    if (n == 0) {
        return false;
    }
    const std::size_t edges = kantenZahl(Polygon);
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
        const double x = kreuzungX(a, b, Punkt.Y);
        if (x < Punkt.X) {
            ++links;
        } else if (x > Punkt.X) {
            ++rechts;
        }
    }
    return links % 2 == 1 && rechts % 2 == 1;
}

bool liegtPolygonImPolygon(const TPoints& Punkte, const TPoints& Polygon) {
    return VorbereitetesPolygon(Polygon).enthaelt(Punkte);
}

namespace {

// Four corners joined by edges that alternate between horizontal and vertical, none of
// them of zero length; the first point may be repeated at the end.
bool istAchsenparallelesRechteck(const TPoints& Polygon) {
    const std::size_t n = Polygon.size();
    if (n != 4 && !(n == 5 && Polygon.back() == Polygon.front())) {
        return false;
    }
    bool vorigeWaagerecht = false;
    for (std::size_t i = 0; i < 4; ++i) {
        const TPoint a = Polygon[i];
        const TPoint b = Polygon[(i + 1) % 4];
        const bool waagerecht = a.Y == b.Y && a.X != b.X;
        const bool senkrecht = a.X == b.X && a.Y != b.Y;
        if ((!waagerecht && !senkrecht) || (i > 0 && waagerecht == vorigeWaagerecht)) {
            return false;
        }
        vorigeWaagerecht = waagerecht;
    }
    return true;
}

}  // namespace

VorbereitetesPolygon::VorbereitetesPolygon(const TPoints& Polygon)
    : FPolygon(Polygon), FRechteck(istAchsenparallelesRechteck(Polygon)) {
    if (Polygon.empty()) {
        return;
    }
    const auto [minX, maxX] = std::ranges::minmax(Polygon, {}, &TPoint::X);
    const auto [minY, maxY] = std::ranges::minmax(Polygon, {}, &TPoint::Y);
    FMin = {minX.X, minY.Y};
    FMax = {maxX.X, maxY.Y};
    const std::size_t n = Polygon.size();
    const std::size_t kanten = kantenZahl(Polygon);
    FKanten.reserve(kanten);
    for (std::size_t i = 0; i < kanten; ++i) {
        const TPoint a = Polygon[i];
        const TPoint b = i + 1 < n ? Polygon[i + 1] : Polygon[0];
        FKanten.push_back(
            {a, b, std::min(a.X, b.X), std::max(a.X, b.X), std::min(a.Y, b.Y), std::max(a.Y, b.Y)});
    }
    const auto senkrechte = std::partition(FKanten.begin(), FKanten.end(),
                                           [](const Kante& k) { return k.minY == k.maxY; });
    const auto schraege =
        std::partition(senkrechte, FKanten.end(), [](const Kante& k) { return k.minX == k.maxX; });
    FErsteSenkrechte = static_cast<std::size_t>(senkrechte - FKanten.begin());
    FErsteSchraege = static_cast<std::size_t>(schraege - FKanten.begin());
}

bool VorbereitetesPolygon::enthaeltPunkt(TPoint Punkt) const {
    const Kante* kante = FKanten.data();
    const Kante* ersteSenkrechte = kante + FErsteSenkrechte;
    const Kante* ersteSchraege = kante + FErsteSchraege;
    for (; kante != ersteSenkrechte; ++kante) {
        if (Punkt.Y == kante->minY && kante->minX <= Punkt.X && Punkt.X <= kante->maxX) {
            return false;
        }
    }
    int links = 0;
    int rechts = 0;
    for (; kante != ersteSchraege; ++kante) {
        if (kante->minY <= Punkt.Y && Punkt.Y < kante->maxY) {
            links += kante->minX < Punkt.X ? 1 : 0;
            rechts += kante->minX > Punkt.X ? 1 : 0;
        }
    }
    for (; kante != FKanten.data() + FKanten.size(); ++kante) {
        if (Punkt.Y < kante->minY || Punkt.Y >= kante->maxY) {
            continue;
        }
        const double x = kreuzungX(kante->a, kante->b, Punkt.Y);
        if (x < Punkt.X) {
            ++links;
        } else if (x > Punkt.X) {
            ++rechts;
        }
    }
    return links % 2 == 1 && rechts % 2 == 1;
}

bool VorbereitetesPolygon::enthaelt(const TPoints& Punkte) const {
    if (FPolygon.empty()) {
        return Punkte.empty();
    }
    if (FRechteck) {
        // The crossing count makes the boundary outside: strictly inside the box.
        return std::ranges::all_of(Punkte, [&](TPoint p) {
            return p.X > FMin.X && p.X < FMax.X && p.Y > FMin.Y && p.Y < FMax.Y;
        });
    }
    // A point beyond the polygon's box crosses no edge on one side: outside, without the count.
    return std::ranges::all_of(Punkte, [&](TPoint p) {
        return p.X >= FMin.X && p.X <= FMax.X && p.Y >= FMin.Y && p.Y <= FMax.Y && enthaeltPunkt(p);
    });
}

}  // namespace velmora
