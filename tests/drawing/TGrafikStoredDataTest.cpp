#include <gtest/gtest.h>

#include "drawing/TGrafikStoredData.h"
#include "support/RecordingCanvas.h"

namespace velmora {
namespace {

using testing::RecordingPicture;
using testing::RecordingPictureLoader;

class TGrafikStoredDataTest : public ::testing::Test {
protected:
    RecordingPictureLoader loader;
    TGrafikStoredData cache{loader};
};

TEST_F(TGrafikStoredDataTest, NamesDifferingOnlyInLetterCaseShareOneEntry) {
    loader.addPicture("/app/images/graphics/h/rohr_ho.bmp", 20, 4);
    const Picture* first = cache.getBitmap("/app/images/graphics/h/rohr_ho.bmp");
    const Picture* second = cache.getBitmap("/APP/Images/Graphics/H/ROHR_HO.BMP");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_EQ(cache.bitmapCount(), 1);
    EXPECT_EQ(loader.loadCount("/app/images/graphics/h/rohr_ho.bmp"), 1);
}

TEST_F(TGrafikStoredDataTest, OnlyAsciiLettersFoldAndEmptyMatchesOnlyEmpty) {
    loader.addPicture("Ä.jpg", 1, 1);
    loader.addPicture("ä.jpg", 2, 2);
    EXPECT_NE(cache.getJpeg("Ä.jpg"), cache.getJpeg("ä.jpg"));
    EXPECT_EQ(cache.getJpeg(""), nullptr);
    EXPECT_EQ(cache.getJpeg(""), nullptr);
    EXPECT_EQ(cache.jpegCount(), 3);
}

TEST_F(TGrafikStoredDataTest, AMissingFileStaysMissingEvenWhenItAppearsLater) {
    const std::string name = "/app/images/graphics/heizung-topleft.jpg";
    EXPECT_EQ(cache.getJpeg(name), nullptr);
    loader.addPicture(name, 300, 200);
    EXPECT_EQ(cache.getJpeg(name), nullptr);
    EXPECT_EQ(cache.jpegCount(), 1);
    EXPECT_EQ(loader.loadCount(name), 1);
}

TEST_F(TGrafikStoredDataTest, BitmapsAreKeyedOnWhiteAndJpegsOpaqueInSeparateLists) {
    loader.addPicture("tank.jpg", 72, 108);
    const auto* bitmap = dynamic_cast<const RecordingPicture*>(cache.getBitmap("tank.jpg"));
    const auto* jpeg = dynamic_cast<const RecordingPicture*>(cache.getJpeg("tank.jpg"));
    ASSERT_NE(bitmap, nullptr);
    ASSERT_NE(jpeg, nullptr);
    EXPECT_EQ(bitmap->transparency(), Transparency::WhiteIsTransparent);
    EXPECT_EQ(jpeg->transparency(), Transparency::Opaque);
    EXPECT_EQ(jpeg->width(), 72);
    EXPECT_EQ(loader.loadCount("tank.jpg"), 2);
}

}  // namespace
}  // namespace velmora
