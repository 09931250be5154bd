#include "printing/PrintSheet.h"

namespace velmora {

TPrintSheet::TPrintSheet(Canvas& ACanvas) : TPrintItem(nullptr, TRect{}), FCanvas(&ACanvas) {}

TRect TPrintSheet::GetAbsRect() const {
    return TRect{};
}

Canvas* TPrintSheet::GetCanvas() const {
    return FCanvas;
}

int TPrintSheet::GetHeight() const {
    return FCanvas ? FCanvas->height() : 0;
}

int TPrintSheet::GetWidth() const {
    return FCanvas ? FCanvas->width() : 0;
}

void TPrintSheet::SetCanvas(Canvas* ACanvas) {
    FCanvas = ACanvas;
}

void TPrintSheet::Clear() {
    if (!FCanvas) {
        return;
    }
    const Brush previous = FCanvas->brush();
    FCanvas->setBrush(Brush{colors::white, BrushStyle::Solid});
    FCanvas->fillRect(TRect{0, 0, GetWidth(), GetHeight()});
    FCanvas->setBrush(previous);
}

}  // namespace velmora
