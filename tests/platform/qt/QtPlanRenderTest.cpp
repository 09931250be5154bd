#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

#include "../../catalogue/CatalogueFixture.h"
#include "base/Rounding.h"
#include "drawing/TGrafik.h"
#include "platform/qt/QtRasterImage.h"

namespace velmora::testing {
namespace {

// The plan of a 10 x 10 m room with a corner cut-out at the bottom right and a row of three
// blue 700 x 1000 mm tanks at "OL", rendered into real pixels. The only pipe piece on disk
// is the start piece of the first tank: white on its left half, black on its right half.
class QtPlanRenderTest : public CatalogueFixture {
protected:
    static constexpr int kSize = 400;
    static constexpr QRgb kTankBlue = 0x0000FFu;

    QTemporaryDir programDir;
    QtRasterImage raster{kSize, kSize};
    std::unique_ptr<TGrafik> grafik;
    // The searched arrangements point into these variants.
    std::vector<std::unique_ptr<TAufstellvariante>> varianten;
    TProdukt* tank = nullptr;

    void SetUp() override {
        ASSERT_TRUE(programDir.isValid());
        ASSERT_TRUE(QDir(programDir.path()).mkpath("images/graphics/h"));
        QImage tankPicture(70, 100, QImage::Format_RGB32);
        tankPicture.fill(kTankBlue);
        ASSERT_TRUE(tankPicture.save(programDir.filePath("images/graphics/h/To.jpg"), "JPG"));
        QImage startPiece(40, 16, QImage::Format_RGB32);
        startPiece.fill(Qt::white);
        QPainter(&startPiece).fillRect(20, 0, 20, 16, Qt::black);
        ASSERT_TRUE(
            startPiece.save(programDir.filePath("images/graphics/h/hp_start_l.bmp"), "BMP"));

        tank = &gruppe.addProdukt(TProduktDaten{.Bezeichnung = "Tank",
                                                .ArtNr = "P1",
                                                .Inhalt = 1000,
                                                .Preis = 1000.0,
                                                .Breite = 700,
                                                .Laenge = 1000,
                                                .Hoehe = 1500,
                                                .Aufstellvariationen = true,
                                                .ZusBreite = 50,
                                                .ZusLaenge = 100,
                                                .ZusSpezLaenge = 200,
                                                .Grafik = "T",
                                                .RohrStart = {100, 100},
                                                .RohrEnde = {600, 300},
                                                .RohrStartReihe2 = {100, 700},
                                                .RohrEndeReihe2 = {600, 900}},
                                  tempData, nullptr);
        varianten.push_back(makeVariante({.name = "3"}));
        ASSERT_TRUE(suche(*tank, varianten, sucheImRaum(10000, 10000)));
        const auto& aufstellungen = tank->getMoeglicheAufstellVarianten();
        std::size_t index = 0;
        while (index < aufstellungen.size() && !aufstellungen[index]->getHorizontal())
            ++index;
        ASSERT_LT(index, aufstellungen.size());
        tank->setMoeglicheAufstellvariante(index);

        grafik = std::make_unique<TGrafik>(programDir.path().toStdString() + "/", raster.canvas(),
                                           kSize, kSize, false, colors::white, colors::black);
        grafik->beginneZeichnung(10000, 10000);
        grafik->zeichneEcke("UR", 3000, 3000, 10000, 10000);
    }

    void zeichneTank(bool moving, bool valid) {
        grafik->zeichneTank("OL", "", *tank, false, false, false, true, false, false, 10000, 10000,
                            3000, 3000, moving, valid);
    }

    QRgb at(int x, int y) const { return raster.image().pixel(x, y) & 0xFFFFFFu; }
    QRgb atMm(double x, double y) const { return at(grafik->pixelX(x), grafik->pixelY(y)); }

