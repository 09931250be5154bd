#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/GeometryTypes.h"
#include "canvas/Canvas.h"

namespace velmora {

// Colours of print items in 0x00BBGGRR order.
using TColor = std::uint32_t;
// "No colour": as a text background it makes the background transparent.
inline constexpr TColor clNoColor = 0x1FFFFFFF;

// Horizontal alignment of an aligned text.
inline constexpr int alignLeft = 0;
inline constexpr int alignRight = 1;
inline constexpr int alignCenter = 2;

class TPrintItem;
class TPrintBox;
class TPrintText;
class TPrintLine;
class TPrintImage;

// The ordered child list of a print item; it owns its items.
class TPrintItemList {
public:
    TPrintItemList();
    ~TPrintItemList();
    TPrintItemList(const TPrintItemList&) = delete;
    TPrintItemList& operator=(const TPrintItemList&) = delete;

    int Count() const { return static_cast<int>(FList.size()); }
    // Index out of range throws std::out_of_range.
    TPrintItem& Items(int Index) const;
    // Replaces (and destroys) the item at Index.
    void SetItems(int Index, std::unique_ptr<TPrintItem> Value);
    TPrintItem& Add(std::unique_ptr<TPrintItem> Item);

private:
    std::vector<std::unique_ptr<TPrintItem>> FList;
};

// Base of the print items: a rectangle in page units of 0.1 mm relative to the top-left
// corner of its parent's absolute rectangle, and children drawn after the item itself.
// The factories create an item as a child of the receiver and return it (owned by the receiver).
class TPrintItem {
public:
    virtual ~TPrintItem();
    TPrintItem(const TPrintItem&) = delete;
    TPrintItem& operator=(const TPrintItem&) = delete;

    // The parent's absolute Left and Top added to all four edges of the own rectangle.
    virtual TRect GetAbsRect() const;
    // The page surface, held by the root; nullptr for an item outside a sheet.
    virtual Canvas* GetCanvas() const;
    virtual int GetHeight() const;
    virtual int GetWidth() const;
    // Hands the surface on to the root.
    virtual void SetCanvas(Canvas* ACanvas);
    // Draws the children in insertion order; each item class draws itself first.
    virtual void Draw();

    // Appends an existing item and makes the receiver its parent.
    TPrintItem& AddItem(std::unique_ptr<TPrintItem> Item);
    TPrintBox& AddPrintBox(int Left, int Top, int Right, int Bottom, TColor Color, int Rounding);
    // A text as TPrintText's constructor makes it.
    TPrintText& AddPrintText(const std::string& Text, const TRect& Rect, int Left, int Top,
                             int FontSize, TColor Color, const std::string& FontName,
                             FontStyles FontStyle, TColor BgColor, bool WordWrap, int Escapement);
    // A horizontal text without word wrap, placed at the left, right or centre of its
    // rectangle (the receiver's full size when Rect is all zeros) at height Top. Right and
    // centre alignment leave the page's font set to the text's font (they measure with it).
    TPrintText& AddPrintText(const std::string& Text, const TRect& Rect, int Top, int Alignment,
                             int FontSize, TColor Color, const std::string& FontName,
                             FontStyles FontStyle, TColor BgColor);
    TPrintLine& AddPrintLine(TPoint PointA, TPoint PointB, TColor Color, int Width);
    TPrintImage& AddPrintImage(const std::string& ImageFile, const TRect& Rect);

    TPrintItem& GetItems(int Index) const { return FItems.Items(Index); }
    void SetItems(int Index, std::unique_ptr<TPrintItem> Value);
    int ItemCount() const { return FItems.Count(); }

    TPrintItem* Parent() const { return FParent; }
    const TRect& Rect() const { return FRect; }

protected:
    TPrintItem(TPrintItem* AParent, const TRect& ARect);

    // Top-left corner of the parent's absolute rectangle: the origin of the own coordinates.
    TPoint ParentOrigin() const;

    TRect FRect;

private:
    TPrintItemList FItems;
    TPrintItem* FParent;
};

}  // namespace velmora
