#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "platform/qt/QtPictureLoader.h"
#include "platform/qt/QtRasterImage.h"

namespace velmora {
namespace {

class QtPictureLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(directory.isValid());
        // A pipe piece: left half white, right half blue, 8 x 4 pixels.
        QImage piece(8, 4, QImage::Format_RGB32);
        piece.fill(Qt::white);
        for (int y = 0; y < 4; ++y) {
            for (int x = 4; x < 8; ++x) {
                piece.setPixel(x, y, qRgb(0, 0, 255));
            }
        }
        ASSERT_TRUE(piece.save(path("piece.bmp"), "BMP"));
        ASSERT_TRUE(piece.save(path("piece.jpg"), "JPEG", 100));
    }

    QString path(const char* name) const { return directory.filePath(QString::fromLatin1(name)); }
    std::string file(const char* name) const { return path(name).toStdString(); }

    void writeBytes(const char* name, const QByteArray& bytes) const {
        QFile out(path(name));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }

    QTemporaryDir directory;
    QtPictureLoader loader;
    QtRasterImage raster{40, 20};

    QRgb at(int x, int y) const { return raster.image().pixel(x, y) & 0xFFFFFFu; }
};

TEST_F(QtPictureLoaderTest, WhiteOfAKeyedBitmapLeavesTheGroundBelowVisible) {
    const auto picture =
        loader.load(file("piece.bmp"), PictureFormat::Bitmap, Transparency::WhiteIsTransparent);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->width(), 8);
    EXPECT_EQ(picture->height(), 4);
    raster.canvas().setBrush(Brush{Color{0, 160, 0}, BrushStyle::Solid});
    raster.canvas().fillRect(TRect{0, 0, 40, 20});
    raster.canvas().stretchDraw(TRect{0, 0, 32, 16}, *picture);
    EXPECT_EQ(at(0, 0), 0x00A000u);
    EXPECT_EQ(at(15, 15), 0x00A000u);
    EXPECT_EQ(at(16, 0), 0x0000FFu);
    EXPECT_EQ(at(31, 15), 0x0000FFu);
    EXPECT_EQ(at(32, 8), 0x00A000u);
}

TEST_F(QtPictureLoaderTest, OpaquePicturesCoverTheGround) {
    for (const auto& [name, format] : {std::pair{"piece.bmp", PictureFormat::Bitmap},
                                       std::pair{"piece.jpg", PictureFormat::Jpeg}}) {
        const auto picture = loader.load(file(name), format, Transparency::Opaque);
        ASSERT_NE(picture, nullptr) << name;
        raster.canvas().setBrush(Brush{colors::black, BrushStyle::Solid});
        raster.canvas().fillRect(TRect{0, 0, 40, 20});
        raster.canvas().stretchDraw(TRect{0, 0, 32, 16}, *picture);
        EXPECT_GT(qGray(raster.image().pixel(2, 8)), 240) << name;
        EXPECT_LT(qRed(raster.image().pixel(28, 8)), 40) << name;
        EXPECT_GT(qBlue(raster.image().pixel(28, 8)), 200) << name;
    }
}

TEST_F(QtPictureLoaderTest, MissingCorruptOrMislabelledFilesGiveNoPicture) {
    writeBytes("truncated.jpg", QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10));
    writeBytes("garbage.bmp", QByteArray(64, 'x'));
    // A BMP header that claims 60000 x 60000 pixels must not allocate them.
    QByteArray huge("BM");
    huge += QByteArray::fromHex(
        "36000000"
        "00000000"
        "36000000"
        "28000000"
        "60EA0000"
        "60EA0000"
        "0100"
        "1800"
        "00000000");
    huge += QByteArray(32, '\0');
    writeBytes("huge.bmp", huge);
    struct Case {
        const char* name;
        PictureFormat format;
    };
    for (const Case c :
         {Case{"missing.jpg", PictureFormat::Jpeg}, Case{"truncated.jpg", PictureFormat::Jpeg},
          Case{"garbage.bmp", PictureFormat::Bitmap}, Case{"huge.bmp", PictureFormat::Bitmap},
          Case{"piece.bmp", PictureFormat::Jpeg}}) {
        EXPECT_EQ(loader.load(file(c.name), c.format, Transparency::Opaque), nullptr) << c.name;
    }
}

}  // namespace
}  // namespace velmora
