#pragma once

#include <string>

#include "base/GeometryTypes.h"
#include "base/NumberFormat.h"

namespace velmora::plan {

// The corner codes of the plan: "OL", "OR", "UL", "UR" (O/U top/bottom, L/R left/right).
inline bool istEcke(const std::string& Position) {
    return Position == "OL" || Position == "OR" || Position == "UL" || Position == "UR";
}
inline bool linksSeite(const std::string& Position) {
    return Position == "OL" || Position == "UL";
}
inline bool obenSeite(const std::string& Position) {
    return Position == "OL" || Position == "OR";
}
inline bool rechtsSeite(const std::string& Position) {
    return Position == "OR" || Position == "UR";
}
inline bool untenSeite(const std::string& Position) {
    return Position == "UL" || Position == "UR";
}

// A dimension label: millimetres shown as metres with three decimals.
inline std::string meterText(double millimetres) {
    return formatFixed(millimetres / 1000.0, 3) + " m";
}

// Whether a label rectangle lies wholly inside the room's pixel rectangle.
inline bool imRaum(const TRect& r, TPoint topLeft, TPoint bottomRight) {
    return r.Left >= topLeft.X && r.Top >= topLeft.Y && r.Right <= bottomRight.X &&
           r.Bottom <= bottomRight.Y;
}

}  // namespace velmora::plan
