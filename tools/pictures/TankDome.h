#pragma once

#include <algorithm>

// Where the demo tank pictures put the fittings dome. Free of Qt, so that the drawing
// tests can check that the catalogue's pipe band lies over it.
namespace velmora::pictures {

// Distance of the dome's centre from the picture edge it sits at, in millimetres of tank
// (a wide tank's larger dome keeps clear of the edge); across the tank it sits in the middle.
inline double domeCentreFromEdge(int tankWidth) {
    return std::max(170.0, 0.18 * tankWidth + 25.0);
}

// The edge ('o', 'u', 'l' or 'r') at which the picture with this suffix shows the dome: its
// own edge, except for tanks whose fittings sit opposite, which show the dome at the top
// ('o') or left ('l') edge in every picture.
inline char domeEdge(char suffix, bool fittingsOpposite) {
    if (!fittingsOpposite) {
        return suffix;
    }
    return suffix == 'o' || suffix == 'u' ? 'o' : 'l';
}

}  // namespace velmora::pictures
