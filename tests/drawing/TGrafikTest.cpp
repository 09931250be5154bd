#include "drawing/TGrafik.h"

#include <gtest/gtest.h>

#include <string>

#include "../catalogue/CatalogueFixture.h"
#include "support/RecordingCanvas.h"

namespace velmora {
namespace {

using testing::RecordingCanvas;

// A 4 x 3 m room on a 400 x 300 canvas: margins 13 (line height), scale from the height.
class TGrafikTest : public ::testing::Test {
protected:
    RecordingCanvas canvas{400, 300};
    TGrafik grafik{"app/", canvas, 400, 300, false, colors::white, colors::black};

    bool logged(const std::string& line) const {
        for (const auto& entry : canvas.log()) {
            if (entry.find(line) != std::string::npos)
                return true;
        }
        return false;
    }
};

TEST_F(TGrafikTest, MapsRoomMillimetresAndPixelsBothWays) {
    grafik.beginneZeichnung(4000, 3000);
    EXPECT_EQ(grafik.getRaumTopLeft(), (TPoint{13, 13}));
    EXPECT_EQ(grafik.getRaumBottomRight(), (TPoint{378, 287}));
    EXPECT_EQ(grafik.getPositionAtCoord(13, 287), (TPointF{0, 0}));
    const TPointF far = grafik.getPositionAtCoord(378, 13);
    EXPECT_NEAR(far.X, 4000, 10);
    EXPECT_NEAR(far.Y, 3000, 1);
    EXPECT_EQ(grafik.pixelX(0), 13);
    EXPECT_EQ(grafik.pixelY(0), 287);
    EXPECT_EQ(grafik.pixelY(3000), 13);
}

TEST_F(TGrafikTest, RoomIsSilverWithLabelsAboveAndRightWithoutCorner) {
    grafik.beginneZeichnung(4000, 3000);
    // The rotated length label right of the room starts at its rectangle's top right; its
    // top 13 + Round(112.5) rounds the tie to even.
    EXPECT_TRUE(testing::sameLog(
        {"fillRect 0,0,400,300 brush solid FFFFFF",
         "rectangle 13,13,378,287 pen 000000/1 brush solid C0C0C0",
         "text 171,-1 clip 171,-1,220,12 \"4,000 m\" font Arial -13 000000 brush clear",
         "text 392,125 clip 379,125,392,174 \"3,000 m\" font Arial -13 000000 esc -900 brush "
         "clear"},
        canvas.log()));
}

TEST_F(TGrafikTest, CornerMovesRoomLabelsAndErasesOuterWalls) {
    grafik.beginneZeichnung(4000, 3000);
    canvas.clearLog();
    grafik.zeichneEcke("OR", 1000, 1000, 4000, 3000);
    // Room labels below and left of the room; the cut-out (x = 378 - 91 = 287, y = 13)
    // outlined, erased on the outer walls, and labelled inside.
    EXPECT_TRUE(testing::sameLog(
        {"fillRect 0,0,400,300 brush solid FFFFFF",
         "rectangle 13,13,378,287 pen 000000/1 brush solid C0C0C0",
         "text 171,288 clip 171,288,220,301 \"4,000 m\" font Arial -13 000000 brush clear",
         "text 12,125 clip -1,125,12,174 \"3,000 m\" font Arial -13 000000 esc -900 brush clear",
         "rectangle 287,13,378,104 pen 000000/1 brush solid FFFFFF",
         "rectangle 288,13,378,103 pen FFFFFF/1 brush solid FFFFFF",
         "text 308,90 clip 308,90,357,103 \"1,000 m\" font Arial -13 000000 brush clear",
         "text 301,34 clip 288,34,301,83 \"1,000 m\" font Arial -13 000000 esc -900 brush clear"},
        canvas.log()));
}

TEST_F(TGrafikTest, CornerLabelsOverlappingLeaveOnlyTheWidthLabel) {
    grafik.beginneZeichnung(4000, 3000);
    canvas.clearLog();
    grafik.zeichneEcke("UL", 700, 600, 4000, 3000);
    EXPECT_TRUE(logged("\"0,700 m\""));
    EXPECT_FALSE(logged("\"0,600 m\""));
}

TEST_F(TGrafikTest, BoilerRoomPictureBandAndLabels) {
    canvas.loader().addPicture("app/images/graphics/heizung-topleft.jpg", 40, 40);
    grafik.beginneZeichnung(4000, 3000);
    canvas.clearLog();
    grafik.zeichneHeizraum("OL", 1000, 1000, false, false, false, 4000, 3000, 0, 0, 400, true);
    // w = l = R(91.33) - 1 = 90; the hatched clearance band around it; labels below and
    // right of the picture.
    EXPECT_TRUE(testing::sameLog(
        {"picture app/images/graphics/heizung-topleft.jpg 40x40 14,14,103,103",
         "polygon 103,14 140,14 140,140 14,140 14,103 103,103 pen 000000/1 brush cross FFFF00",
         "text 34,104 clip 34,104,83,117 \"1,000 m\" font Arial -13 000000 brush clear",
         "text 117,34 clip 104,34,117,83 \"1,000 m\" font Arial -13 000000 esc -900 brush clear"},
        canvas.log()));
}

TEST_F(TGrafikTest, BoilerBandOnlyWhileMovingAndMissingPictureSkipped) {
    grafik.beginneZeichnung(4000, 3000);
    canvas.clearLog();
    grafik.zeichneHeizraum("UR", 1000, 1000, false, false, false, 4000, 3000, 0, 0, 400, false);
    EXPECT_FALSE(logged("polygon"));
    EXPECT_FALSE(logged("picture"));
    EXPECT_TRUE(logged("\"1,000 m\""));
}

TEST(TGrafikPositions, DrawingPositionFollowsBoilerAndCorner) {
    struct Case {
        const char* P;
        const char* heizraum;
        bool daneben;
        bool darunter;
        const char* expected;
    };
    const Case cases[] = {
        {"OL", "OR", false, false, "UL"}, {"UR", "", false, true, "UL"},
        {"OR", "", true, false, "UR"},    {"UL", "OL", false, false, "UR"},
        {"UL", "UR", false, false, "OL"}, {"OR", "UR", false, false, "OL"},
        {"UR", "", true, false, "OR"},    {"OL", "UL", false, false, "OR"},
        {"OL", "", false, false, "OL"},   {"UR", "OL", false, false, "UR"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TGrafik::zeichenPosition(c.P, c.heizraum, c.daneben, c.darunter), c.expected)
            << c.P << " " << c.heizraum;
    }
}

TEST(TGrafikPositions, FillClockMirrorsLetters) {
    EXPECT_TRUE(TGrafik::istFuellUhr("OL", true));
    EXPECT_TRUE(TGrafik::istFuellUhr("UR", true));
    EXPECT_FALSE(TGrafik::istFuellUhr("OR", true));
    EXPECT_TRUE(TGrafik::istFuellUhr("UL", false));
    EXPECT_FALSE(TGrafik::istFuellUhr("OL", false));
}

// A searched 700 x 1000 mm tank "T" in a 10 x 10 m room, drawn horizontally at "OL"; every
// tank picture of both folders exists, so the log shows which ones the drawing picks.
class TGrafikBatteryTest : public testing::CatalogueFixture {
protected:
    RecordingCanvas canvas{400, 400};
    TGrafik grafik{"app/", canvas, 400, 400, false, colors::white, colors::black};

