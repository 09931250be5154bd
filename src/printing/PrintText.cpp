#include "printing/PrintText.h"

#include <cstdlib>
#include <utility>

#include "printing/WordWrap.h"

namespace velmora {

namespace {

TRect ownOrParentRect(const TRect& rect, const TPrintItem& parent) {
    return rect == TRect{} ? TRect{0, 0, parent.GetWidth(), parent.GetHeight()} : rect;
}

Font fontOf(int height, TColor color, const std::string& name, FontStyles style, int escapement) {
    // A rotated font knows weight, underline and strike-out only.
    const FontStyles rotatedStyles = fontStyle::bold | fontStyle::underline | fontStyle::strikeOut;
    return Font{name, height,
                escapement == 0 ? style : static_cast<FontStyles>(style & rotatedStyles),
                Color::fromBgr(color), escapement};
}

}  // namespace

TPrintText::TPrintText(TPrintItem& AParent, std::string AText, const TRect& ARect, int Left,
                       int Top, int FontSize, TColor AColor, const std::string& FontName,
                       FontStyles FontStyle, TColor ABgColor, bool AWordWrap, int AEscapement)
    : TPrintItem(&AParent, ownOrParentRect(ARect, AParent)),
      Escapement(AEscapement),
      BgColor(ABgColor),
      Pos{Left, Top},
      Text(std::move(AText)),
      WordWrap(AWordWrap),
      FFont(fontOf(FontSize, AColor, FontName, FontStyle, AEscapement)) {}

void TPrintText::Draw() {
    if (Canvas* canvas = GetCanvas()) {
        const TRect clip = GetAbsRect();
        const TPoint origin = ParentOrigin();
        const TPoint start{origin.X + Pos.X, origin.Y + Pos.Y};

        Brush brush = canvas->brush();
        if (BgColor == clNoColor) {
            brush.style = BrushStyle::Clear;
        } else {
            brush = Brush{Color::fromBgr(BgColor), BrushStyle::Solid};
        }
        canvas->setBrush(brush);

        const Font previousFont = canvas->font();
        canvas->setFont(FFont);

        if (!WordWrap) {
            canvas->textRect(clip, start, Text);
        } else {
            const auto lines = wrapWords(Text, GetWidth(), [canvas](const std::string& line) {
                return canvas->textWidth(line);
            });
            canvas->fillRect(clip);
            canvas->setBrush(Brush{brush.color, BrushStyle::Clear});
            const int lineHeight = std::abs(FFont.height);
            for (std::size_t n = 0; n < lines.size(); ++n) {
                canvas->textRect(clip, TPoint{start.X, start.Y + static_cast<int>(n) * lineHeight},
                                 lines[n]);
            }
            canvas->setBrush(brush);
        }

        // A horizontal text's font stays selected, a rotated one is only borrowed.
        if (Escapement != 0) {
            canvas->setFont(previousFont);
        }
    }
    TPrintItem::Draw();
}

}  // namespace velmora
