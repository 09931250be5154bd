#include <gtest/gtest.h>

#include <stdexcept>

#include "printing/printcontrols.h"
#include "support/RecordingCanvas.h"

namespace velmora {
namespace {

using testing::RecordingCanvas;
using testing::sameLog;

class PrintItemTest : public ::testing::Test {
protected:
    RecordingCanvas canvas{2100, 2970, 254};
    TPrintSheet sheet{canvas};
};

TEST_F(PrintItemTest, SheetSpansTheSurfaceAndClearsItWhiteKeepingTheBrush) {
    EXPECT_EQ(sheet.GetWidth(), 2100);
    EXPECT_EQ(sheet.GetHeight(), 2970);
    EXPECT_EQ(sheet.GetAbsRect(), TRect{});
    canvas.setBrush(Brush{colors::red, BrushStyle::CrossHatch});
    sheet.Clear();
    EXPECT_TRUE(sameLog({"fillRect 0,0,2100,2970 brush solid FFFFFF"}, canvas.log()));
    EXPECT_EQ(canvas.brush(), (Brush{colors::red, BrushStyle::CrossHatch}));
}

TEST_F(PrintItemTest, ChildRectanglesAreRelativeToTheParentsAbsoluteCorner) {
    TPrintBox& outer = sheet.AddPrintBox(200, 330, 1970, 800, 0xFFFFFF, 0);
    TPrintBox& inner = outer.AddPrintBox(10, 20, 110, 60, 0xFFFFFF, 0);
    EXPECT_EQ(inner.GetAbsRect(), (TRect{210, 350, 310, 390}));
    EXPECT_EQ(inner.GetWidth(), 100);
    EXPECT_EQ(inner.GetHeight(), 40);
    EXPECT_EQ(inner.GetCanvas(), &canvas);
    EXPECT_EQ(inner.Parent(), &outer);
}

TEST_F(PrintItemTest, BoxRoundingIsAThirtiethOfTheWidthWithTiesToEven) {
    struct Case {
        int width;
        int rounding;
        int corner;
    };
    for (const Case c : {Case{300, -1, 10}, Case{315, -1, 10}, Case{345, -1, 12}, Case{300, 0, 0},
                         Case{300, 7, 7}}) {
        RecordingCanvas page{2100, 2970, 254};
        TPrintSheet root{page};
        root.AddPrintBox(0, 0, c.width, 40, 0xEEEEEE, c.rounding);
        root.Draw();
        const std::string expected = "roundRect 0,0," + std::to_string(c.width) + ",40 corner " +
                                     std::to_string(c.corner) + "x" + std::to_string(c.corner) +
                                     " pen EEEEEE/1 brush solid EEEEEE";
        EXPECT_TRUE(sameLog({expected}, page.log())) << "width " << c.width;
    }
}

TEST_F(PrintItemTest, LineIsOffsetByItsParentAndRestoresThePen) {
    canvas.setPen(Pen{colors::red, 3});
    TPrintBox& box = sheet.AddPrintBox(200, 330, 1970, 800, 0xFFFFFF, 0);
    TPrintLine& line = box.AddPrintLine(TPoint{0, 50}, TPoint{1770, 50}, 0, 5);
    line.Draw();
    EXPECT_TRUE(sameLog({"line 200,380 1970,380 pen 000000/5"}, canvas.log()));
    EXPECT_EQ(canvas.pen(), (Pen{colors::red, 3}));
    EXPECT_EQ(line.PointB(), (TPoint{1770, 50}));
    EXPECT_EQ(line.Width(), 5);
}

TEST_F(PrintItemTest, DrawingPaintsTheTreeDepthFirstInInsertionOrderAndCanRepeat) {
    TPrintBox& bar = sheet.AddPrintBox(200, 330, 1970, 383, 0xEEEEEE, 0);
    bar.AddPrintText("Tank", TRect{}, 0, alignLeft, 53, 0, "Arial", 0, clNoColor);
    sheet.AddPrintLine(TPoint{200, 400}, TPoint{1970, 400}, 0, 1);
    sheet.Draw();
    const std::vector<std::string> page = {
        "roundRect 200,330,1970,383 corner 0x0 pen EEEEEE/1 brush solid EEEEEE",
        "text 200,330 clip 200,330,1970,383 \"Tank\" font Arial 53 000000 brush clear",
        "line 200,400 1970,400 pen 000000/1",
    };
    EXPECT_TRUE(sameLog(page, canvas.log()));
    canvas.clearLog();
    sheet.Draw();
    EXPECT_TRUE(sameLog(page, canvas.log()));
}

TEST_F(PrintItemTest, ItemsCanBeReplacedAndAnOutOfRangeIndexThrows) {
    TPrintBox& box = sheet.AddPrintBox(100, 100, 200, 200, 0xFFFFFF, 0);
    box.AddPrintBox(0, 0, 10, 10, 0xFFFFFF, 0);
    EXPECT_EQ(sheet.ItemCount(), 1);
    EXPECT_EQ(&sheet.GetItems(0), &box);
    EXPECT_THROW(sheet.GetItems(1), std::out_of_range);

    RecordingCanvas other;
    TPrintSheet elsewhere{other};
    auto line = std::make_unique<TPrintLine>(elsewhere, TPoint{0, 0}, TPoint{5, 0}, 0, 1);
    sheet.SetItems(0, std::move(line));
    EXPECT_EQ(sheet.GetItems(0).Parent(), &sheet);
    sheet.Draw();
    EXPECT_TRUE(sameLog({"line 0,0 5,0 pen 000000/1"}, canvas.log()));
    EXPECT_TRUE(other.log().empty());
}

TEST_F(PrintItemTest, ImageFormatFollowsTheExtensionAndIsReadAtEveryDrawing) {
    canvas.loader().addPicture("app/images/halvex-logo.JPG", 874, 170);
    canvas.loader().addPicture("app/readme.txt", 10, 10);
    TPrintBox& band = sheet.AddPrintBox(200, 60, 1970, 230, 0xFFFFFF, 0);
    band.AddPrintImage("app/images/halvex-logo.JPG", TRect{0, 0, 874, 170});
    band.AddPrintImage("app/readme.txt", TRect{0, 0, 10, 10});
    band.AddPrintImage("app/images/missing.png", TRect{0, 0, 10, 10});
    canvas.clearLog();
    band.Draw();
    band.Draw();
    const std::string logo = "picture app/images/halvex-logo.JPG 874x170 200,60,1074,230";
    EXPECT_TRUE(
        sameLog({"roundRect 200,60,1970,230 corner 0x0 pen FFFFFF/1 brush solid FFFFFF", logo,
                 "roundRect 200,60,1970,230 corner 0x0 pen FFFFFF/1 brush solid FFFFFF", logo},
                canvas.log()));
    EXPECT_EQ(canvas.loader().loadCount("app/images/halvex-logo.JPG"), 2);
    EXPECT_EQ(canvas.loader().loadCount("app/readme.txt"), 0);
    EXPECT_EQ(canvas.loader().loadCount("app/images/missing.png"), 2);
}

}  // namespace
}  // namespace velmora
