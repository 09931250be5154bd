#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "platform/qt/QtRecordedPage.h"

namespace velmora {
namespace {

bool isDark(QRgb pixel) {
    return qGray(pixel) < 128;
}

// Replays the page into an image of 210 x 297 pixels (1 mm each) with the given resolution.
QImage replayed(const QtRecordedPage& page, int dotsPerInch) {
    QImage image(210, 297, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dotsPerInch / 0.0254));
    image.setDotsPerMeterY(qRound(dotsPerInch / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    page.replay(painter, QRectF(0, 0, 210, 297));
    return image;
}

TEST(QtRecordedPageTest, PagesReplayAtTheirSizeWhateverTheDeviceResolution) {
    QtRecordedPage page;
    Canvas& canvas = page.canvas();
    EXPECT_EQ(canvas.width(), 2100);
    EXPECT_EQ(canvas.height(), 2970);
    EXPECT_EQ(canvas.pixelsPerInch(), 254);
    canvas.setBrush(Brush{colors::black, BrushStyle::Solid});
    canvas.fillRect(TRect{200, 300, 1000, 1000});
    page.finish();
    EXPECT_TRUE(page.isFinished());

    for (int dpi : {96, 300, 1200}) {
        const QImage image = replayed(page, dpi);
        EXPECT_TRUE(isDark(image.pixel(21, 31))) << dpi;
        EXPECT_TRUE(isDark(image.pixel(98, 98))) << dpi;
        EXPECT_FALSE(isDark(image.pixel(19, 50))) << dpi;
        EXPECT_FALSE(isDark(image.pixel(102, 50))) << dpi;
        EXPECT_FALSE(isDark(image.pixel(50, 102))) << dpi;
    }
}

TEST(QtRecordedPageTest, FontHeightsAreTenthsOfAMillimetre) {
    QtRecordedPage page;
    Canvas& canvas = page.canvas();
    canvas.setFont(Font{"Arial", 400, fontStyle::bold, colors::black, 0});
    EXPECT_NEAR(canvas.textHeight("Seite"), 400, 2);
    canvas.setBrush(Brush{colors::white, BrushStyle::Clear});
    canvas.textRect(TRect{0, 0, 2100, 500}, TPoint{100, 100}, "HHHH");
    page.finish();
    const QImage image = replayed(page, 96);
    // Capital letters of a 40 mm cell stand about 26 mm tall, from about 17 mm down.
    int darkRows = 0;
    for (int y = 0; y < 60; ++y) {
        bool dark = false;
        for (int x = 0; x < 210; ++x) {
            dark = dark || isDark(image.pixel(x, y));
        }
        darkRows += dark;
    }
    EXPECT_NEAR(darkRows, 28, 4);
}

TEST(QtRecordedPageTest, CopiedImagesKeepTheirPlaceInTheDrawingOrder) {
    QtRecordedPage page;
    Canvas& canvas = page.canvas();
    canvas.setBrush(Brush{colors::black, BrushStyle::Solid});
    canvas.fillRect(TRect{0, 0, 2100, 1000});
    // A white image with a black square, over the black band and partly below it.
    const auto image = canvas.createRasterImage(1000, 1000);
    image->canvas().setBrush(Brush{colors::black, BrushStyle::Solid});
    image->canvas().fillRect(TRect{0, 500, 500, 1000});
    canvas.copyRect(TRect{500, 500, 1500, 1500}, *image);
    // Drawing after the image covers it.
    canvas.fillRect(TRect{1200, 1200, 1400, 1400});
    page.finish();

    const QImage replay = replayed(page, 300);
    EXPECT_TRUE(isDark(replay.pixel(20, 20)));     // the band beside the image
    EXPECT_FALSE(isDark(replay.pixel(70, 70)));    // the image's white covers the band
    EXPECT_TRUE(isDark(replay.pixel(70, 120)));    // the image's square
    EXPECT_FALSE(isDark(replay.pixel(110, 110)));  // white image below the band
    EXPECT_TRUE(isDark(replay.pixel(130, 130)));   // drawn after the image
    EXPECT_FALSE(isDark(replay.pixel(160, 160)));  // beyond the image
}

}  // namespace
}  // namespace velmora
