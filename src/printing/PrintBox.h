#pragma once

#include "printing/PrintItem.h"

namespace velmora {

// A filled rectangle without visible outline, optionally with rounded corners; the
// printouts use boxes as containers and as grey section bars.
class TPrintBox : public TPrintItem {
public:
    // Rounding: the corner ellipse's size; -1 makes it a thirtieth of the width.
    TPrintBox(TPrintItem& AParent, const TRect& ARect, TColor AColor, int ARounding);

    void Draw() override;

    TColor Color;
    int Rounding;
};

}  // namespace velmora
