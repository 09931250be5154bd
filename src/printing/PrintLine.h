#pragma once

#include "printing/PrintItem.h"

namespace velmora {

// A straight line between two points relative to the parent; the surface's pen is kept.
class TPrintLine : public TPrintItem {
public:
    TPrintLine(TPrintItem& AParent, TPoint APointA, TPoint APointB, TColor AColor, int AWidth);

    void Draw() override;

    TPoint PointA() const { return FPointA; }
    TPoint PointB() const { return FPointB; }
    int Width() const { return FWidth; }

    TColor Color;

private:
    TPoint FPointB;
    TPoint FPointA;
    int FWidth;
};

}  // namespace velmora
