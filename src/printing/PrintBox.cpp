#include "printing/PrintBox.h"

#include "base/Rounding.h"

namespace velmora {

TPrintBox::TPrintBox(TPrintItem& AParent, const TRect& ARect, TColor AColor, int ARounding)
    : TPrintItem(&AParent, ARect), Color(AColor), Rounding(ARounding) {}

void TPrintBox::Draw() {
    if (Canvas* canvas = GetCanvas()) {
        const velmora::Color color = velmora::Color::fromBgr(Color);
        canvas->setBrush(Brush{color, BrushStyle::Solid});
        // The pen in the fill colour keeps the outline invisible.
        canvas->setPen(Pen{color, 1});
        const int corner = Rounding == -1 ? roundHalfToEven(GetWidth() / 30.0) : Rounding;
        canvas->roundRect(GetAbsRect(), corner, corner);
    }
    TPrintItem::Draw();
}

}  // namespace velmora
