#include <gtest/gtest.h>

#include <QImage>

#include "platform/qt/QtRasterImage.h"

namespace velmora {
namespace {

bool isDark(QRgb pixel) {
    return qRed(pixel) < 100 && qGreen(pixel) < 100 && qBlue(pixel) < 100;
}

class QtCanvasTest : public ::testing::Test {
protected:
    QtRasterImage raster{200, 120};
    Canvas& canvas = raster.canvas();

    QRgb at(int x, int y) const { return raster.image().pixel(x, y) & 0xFFFFFFu; }

    // Bounding box of the dark pixels, or an empty QRect.
    QRect darkArea() const {
        QRect area;
        for (int y = 0; y < raster.height(); ++y) {
            for (int x = 0; x < raster.width(); ++x) {
                if (isDark(raster.image().pixel(x, y))) {
                    area |= QRect(x, y, 1, 1);
                }
            }
        }
        return area;
    }
};

TEST_F(QtCanvasTest, RectanglesCoverLeftTopUpToButExcludingRightBottom) {
    canvas.setPen(Pen{colors::black, 1});
    canvas.setBrush(Brush{colors::silver, BrushStyle::Solid});
    canvas.rectangle(TRect{10, 10, 20, 20});
    EXPECT_EQ(at(10, 10), 0x000000u);
    EXPECT_EQ(at(19, 19), 0x000000u);
    EXPECT_EQ(at(15, 15), 0xC0C0C0u);
    EXPECT_EQ(at(20, 20), 0xFFFFFFu);
    EXPECT_EQ(at(20, 15), 0xFFFFFFu);

    canvas.setBrush(Brush{colors::red, BrushStyle::Solid});
    canvas.fillRect(TRect{30, 10, 40, 20});
    EXPECT_EQ(at(30, 10), 0xFF0000u);
    EXPECT_EQ(at(39, 19), 0xFF0000u);
    EXPECT_EQ(at(40, 19), 0xFFFFFFu);
    EXPECT_EQ(at(39, 20), 0xFFFFFFu);

    canvas.setBrush(Brush{colors::red, BrushStyle::Clear});
    canvas.fillRect(TRect{50, 10, 60, 20});
    EXPECT_EQ(at(55, 15), 0xFFFFFFu);
}

TEST_F(QtCanvasTest, AThinLineLeavesItsEndPointAndMovesThePen) {
    canvas.moveTo(TPoint{0, 5});
    canvas.lineTo(TPoint{10, 5});
    EXPECT_EQ(canvas.penPosition(), (TPoint{10, 5}));
    EXPECT_EQ(at(0, 5), 0x000000u);
    EXPECT_EQ(at(9, 5), 0x000000u);
    EXPECT_EQ(at(10, 5), 0xFFFFFFu);
    canvas.lineTo(TPoint{10, 15});
    EXPECT_EQ(at(10, 5), 0x000000u);
    EXPECT_EQ(at(10, 14), 0x000000u);
    EXPECT_EQ(at(10, 15), 0xFFFFFFu);
}

TEST_F(QtCanvasTest, HatchedPolygonLeavesTheGapsBetweenItsLinesUntouched) {
    canvas.setBrush(Brush{colors::yellow, BrushStyle::CrossHatch});
    canvas.setPen(Pen{colors::black, 1});
    canvas.polygon(TPoints{{20, 20}, {100, 20}, {100, 100}, {20, 100}});
    int yellow = 0;
    int white = 0;
    for (int y = 30; y < 90; ++y) {
        for (int x = 30; x < 90; ++x) {
            yellow += at(x, y) == 0xFFFF00u;
            white += at(x, y) == 0xFFFFFFu;
        }
    }
    EXPECT_GT(yellow, 300);
    EXPECT_GT(white, 1800);
    EXPECT_EQ(yellow + white, 60 * 60);
    EXPECT_EQ(at(20, 50), 0x000000u);
    EXPECT_EQ(at(120, 50), 0xFFFFFFu);
}

TEST_F(QtCanvasTest, TextWithAClearBrushLeavesTheGroundBelowVisible) {
    canvas.setBrush(Brush{colors::red, BrushStyle::Solid});
    canvas.fillRect(TRect{0, 0, 200, 120});
    canvas.setFont(Font{"Arial", -30, fontStyle::bold, colors::black, 0});
    canvas.setBrush(Brush{colors::white, BrushStyle::Clear});
    canvas.textRect(TRect{10, 10, 190, 60}, TPoint{10, 10}, "IIII");
    const QRect text = darkArea();
    ASSERT_FALSE(text.isEmpty());
    EXPECT_TRUE(QRect(10, 10, 180, 50).contains(text));
    int red = 0;
    for (int x = text.left(); x <= text.right(); ++x) {
        red += at(x, text.center().y()) == 0xFF0000u;
    }
    EXPECT_GT(red, 0) << "the gaps between the letters show the ground";

    canvas.setBrush(Brush{colors::white, BrushStyle::Solid});
    canvas.textRect(TRect{10, 70, 190, 110}, TPoint{10, 70}, "");
    EXPECT_EQ(at(10, 70), 0xFFFFFFu);
    EXPECT_EQ(at(189, 109), 0xFFFFFFu);
    EXPECT_EQ(at(190, 110), 0xFF0000u);
}

TEST_F(QtCanvasTest, TextIsClippedToItsRectangle) {
    canvas.setFont(Font{"Arial", -40, 0, colors::black, 0});
    canvas.setBrush(Brush{colors::white, BrushStyle::Clear});
    canvas.textRect(TRect{10, 10, 30, 30}, TPoint{10, 10}, "WWWW");
    const QRect text = darkArea();
    ASSERT_FALSE(text.isEmpty());
    EXPECT_TRUE(QRect(10, 10, 20, 20).contains(text));
}

TEST_F(QtCanvasTest, RotatedTextRunsDownwardLeftOfItsStart) {
    const Font font{"Arial", -16, 0, colors::black, -900};
    canvas.setFont(font);
    const std::string label = "12,345 m";
    const int tw = canvas.textWidth(label);
    const int th = canvas.textHeight(label);
    canvas.setBrush(Brush{colors::white, BrushStyle::Clear});
    // The room's length label: the rectangle is th wide and tw high, the start its top right.
    const TRect clip{100 - th, 10, 100, 10 + tw};
    canvas.textRect(clip, TPoint{clip.Right, clip.Top}, label);
    const QRect text = darkArea();
    ASSERT_FALSE(text.isEmpty());
    EXPECT_GT(text.height(), 3 * text.width());
    EXPECT_TRUE(QRect(clip.Left, clip.Top, th, tw).contains(text));
    EXPECT_GT(text.height(), tw * 3 / 4);
}

TEST_F(QtCanvasTest, FontHeightsAreCharacterOrCellHeightsInSurfaceUnits) {
    canvas.setFont(
        Font{"Arial", fontHeightForPoints(10, canvas.pixelsPerInch()), 0, colors::black, 0});
    EXPECT_EQ(canvas.font().height, -13);
    EXPECT_NEAR(canvas.textHeight("Ag"), 15, 1);
    canvas.setFont(Font{"Arial", 40, 0, colors::black, 0});
    EXPECT_NEAR(canvas.textHeight("Ag"), 40, 1);
    const int one = canvas.textWidth("Raum");
    EXPECT_NEAR(canvas.textWidth("RaumRaum"), 2 * one, 1);
    canvas.setFont(Font{"Arial", 40, fontStyle::bold, colors::black, 0});
    EXPECT_GT(canvas.textWidth("Raum"), one);
}

TEST_F(QtCanvasTest, RasterImageIsCopiedPixelForPixel) {
    auto offscreen = canvas.createRasterImage(20, 10);
    ASSERT_EQ(offscreen->width(), 20);
    offscreen->canvas().setBrush(Brush{colors::red, BrushStyle::Solid});
    offscreen->canvas().fillRect(TRect{0, 0, 10, 10});
    canvas.copyRect(TRect{50, 50, 70, 60}, *offscreen);
    EXPECT_EQ(at(50, 50), 0xFF0000u);
    EXPECT_EQ(at(59, 59), 0xFF0000u);
    EXPECT_EQ(at(60, 55), 0xFFFFFFu);
    EXPECT_EQ(at(69, 59), 0xFFFFFFu);
    EXPECT_EQ(at(70, 55), 0xFFFFFFu);
}

TEST(QtRasterImageTest, AHighResolutionImageKeepsLogicalCoordinates) {
    QtRasterImage sharp(100, 50, 2.0);
    EXPECT_EQ(sharp.width(), 100);
    EXPECT_EQ(sharp.canvas().width(), 100);
    EXPECT_EQ(sharp.canvas().height(), 50);
    ASSERT_EQ(sharp.image().size(), QSize(200, 100));
    sharp.canvas().setBrush(Brush{colors::red, BrushStyle::Solid});
    sharp.canvas().fillRect(TRect{10, 10, 20, 20});
    const auto pixel = [&](int x, int y) { return sharp.image().pixel(x, y) & 0xFFFFFFu; };
    EXPECT_EQ(pixel(20, 20), 0xFF0000u);
    EXPECT_EQ(pixel(39, 39), 0xFF0000u);
    EXPECT_EQ(pixel(40, 40), 0xFFFFFFu);
    EXPECT_EQ(pixel(19, 30), 0xFFFFFFu);
}

}  // namespace
}  // namespace velmora
