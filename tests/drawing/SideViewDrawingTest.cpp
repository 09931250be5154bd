#include "drawing/SideViewDrawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "../catalogue/CatalogueFixture.h"
#include "support/RecordingCanvas.h"

namespace velmora {
namespace {

using testing::RecordingCanvas;

// A searched 700 x 1000 x 1500 mm tank in a 10 x 10 m room 2.5 m high, with a bring-in
// opening of 0.8 x 1.9 m, drawn on a 600 x 300 canvas.
class SideViewDrawingTest : public testing::CatalogueFixture {
protected:
    SideViewDrawingTest() {
        tempData.Vorgaben.RaumHoehe = 2500;
        tempData.Vorgaben.EinbringBreite = 800;
        tempData.Vorgaben.EinbringHoehe = 1900;
    }

    TProdukt& gesucht(const testing::VarianteDef& variante,
                      std::vector<std::pair<int, int>> zusHoehen) {
        TProdukt& p = produkt({.zusHoehen = std::move(zusHoehen)});
        // The product refers to its variants; they live as long as the test.
        varianten.push_back({});
        varianten.back().push_back(testing::makeVariante(variante));
        EXPECT_TRUE(suche(p, varianten.back(), testing::sucheImRaum(10000, 10000)));
        return p;
    }

    std::vector<std::string> zeilen(const std::string& anfang) const {
        std::vector<std::string> treffer;
        for (const auto& entry : canvas.log()) {
            if (entry.rfind(anfang, 0) == 0)
                treffer.push_back(entry);
        }
        return treffer;
    }

    bool text(const std::string& label) const {
        return std::ranges::any_of(canvas.log(), [&](const std::string& entry) {
            return entry.find("\"" + label + "\"") != std::string::npos;
        });
    }