    // Tolerates the colour noise of the JPEG tank picture.
    static bool isTankBlue(QRgb pixel) {
        return qBlue(pixel) > 200 && qRed(pixel) < 60 && qGreen(pixel) < 60;
    }
};

TEST_F(QtPlanRenderTest, RoomCornerTanksAndTransparentPipePiece) {
    zeichneTank(false, true);
    EXPECT_EQ(atMm(5000, 5000), 0xC0C0C0u) << "room floor";
    EXPECT_EQ(atMm(9000, 1000), 0xFFFFFFu) << "corner cut-out";
    // Tank 2 of the row, clear of its pipe band.
    EXPECT_TRUE(isTankBlue(atMm(1100, 9500))) << std::hex << atMm(1100, 9500);

    // The start piece sits on the first tank's band, 100..600 mm along, 100..300 mm across.
    const double v = grafik->getVerhaeltnis();
    const TPoint start = grafik->getTempTankStart();
    const int left = start.X + roundHalfToEven(100 * v);
    const int right = left + roundHalfToEven(500 * v);
    const int mid = start.Y + roundHalfToEven(200 * v);
    EXPECT_TRUE(isTankBlue(at(left + 1, mid))) << "white of the piece shows the tank below";
    EXPECT_EQ(at(right - 2, mid), 0x000000u) << "black of the piece is drawn";
}

TEST_F(QtPlanRenderTest, InvalidPlaceWhileMovingIsHatchedRed) {
    zeichneTank(true, false);
    int red = 0;
    int blue = 0;
    const TPoint from = grafik->getTempTankStart();
    const TPoint to = grafik->getTempTankEnd();
    for (int y = from.Y + 1; y < to.Y - 1; ++y) {
        for (int x = from.X + 1; x < to.X - 1; ++x) {
            red += at(x, y) == 0xFF0000u;
            blue += isTankBlue(at(x, y));
        }
    }
    // A hatch, not a fill: the tanks still show between its lines.
    EXPECT_GT(red, 20);
    EXPECT_GT(blue, red);
    EXPECT_EQ(atMm(5000, 5000), 0xC0C0C0u) << "the hatch stays on the clearance area";
}

TEST_F(QtPlanRenderTest, CrosswiseSecondRowLiesAlongTheRow) {
    // 3+2 with the second row crosswise: two turned (green) tanks side by side along the row,
    // 1000 mm long with 100 mm between them, 200 mm below the first row.
    ASSERT_TRUE(QDir(programDir.path()).mkpath("images/graphics/v"));
    QImage turned(100, 70, QImage::Format_RGB32);
    turned.fill(0x00C000u);
    ASSERT_TRUE(turned.save(programDir.filePath("images/graphics/v/Tr.jpg"), "JPG"));
    std::vector<std::unique_ptr<TAufstellvariante>> quer;
    quer.push_back(makeVariante({.name = "3+2", .zwReihWaag = true}));
    ASSERT_TRUE(suche(*tank, quer, sucheImRaum(10000, 10000)));
    const auto& aufstellungen = tank->getMoeglicheAufstellVarianten();
    std::size_t index = 0;
    while (index < aufstellungen.size() && !aufstellungen[index]->getHorizontal())
        ++index;
    ASSERT_LT(index, aufstellungen.size());
    tank->setMoeglicheAufstellvariante(index);
    zeichneTank(false, true);

    const double v = grafik->getVerhaeltnis();
    const TPoint start = grafik->getTempTankStart();
    const auto atBattery = [&](int along, int across) {
        return at(start.X + roundHalfToEven(along * v), start.Y + roundHalfToEven(across * v));
    };
    const auto isGreen = [](QRgb pixel) {
        return qGreen(pixel) > 150 && qRed(pixel) < 60 && qBlue(pixel) < 60;
    };
    EXPECT_TRUE(isGreen(atBattery(300, 1550))) << std::hex << atBattery(300, 1550);
    EXPECT_TRUE(isGreen(atBattery(1800, 1550))) << std::hex << atBattery(1800, 1550);
    // Where a tank stacked across the row would lie, outside the battery: floor.
    EXPECT_EQ(atBattery(300, 2300), 0xC0C0C0u);
}

}  // namespace
}  // namespace velmora::testing