    void zeichne(const testing::VarianteDef& variante) {
        for (const char* folder : {"h", "v"}) {
            for (const char* suffix : {"o", "u", "l", "r"}) {
                canvas.loader().addPicture(tankBild(folder, suffix), 26, 37);
            }
        }
        TProdukt& p = gruppe.addProdukt(TProduktDaten{.Bezeichnung = "Tank",
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
        std::vector<std::unique_ptr<TAufstellvariante>> varianten;
        varianten.push_back(testing::makeVariante(variante));
        ASSERT_TRUE(suche(p, varianten, testing::sucheImRaum(10000, 10000)));
        const auto& aufstellungen = p.getMoeglicheAufstellVarianten();
        std::size_t index = 0;
        while (index < aufstellungen.size() && !aufstellungen[index]->getHorizontal())
            ++index;
        ASSERT_LT(index, aufstellungen.size());
        p.setMoeglicheAufstellvariante(index);
        grafik.beginneZeichnung(10000, 10000);
        canvas.clearLog();
        grafik.zeichneTank("OL", "", p, false, false, false, false, false, false, 10000, 10000, 0,
                           0, false, true);
    }

    static std::string tankBild(const std::string& folder, const std::string& suffix) {
        return "app/images/graphics/" + folder + "/T" + suffix + ".jpg";
    }

    int tanksDrawn(const std::string& path) const {
        int count = 0;
        for (const auto& entry : canvas.log()) {
            if (entry.rfind("picture " + path + " ", 0) == 0)
                ++count;
        }
        return count;
    }

    bool pipeAskedFor(const std::string& name) {
        return canvas.loader().loadCount("app/images/graphics/h/" + name + ".bmp") == 1;
    }
};

TEST_F(TGrafikBatteryTest, StraightSecondRowFacesTheFirstAndIsJoinedAtTheLeftEnd) {
    zeichne({.name = "3+2"});
    EXPECT_EQ(tanksDrawn(tankBild("h", "o")), 3);
    EXPECT_EQ(tanksDrawn(tankBild("h", "u")), 2);
    // "OL" horizontal mirrors the letters passing through the fill clock: across "o" of row
    // 1 reads "u", across "u" of row 2 reads "o"; start pieces are never mirrored.
    for (const char* piece :
         {"rohr_hu", "rohr_vl", "up_olu", "ep_middle_ur", "ep_middle_ul", "hp_start_r", "rohr_ho",
          "up_ulo", "ep_middle_or", "ep_middle_ol", "hp_end_or"}) {
        EXPECT_TRUE(pipeAskedFor(piece)) << piece;
    }
    for (const char* piece : {"hp_start_l", "hp_end_ul", "hp_end_ur", "rohr_vr"}) {
        EXPECT_FALSE(pipeAskedFor(piece)) << piece;
    }
}

TEST_F(TGrafikBatteryTest, CrosswiseSecondRowUsesTheTurnedPicturesOfTheOtherFolder) {
    zeichne({.name = "3+2", .zwReihWaag = true});
    EXPECT_EQ(tanksDrawn(tankBild("h", "o")), 3);
    EXPECT_EQ(tanksDrawn(tankBild("v", "r")), 2);
    EXPECT_EQ(tanksDrawn(tankBild("h", "u")), 0);
    EXPECT_TRUE(pipeAskedFor("hp_start_r"));
    EXPECT_TRUE(pipeAskedFor("hp_end_or"));
    EXPECT_TRUE(pipeAskedFor("rohr_vl"));
}

}  // namespace
}  // namespace velmora
