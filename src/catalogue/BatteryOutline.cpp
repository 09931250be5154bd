#include "catalogue/BatteryOutline.h"

#include <algorithm>
#include <array>
#include <initializer_list>

#include "base/Rounding.h"

namespace velmora {

namespace {

// Outline points in floating point until they are placed: catalogue sizes times tank counts
// plus gaps may exceed even 64-bit integers for absurd entries, and the placed result is
// clamped to the int range. Whole millimetres stay exact far beyond any real room.
struct Point {
    double x = 0;
    double y = 0;
};

// At most six corners (a stepped battery), kept on the stack: the search places an outline
// for every variant it tries.
class Outline {
public:
    Outline(std::initializer_list<Point> points) : FSize(std::min(points.size(), kMax)) {
        std::copy_n(points.begin(), FSize, FPoints.begin());
    }
    Point* begin() { return FPoints.data(); }
    Point* end() { return FPoints.data() + FSize; }
    const Point* begin() const { return FPoints.data(); }
    const Point* end() const { return FPoints.data() + FSize; }
    const Point& front() const { return FPoints.front(); }
    std::size_t size() const { return FSize; }

private:
    static constexpr std::size_t kMax = 6;
    std::array<Point, kMax> FPoints{};
    std::size_t FSize;
};

struct Box {
    double minX = 0;
    double minY = 0;
    double maxX = 0;
    double maxY = 0;
};

RoomCorner cornerOf(Ecke position) {
    RoomCorner corner;
    if (position == Ecke::UL) {
        corner.wantY = -1;
        corner.winkel = 180;
    } else if (position == Ecke::UR) {
        corner.wantX = 1;
        corner.wantY = -1;
        corner.winkel = 180;
    } else if (position == Ecke::OR) {
        corner.wantX = 1;
    }
    return corner;
}

int turnAngle(const RoomCorner& corner, bool horizontal) {
    if (horizontal) {
        return corner.winkel;
    }
    return corner.links() ? 90 : 270;
}

// Counter-clockwise by a multiple of 90 degrees, exactly.
Point turned(Point p, int angle) {
    switch (angle) {
        case 90:
            return {-p.y, p.x};
        case 180:
            return {-p.x, -p.y};
        case 270:
            return {p.y, -p.x};
        default:
            return p;
    }
}

Box boundingBox(const Outline& outline) {
    Box box{outline.front().x, outline.front().y, outline.front().x, outline.front().y};
    for (const Point& p : outline) {
        box.minX = std::min(box.minX, p.x);
        box.minY = std::min(box.minY, p.y);
        box.maxX = std::max(box.maxX, p.x);
        box.maxY = std::max(box.maxY, p.y);
    }
    return box;
}

Box boundingBox(const TPoints& polygon) {
    Box box{static_cast<double>(polygon.front().X), static_cast<double>(polygon.front().Y),
            static_cast<double>(polygon.front().X), static_cast<double>(polygon.front().Y)};
    for (const TPoint& p : polygon) {
        box.minX = std::min<double>(box.minX, p.X);
        box.minY = std::min<double>(box.minY, p.Y);
        box.maxX = std::max<double>(box.maxX, p.X);
        box.maxY = std::max<double>(box.maxY, p.Y);
    }
    return box;
}

void move(Outline& outline, double dx, double dy) {
    for (Point& p : outline) {
        p.x += dx;
        p.y += dy;
    }
}

void setPoints(const Outline& outline, TPoints& points) {
    points.clear();
    for (const Point& p : outline) {
        points.push_back({roundHalfAwayFromZero(p.x), roundHalfAwayFromZero(p.y)});
    }
}

// Tank outline and clearance outline in the variant's own frame: origin at the upper-left
// corner, the battery below the X axis, the second row at the left end unless mirrored.
struct VariantOutlines {
    Outline tanks;
    Outline gaps;
};

VariantOutlines variantOutlines(const OutlineRequest& r, bool mirrored) {
    const double gL = r.gapOut.Left;
    const double gT = r.gapOut.Top;
    const double gR = r.gapOut.Right;
    const double gB = r.gapOut.Bottom;
    const double giX = r.gapIn.X;
    const double giY = r.gapIn.Y;
    const double W = r.masse.W;
    const double D = r.masse.D;
    const double aussenBreite = gL + W + gR;
    const double aussenTiefe = -D - gT - gB;

    const bool stepped = r.Reihe2 > 0 && (r.Reihe1 != r.Reihe2 || r.ZwReihWaag);
    if (!stepped) {
        return {{{0, 0}, {0, -D}, {W, -D}, {W, 0}},
                {{0, 0}, {0, aussenTiefe}, {aussenBreite, aussenTiefe}, {aussenBreite, 0}}};
    }
    const bool querGleich = r.Reihe1 == r.Reihe2 && r.ZwReihWaag;
    const double X1 = querGleich ? r.masse.Y2 : r.masse.L2;
    const double Y1 = querGleich ? r.masse.L2 : r.masse.Y2;
    const double stufe = -(D - Y1);
    const double gapStufe = stufe - gT - giY;
    if (!mirrored) {
        return {{{0, 0}, {0, -D}, {X1, -D}, {X1, stufe}, {W, stufe}, {W, 0}},
                {{0, 0},
                 {0, aussenTiefe},
                 {gL + X1 + giX, aussenTiefe},
                 {gL + X1 + giX, gapStufe},
                 {aussenBreite, gapStufe},
                 {aussenBreite, 0}}};
    }
    return {{{0, 0}, {0, stufe}, {W - X1, stufe}, {W - X1, -D}, {W, -D}, {W, 0}},
            {{0, 0},
             {0, gapStufe},
             {gR + W - X1 - giX, gapStufe},
             {gR + W - X1 - giX, aussenTiefe},
             {aussenBreite, aussenTiefe},
             {aussenBreite, 0}}};
}

// The variant's gaps as they lie in the room after turning.
TRect realGaps(const TRect& g, const RoomCorner& corner, bool horizontal) {
    if (horizontal) {
        const int links = corner.links() ? g.Left : g.Right;
        const int rechts = corner.links() ? g.Right : g.Left;
        const int oben = corner.oben() ? g.Top : g.Bottom;
        const int unten = corner.oben() ? g.Bottom : g.Top;
        return {links, oben, rechts, unten};
    }
    const int links = corner.links() ? g.Top : g.Bottom;
    const int rechts = corner.links() ? g.Bottom : g.Top;
    const int oben = corner.oben() ? g.Left : g.Right;
    const int unten = corner.oben() ? g.Right : g.Left;
    return {links, oben, rechts, unten};
}

// The room vertex in the corner: along the wall the rows run on first, then towards the
// other wall; the first in list order wins a tie. Moved 1 mm into the room.
TMyVec cornerPoint(const TPoints& room, const RoomCorner& corner, bool horizontal) {
    if (room.empty()) {
        return {};
    }
    const auto key = [&](const TPoint& p) {
        const long long alongX = static_cast<long long>(p.X) * corner.wantX;
        const long long alongY = static_cast<long long>(p.Y) * corner.wantY;
        return horizontal ? std::pair{alongY, alongX} : std::pair{alongX, alongY};
    };
    const TPoint* best = &room.front();
    for (const TPoint& p : room) {
        if (key(p) > key(*best)) {
            best = &p;
        }
    }
    return {static_cast<double>(best->X) - corner.wantX,
            static_cast<double>(best->Y) - corner.wantY};
}

// A boiler in the same corner needs its clearance on the battery's side facing it: the
// corner point moves along the wall by what the variant's own gap lacks.
void pushAwayFromBoiler(Point& c, const RoomCorner& corner, bool horizontal, const TRect& gapReal) {
    if (!corner.heizraumImEck) {
        return;
    }
    if (horizontal) {
        const int gap = corner.links() ? gapReal.Left : gapReal.Right;
        const double fehlt = corner.heizraumAbstand - gap;
        if (fehlt > 0) {
            c.x -= corner.wantX * roundHalfAwayFromZero(fehlt);
        }
    } else {
        const int gap = corner.oben() ? gapReal.Top : gapReal.Bottom;
        const double fehlt = corner.heizraumAbstand - gap;
        if (fehlt > 0) {
            c.y -= corner.wantY * roundHalfAwayFromZero(fehlt);
        }
    }
}

}  // namespace

RoomCorner roomCorner(const Suchvorgaben& Vorgaben) {
    const TPoints& room = Vorgaben.Raum;
    RoomCorner corner = cornerOf(Vorgaben.TankPosition);
    corner.eckeWaagerecht = cornerPoint(room, corner, true);
    corner.eckeSenkrecht = cornerPoint(room, corner, false);
    corner.anker = {roundHalfAwayFromZero(Vorgaben.TopLeft.X) + 1.0,
                    roundHalfAwayFromZero(Vorgaben.TopLeft.Y) - 1.0};
    corner.heizraumImEck = Vorgaben.Heizraum && Vorgaben.HeizraumPosition == Vorgaben.TankPosition;
    corner.heizraumAbstand = Vorgaben.HeizraumAbstand;
    corner.raumLeer = room.empty();
    if (!room.empty()) {
        const auto [minX, maxX] = std::ranges::minmax(room, {}, &TPoint::X);
        const auto [minY, maxY] = std::ranges::minmax(room, {}, &TPoint::Y);
        corner.raumMin = {minX.X, minY.Y};
        corner.raumMax = {maxX.X, maxY.Y};
    }
    return corner;
}

void berechneUmriss(const OutlineRequest& request, const RoomCorner& raum, PlacedOutline& result) {
    const bool mirrored = raum.links() != raum.oben() ? request.horizontal : !request.horizontal;
    VariantOutlines outlines = variantOutlines(request, mirrored);

    const int angle = turnAngle(raum, request.horizontal);
    for (Outline* outline : {&outlines.tanks, &outlines.gaps}) {
        for (Point& p : *outline) {
            p = turned(p, angle);
        }
        const Box box = boundingBox(*outline);
        move(*outline, raum.anker.X - box.minX, raum.anker.Y - box.maxY);
    }

    result.gapReal = realGaps(request.gapOut, raum, request.horizontal);
    move(outlines.tanks, result.gapReal.Left, -static_cast<double>(result.gapReal.Top));

    const TMyVec ecke = request.horizontal ? raum.eckeWaagerecht : raum.eckeSenkrecht;
    Point c{ecke.X, ecke.Y};
    pushAwayFromBoiler(c, raum, request.horizontal, result.gapReal);

    const Box gapBox = boundingBox(outlines.gaps);
    const double eckeX = raum.links() ? gapBox.minX : gapBox.maxX;
    const double eckeY = raum.oben() ? gapBox.maxY : gapBox.minY;
    move(outlines.tanks, c.x - eckeX, c.y - eckeY);
    move(outlines.gaps, c.x - eckeX, c.y - eckeY);

    setPoints(outlines.tanks, result.tanks);
    setPoints(outlines.gaps, result.gaps);
    result.abstandWaagerecht = 0;
    result.abstandSenkrecht = 0;
    if (!raum.raumLeer) {
        const Box placed = boundingBox(result.gaps);
        result.abstandWaagerecht =
            raum.links() ? placed.minX - raum.raumMin.X : raum.raumMax.X - placed.maxX;
        result.abstandSenkrecht =
            raum.oben() ? raum.raumMax.Y - placed.maxY : placed.minY - raum.raumMin.Y;
    }
}

}  // namespace velmora
