#include <gtest/gtest.h>

#include "support/RecordingCanvas.h"

namespace velmora {
namespace {

using testing::RecordingCanvas;
using testing::sameLog;

TEST(RecordingCanvasTest, MismatchListsTheDifferingLinesInPlace) {
    const ::testing::AssertionResult result =
        sameLog({"line 0,0 5,0 pen 000000/1", "fillRect 0,0,5,5 brush solid FFFFFF", "last"},
                {"line 0,0 5,0 pen 000000/1", "fillRect 0,0,6,5 brush solid FFFFFF", "last"});
    ASSERT_FALSE(result);
    EXPECT_STREQ(result.message(),
                 "logs differ\n--- expected\n+++ actual\n"
                 "  line 0,0 5,0 pen 000000/1\n"
                 "- fillRect 0,0,5,5 brush solid FFFFFF\n"
                 "+ fillRect 0,0,6,5 brush solid FFFFFF\n"
                 "  last\n");
}

TEST(RecordingCanvasTest, FixedMetricsAndRasterDrawingInTheSameLog) {
    RecordingCanvas canvas;
    canvas.setFont(Font{"Arial", -13, 0, colors::black, 0});
    EXPECT_EQ(canvas.textWidth("5,000 m"), 49);
    EXPECT_EQ(canvas.textWidth("Größe"), 35);
    EXPECT_EQ(canvas.textHeight("5,000 m"), 13);

    auto raster = canvas.createRasterImage(30, 20);
    raster->canvas().moveTo(TPoint{1, 2});
    raster->canvas().lineTo(TPoint{3, 4});
    canvas.copyRect(TRect{10, 10, 40, 30}, *raster);
    EXPECT_TRUE(sameLog(
        {"raster 30x20", "  line 1,2 3,4 pen 000000/1", "copyRect 10,10,40,30 raster 30x20"},
        canvas.log()));
}

}  // namespace
}  // namespace velmora
