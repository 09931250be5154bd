#pragma once

#include <string>

#include "printing/PrintItem.h"

namespace velmora {

// A text clipped to the item's rectangle, starting at Pos (relative to the parent), with
// an opaque or transparent background, optionally word-wrapped or rotated.
class TPrintText : public TPrintItem {
public:
    // Rect all zeros: the parent's full size. FontSize is the font height in page units
    // (positive: cell height, negative: character height). BgColor clNoColor: transparent.
    // Escapement (tenths of a degree) other than 0 rotates the text about its start; a
    // rotated font is bold or regular, underlined and struck out as FontStyle says.
    TPrintText(TPrintItem& AParent, std::string AText, const TRect& ARect, int Left, int Top,
               int FontSize, TColor AColor, const std::string& FontName, FontStyles FontStyle,
               TColor ABgColor, bool AWordWrap, int AEscapement);

    void Draw() override;

    int Alignment() const { return FAlignment; }
    void SetAlignment(int AAlignment) { FAlignment = AAlignment; }
    // The font the text is drawn with (escapement included).
    const Font& TextFont() const { return FFont; }

    int Escapement;
    TColor BgColor;
    TPoint Pos;
    std::string Text;
    bool WordWrap;

private:
    int FAlignment = alignLeft;
    Font FFont;
};

}  // namespace velmora
