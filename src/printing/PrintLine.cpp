#include "printing/PrintLine.h"

namespace velmora {

TPrintLine::TPrintLine(TPrintItem& AParent, TPoint APointA, TPoint APointB, TColor AColor,
                       int AWidth)
    : TPrintItem(&AParent, TRect{}),
      Color(AColor),
      FPointB(APointB),
      FPointA(APointA),
      FWidth(AWidth) {}

void TPrintLine::Draw() {
    if (Canvas* canvas = GetCanvas()) {
        const TPoint origin = ParentOrigin();
        const Pen previous = canvas->pen();
        canvas->setPen(Pen{velmora::Color::fromBgr(Color), FWidth});
        canvas->moveTo(TPoint{origin.X + FPointA.X, origin.Y + FPointA.Y});
        canvas->lineTo(TPoint{origin.X + FPointB.X, origin.Y + FPointB.Y});
        canvas->setPen(previous);
    }
    TPrintItem::Draw();
}

}  // namespace velmora