    RecordingCanvas canvas{600, 300};
    std::vector<std::vector<std::unique_ptr<TAufstellvariante>>> varianten;
};

// The four numbers after the first word of a log line: "roundRect 1,2,3,4 ...".
TRect rechteck(const std::string& zeile) {
    std::istringstream in(zeile.substr(zeile.find(' ') + 1));
    TRect r;
    char komma = 0;
    in >> r.Left >> komma >> r.Top >> komma >> r.Right >> komma >> r.Bottom;
    return r;
}

TEST_F(SideViewDrawingTest, TanksOfBothRowsWithTheAdditionalHeightOfTheirCount) {
    struct Case {
        testing::VarianteDef variante;
        int vorne;
        int hinten;
        const char* zusatz;  // nullptr: no additional height for this count
        const char* frei;
    };
    const Case cases[] = {
        {{.name = "1"}, 1, 0, nullptr, "frei 1,000 m"},
        {{.name = "3"}, 3, 0, "Zusatz 0,300 m", "frei 0,700 m"},
        {{.name = "3+2"}, 3, 2, "Zusatz 0,500 m", "frei 0,500 m"},
        {{.name = "2+1", .zwReihWaag = true}, 2, 1, "Zusatz 0,300 m", "frei 0,700 m"},
        {{.name = "2+2"}, 2, 2, nullptr, "frei 1,000 m"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.variante.name);
        canvas.clearLog();
        const TProdukt& p = gesucht(c.variante, {{3, 300}, {5, 500}});
        drawSideView(canvas, 600, 300, tempData, &p, false);

        const auto vorne = zeilen("roundRect ");
        std::vector<TRect> tanks;
        for (const auto& zeile : vorne) {
            tanks.push_back(rechteck(zeile));
        }
        const auto farbe = [&](const char* hex) {
            return std::ranges::count_if(vorne, [&](const std::string& z) {
                return z.find("brush solid " + std::string(hex)) != std::string::npos;
            });
        };
        EXPECT_EQ(farbe("F0E4B0"), c.vorne);
        EXPECT_EQ(farbe("DCDCD6"), c.hinten);
        EXPECT_TRUE(text("Tank 1,500 m"));
        EXPECT_TRUE(text("Raum 2,500 m"));
        EXPECT_TRUE(text("Öffnung 1,900 m"));
        EXPECT_TRUE(text(c.frei));
        EXPECT_EQ(c.zusatz != nullptr,
                  !zeilen("rectangle").empty() &&
                      zeilen("rectangle").front().find("brush cross") != std::string::npos);
        if (c.zusatz) {
            EXPECT_TRUE(text(c.zusatz));
        }
        // All tanks stand on the floor and are equally high; the front row is drawn last.
        for (const TRect& t : tanks) {
            EXPECT_EQ(t.Top, tanks.front().Top);
            EXPECT_EQ(t.Bottom, tanks.front().Bottom);
        }
        EXPECT_NE(vorne.back().find("F0E4B0"), std::string::npos);
    }
}

TEST_F(SideViewDrawingTest, HeightsKeepTheirProportionsToTheCeilingAndTheOpening) {
    const TProdukt& p = gesucht({.name = "2"}, {{2, 500}});
    drawSideView(canvas, 600, 300, tempData, &p, false);
    const TRect tank = rechteck(zeilen("roundRect ").front());
    const TRect zusatz = rechteck(zeilen("rectangle ").front());
    const TRect oeffnung = rechteck(zeilen("rectangle ").back());
    const auto fuellungen = zeilen("fillRect ");
    // Background, room, ceiling band, floor band.
    ASSERT_EQ(fuellungen.size(), 4u);
    const TRect raum = rechteck(fuellungen[1]);
    const double proMm = (raum.Bottom - raum.Top) / 2500.0;
    EXPECT_EQ(tank.Bottom - 1, raum.Bottom);
    EXPECT_NEAR(raum.Bottom - tank.Top, 1500 * proMm, 1);
    EXPECT_EQ(zusatz.Bottom - 1, tank.Top);
    EXPECT_NEAR(raum.Bottom - zusatz.Top, 2000 * proMm, 1);
    EXPECT_NEAR(raum.Bottom - oeffnung.Top, 1900 * proMm, 1);
    EXPECT_NEAR(oeffnung.Right - 1 - oeffnung.Left, 800 * proMm, 1);
    // Two tanks of 700 mm with 50 mm between them.
    EXPECT_NEAR(zusatz.Right - 1 - zusatz.Left, 1450 * proMm, 1);
    EXPECT_TRUE(text("frei 0,500 m"));
    // Everything inside the canvas.
    for (const auto& zeile : canvas.log()) {
        if (zeile.rfind("text ", 0) == 0) {
            const std::string clip = zeile.substr(zeile.find("clip ") + 5);
            const TRect r = rechteck("clip " + clip);
            EXPECT_GE(r.Left, 0) << zeile;
            EXPECT_GE(r.Top, 0) << zeile;
            EXPECT_LE(r.Right, 600) << zeile;
            EXPECT_LE(r.Bottom, 300) << zeile;
        }
    }
}

TEST_F(SideViewDrawingTest, ShortSegmentsPushTheirLabelsApart) {
    tempData.Vorgaben.RaumHoehe = 2050;
    const TProdukt& p = gesucht({.name = "3"}, {{3, 40}});
    drawSideView(canvas, 600, 300, tempData, &p, false);
    std::vector<int> tops;
    for (const char* label : {"Tank 1,500 m", "Zusatz 0,040 m", "frei 0,510 m"}) {
        for (const auto& zeile : zeilen("text ")) {
            if (zeile.find(label) != std::string::npos)
                tops.push_back(rechteck(zeile.substr(zeile.find("clip"))).Top);
        }
    }
    ASSERT_EQ(tops.size(), 3u);
    EXPECT_GE(tops[0] - tops[1], 13);
    EXPECT_GE(tops[1] - tops[2], 13);
}

TEST_F(SideViewDrawingTest, WithoutProductOnlyTheRoomAndWithoutSearchNothing) {
    drawSideView(canvas, 600, 300, tempData, nullptr, false);
    EXPECT_TRUE(zeilen("roundRect").empty());
    EXPECT_TRUE(text("Raum 2,500 m"));
    EXPECT_FALSE(text("Tank 1,500 m"));

    canvas.clearLog();
    tempData.Vorgaben.EinbringHoehe = 0;
    drawSideView(canvas, 600, 300, tempData, nullptr, false);
    EXPECT_TRUE(text("Raum 2,500 m"));
    EXPECT_TRUE(zeilen("rectangle").empty()) << "no opening";

    for (const int raumHoehe : {0, -2500}) {
        canvas.clearLog();
        tempData.Vorgaben.RaumHoehe = raumHoehe;
        drawSideView(canvas, 600, 300, tempData, nullptr, false);
        EXPECT_TRUE(testing::sameLog({"fillRect 0,0,600,300 brush solid FFFFFF"}, canvas.log()));
    }

    canvas.clearLog();
    tempData.Vorgaben.RaumHoehe = 2500;
    drawSideView(canvas, 40, 20, tempData, nullptr, false);
    EXPECT_TRUE(testing::sameLog({"fillRect 0,0,40,20 brush solid FFFFFF"}, canvas.log()));
}

TEST_F(SideViewDrawingTest, PrintedLabelsHaveTheirPaperHeightWhateverTheResolution) {
    // One pixel is 0.1 mm on paper: 4.0 mm em, 2.8 mm cap height (0.7 em), at least 2 mm.
    for (const int dpi : {72, 96, 300}) {
        RecordingCanvas druck{1770, 700, dpi};
        drawSideView(druck, 1770, 700, tempData, nullptr, true);
        const auto& log = druck.log();
        const auto label = std::ranges::find_if(
            log, [](const std::string& z) { return z.rfind("text ", 0) == 0; });
        ASSERT_NE(label, log.end());
        EXPECT_NE(label->find("font Arial -40 "), std::string::npos) << *label;
    }
}

}  // namespace
}  // namespace velmora
