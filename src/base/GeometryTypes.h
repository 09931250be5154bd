#pragma once

#include <vector>

namespace velmora {

// Integer point in room millimetres or in pixels.
struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// A polygon: closed from its last point back to the first without repeating it.
using TPoints = std::vector<TPoint>;

// Rectangle by its four edges (also used for four per-side clearances).
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const TRect&, const TRect&) = default;
};

// Vector of two doubles.
struct TMyVec {
    double X = 0.0;
    double Y = 0.0;
    friend bool operator==(const TMyVec&, const TMyVec&) = default;
};

// Room millimetres as returned by hit testing, single precision.
struct TPointF {
    float X = 0.0f;
    float Y = 0.0f;
    friend bool operator==(const TPointF&, const TPointF&) = default;
};

}  // namespace velmora
