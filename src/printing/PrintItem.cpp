#include "printing/PrintItem.h"

#include <utility>

#include "printing/PrintBox.h"
#include "printing/PrintImage.h"
#include "printing/PrintLine.h"
#include "printing/PrintText.h"

namespace velmora {

TPrintItemList::TPrintItemList() = default;
TPrintItemList::~TPrintItemList() = default;

TPrintItem& TPrintItemList::Items(int Index) const {
    return *FList.at(static_cast<std::size_t>(Index));
}

void TPrintItemList::SetItems(int Index, std::unique_ptr<TPrintItem> Value) {
    FList.at(static_cast<std::size_t>(Index)) = std::move(Value);
}

TPrintItem& TPrintItemList::Add(std::unique_ptr<TPrintItem> Item) {
    FList.push_back(std::move(Item));
    return *FList.back();
}

TPrintItem::TPrintItem(TPrintItem* AParent, const TRect& ARect) : FRect(ARect), FParent(AParent) {}

TPrintItem::~TPrintItem() = default;

TRect TPrintItem::GetAbsRect() const {
    const TPoint origin = ParentOrigin();
    return TRect{FRect.Left + origin.X, FRect.Top + origin.Y, FRect.Right + origin.X,
                 FRect.Bottom + origin.Y};
}

TPoint TPrintItem::ParentOrigin() const {
    if (!FParent) {
        return TPoint{};
    }
    const TRect parent = FParent->GetAbsRect();
    return TPoint{parent.Left, parent.Top};
}

Canvas* TPrintItem::GetCanvas() const {
    return FParent ? FParent->GetCanvas() : nullptr;
}

int TPrintItem::GetHeight() const {
    return FRect.Bottom - FRect.Top;
}

int TPrintItem::GetWidth() const {
    return FRect.Right - FRect.Left;
}

void TPrintItem::SetCanvas(Canvas* ACanvas) {
    if (FParent) {
        FParent->SetCanvas(ACanvas);
    }
}

void TPrintItem::Draw() {
    for (int i = 0; i < FItems.Count(); ++i) {
        FItems.Items(i).Draw();
    }
}

TPrintItem& TPrintItem::AddItem(std::unique_ptr<TPrintItem> Item) {
    Item->FParent = this;
    return FItems.Add(std::move(Item));
}

void TPrintItem::SetItems(int Index, std::unique_ptr<TPrintItem> Value) {
    Value->FParent = this;
    FItems.SetItems(Index, std::move(Value));
}

TPrintBox& TPrintItem::AddPrintBox(int Left, int Top, int Right, int Bottom, TColor Color,
                                   int Rounding) {
    return static_cast<TPrintBox&>(AddItem(
        std::make_unique<TPrintBox>(*this, TRect{Left, Top, Right, Bottom}, Color, Rounding)));
}

TPrintText& TPrintItem::AddPrintText(const std::string& Text, const TRect& Rect, int Left, int Top,
                                     int FontSize, TColor Color, const std::string& FontName,
                                     FontStyles FontStyle, TColor BgColor, bool WordWrap,
                                     int Escapement) {
    return static_cast<TPrintText&>(
        AddItem(std::make_unique<TPrintText>(*this, Text, Rect, Left, Top, FontSize, Color,
                                             FontName, FontStyle, BgColor, WordWrap, Escapement)));
}

TPrintText& TPrintItem::AddPrintText(const std::string& Text, const TRect& Rect, int Top,
                                     int Alignment, int FontSize, TColor Color,
                                     const std::string& FontName, FontStyles FontStyle,
                                     TColor BgColor) {
    TPrintText& text =
        AddPrintText(Text, Rect, 0, Top, FontSize, Color, FontName, FontStyle, BgColor, false, 0);
    const TRect& own = text.Rect();
    Canvas* canvas = GetCanvas();
    if ((Alignment == alignRight || Alignment == alignCenter) && canvas) {
        Font measuring = canvas->font();
        measuring.name = FontName;
        measuring.height = FontSize;
        measuring.style = FontStyle;
        measuring.escapement = 0;
        canvas->setFont(measuring);
        const int width = canvas->textWidth(Text);
        text.SetAlignment(Alignment);
        // Integer division truncates towards zero, as the layout expects.
        text.Pos.X = Alignment == alignRight ? own.Right - width
                                             : own.Left + (own.Right - own.Left) / 2 - width / 2;
    } else {
        text.Pos.X = own.Left;
    }
    text.Pos.Y = Top;
    return text;
}

TPrintLine& TPrintItem::AddPrintLine(TPoint PointA, TPoint PointB, TColor Color, int Width) {
    return static_cast<TPrintLine&>(
        AddItem(std::make_unique<TPrintLine>(*this, PointA, PointB, Color, Width)));
}

TPrintImage& TPrintItem::AddPrintImage(const std::string& ImageFile, const TRect& Rect) {
    return static_cast<TPrintImage&>(
        AddItem(std::make_unique<TPrintImage>(*this, ImageFile, Rect)));
}

}  // namespace velmora
