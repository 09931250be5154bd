#include <gtest/gtest.h>

#include "printing/printcontrols.h"
#include "support/RecordingCanvas.h"

namespace velmora {
namespace {

using testing::RecordingCanvas;
using testing::sameLog;

class PrintTextTest : public ::testing::Test {
protected:
    RecordingCanvas canvas{2100, 2970, 254};
    TPrintSheet sheet{canvas};
};

TEST_F(PrintTextTest, AlignedTextStartsAtTheLeftRightOrCentreOfItsRectangle) {
    struct Case {
        TRect rect;
        int alignment;
        std::string text;
        int x;
        int storedAlignment;
    };
    const Case cases[] = {
        {TRect{}, alignRight, "ABCDE", 300 - 35, alignRight},  // parent's full size
        {TRect{10, 0, 110, 40}, alignCenter, "1234567", 10 + 50 - 24, alignCenter},
        {TRect{10, 0, 110, 40}, alignCenter, "x", 10 + 50 - 3, alignCenter},
        {TRect{10, 0, 110, 40}, alignCenter, std::string(20, 'w'), 10 + 50 - 70, alignCenter},
        {TRect{10, 0, 110, 40}, alignLeft, "ABCDE", 10, alignLeft},
        {TRect{10, 0, 110, 40}, 7, "ABCDE", 10, alignLeft},
    };
    for (const Case& c : cases) {
        TPrintBox& box = sheet.AddPrintBox(200, 330, 500, 370, 0xFFFFFF, 0);
        TPrintText& text =
            box.AddPrintText(c.text, c.rect, 5, c.alignment, 40, 0, "Arial", 0, clNoColor);
        EXPECT_EQ(text.Pos, (TPoint{c.x, 5})) << c.text << " aligned " << c.alignment;
        EXPECT_EQ(text.Alignment(), c.storedAlignment);
        EXPECT_FALSE(text.WordWrap);
        EXPECT_EQ(text.Escapement, 0);
    }
}

TEST_F(PrintTextTest, MeasuringAnAlignedTextLeavesItsFontOnThePage) {
    canvas.setFont(Font{"Courier New", 20, 0, colors::red, 0});
    sheet.AddPrintText("Seite 1", TRect{}, 0, alignRight, 40, 0, "Arial", fontStyle::bold,
                       clNoColor);
    EXPECT_EQ(canvas.font(), (Font{"Arial", 40, fontStyle::bold, colors::red, 0}));
    EXPECT_TRUE(canvas.log().empty());
}

TEST_F(PrintTextTest, BackgroundIsTransparentForNoColourAndFillsTheClipOtherwise) {
    TPrintBox& box = sheet.AddPrintBox(100, 100, 400, 140, 0xFFFFFF, 0);
    box.AddPrintText("klar", TRect{}, 0, 0, 40, 0x0000FF, "Arial", fontStyle::italic, clNoColor,
                     false, 0);
    box.AddPrintText("grau", TRect{0, 0, 100, 40}, 3, 4, 40, 0, "Arial", 0, 0xEEEEEE, false, 0);
    canvas.clearLog();
    for (int i = 0; i < box.ItemCount(); ++i) {
        box.GetItems(i).Draw();
    }
    EXPECT_TRUE(sameLog(
        {
            "text 100,100 clip 100,100,400,140 \"klar\" font Arial 40 italic FF0000 brush clear",
            "text 103,104 clip 100,100,200,140 \"grau\" font Arial 40 000000 brush solid EEEEEE",
        },
        canvas.log()));
}

TEST_F(PrintTextTest, WordWrapFillsTheBackgroundOnceAndStepsLinesByTheFontHeight) {
    // "eins zwei" is 63 units wide: just what fits.
    TPrintBox& box = sheet.AddPrintBox(100, 200, 163, 400, 0xFFFFFF, 0);
    box.AddPrintText("eins zwei drei", TRect{}, 0, 0, -32, 0, "Arial", 0, 0xFFFFFF, true, 0);
    canvas.setBrush(Brush{colors::yellow, BrushStyle::CrossHatch});
    box.GetItems(0).Draw();
    EXPECT_TRUE(sameLog(
        {
            "fillRect 100,200,163,400 brush solid FFFFFF",
            "text 100,200 clip 100,200,163,400 \"eins zwei\" font Arial -32 000000 brush clear",
            "text 100,232 clip 100,200,163,400 \"drei\" font Arial -32 000000 brush clear",
        },
        canvas.log()));
    EXPECT_EQ(canvas.brush(), (Brush{colors::white, BrushStyle::Solid}));
}

TEST_F(PrintTextTest, RotatedTextBorrowsItsFontAndKnowsNoItalic) {
    const Font pageFont{"Arial", -40, 0, colors::black, 0};
    canvas.setFont(pageFont);
    sheet.AddPrintText("4,000 m", TRect{500, 100, 540, 149}, 540, 100, -40, 0x00FF00, "Arial",
                       fontStyle::bold | fontStyle::italic | fontStyle::underline, clNoColor, false,
                       -900);
    sheet.Draw();
    EXPECT_TRUE(sameLog({"text 540,100 clip 500,100,540,149 \"4,000 m\" font Arial -40 bold "
                         "underline 00FF00 esc -900 brush clear"},
                        canvas.log()));
    EXPECT_EQ(canvas.font(), pageFont);
}

}  // namespace
}  // namespace velmora
