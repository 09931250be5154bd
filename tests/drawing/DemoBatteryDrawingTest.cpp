// Every battery of the demo catalogue drawn at every corner in both orientations: the tanks
// stay inside the battery's outline without overlapping, the two rows' junction runs meet,
// and each tank's pipe band lies over the fittings dome of its picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "../../tools/pictures/TankDome.h"
#include "app/TDaten.h"
#include "base/Rounding.h"
#include "catalogue/PolygonContainment.h"
#include "catalogue/TAufstellung.h"
#include "catalogue/TAufstellvariante.h"
#include "drawing/TGrafik.h"
#include "support/RecordingCanvas.h"
#include "support/ScriptedHost.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using testing::RecordingCanvas;

// One stretched picture of the log.
struct Drawn {
    std::string path;
    TRect rect;
};

std::vector<Drawn> pictures(const std::vector<std::string>& log) {
    std::vector<Drawn> result;
    for (const std::string& line : log) {
        if (line.rfind("picture ", 0) != 0) {
            continue;
        }
        std::istringstream in(line.substr(8));
        Drawn d;
        std::string size;
        std::string last;
        in >> d.path >> size;
        while (in >> last) {
        }
        char comma = 0;
        std::istringstream r(last);
        r >> d.rect.Left >> comma >> d.rect.Top >> comma >> d.rect.Right >> comma >> d.rect.Bottom;
        result.push_back(d);
    }
    return result;
}

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool overlap(const TRect& a, const TRect& b) {
    return std::max(a.Left, b.Left) < std::min(a.Right, b.Right) &&
           std::max(a.Top, b.Top) < std::min(a.Bottom, b.Bottom);
}

bool contains(const TRect& r, TPoint p) {
    return p.X >= r.Left && p.X <= r.Right && p.Y >= r.Top && p.Y <= r.Bottom;
}

// Inside the pixel outline, up to t pixels.
bool insideOutline(const TRect& tank, const TPoints& outline, int t) {
    const TRect inner{tank.Left + t, tank.Top + t, tank.Right - t, tank.Bottom - t};
    for (TPoint corner : {TPoint{inner.Left, inner.Top}, TPoint{inner.Right, inner.Top},
                          TPoint{inner.Left, inner.Bottom}, TPoint{inner.Right, inner.Bottom}}) {
        if (!istPunktImPolygon(outline, corner)) {
            return false;
        }
    }
    for (TPoint vertex : outline) {
        if (vertex.X > inner.Left && vertex.X < inner.Right && vertex.Y > inner.Top &&
            vertex.Y < inner.Bottom) {
            return false;
        }
    }
    return true;
}

class DemoBatteryDrawing : public ::testing::Test {
protected:
    static std::string programDirectory() {
        const char* bin = std::getenv("VELMORA_BIN");
        return std::string(bin ? bin : ".") + "/";
    }

    void SetUp() override {
        daten.zeichneIn(canvas, kPixels, kPixels);
        for (const auto& entry :
             fs::recursive_directory_iterator(programDirectory() + "images/graphics")) {
            if (entry.is_regular_file()) {
                canvas.loader().addPicture(entry.path().string(), 12, 12);
            }
        }
    }

    // Draws every arrangement that some search at Position finds in a room of the given
    // width and length (m), calling check for each.
    template <typename Check>
    void forEachArrangement(const std::string& position, Check check,
                            const std::string& breite = "12", const std::string& laenge = "12") {
        std::set<std::string> seen;
        for (int volume = 1000; volume <= 12000; volume += 500) {
            daten.sucheLoesung({.TankPosition = position,
                                .RaumBreite = {breite},
                                .RaumLaenge = {laenge},
                                .RaumHoehe = {"2,5"},
                                .SollVolumen = {std::to_string(volume)},
                                .EinbringHoehe = {"2"},
                                .EinbringBreite = {"2"},
                                .ARefreshGraphic = false});
            for (TProdukt* produkt : *daten.getLoesungsListe()) {
                if (!produkt->getAufstellvariation()) {
                    continue;
                }
                daten.setProdukt(produkt->getArtikelNr(), false);
                const auto& liste = produkt->getMoeglicheAufstellVarianten();
                for (std::size_t i = 0; i < liste.size(); ++i) {
                    const TAufstellung& a = *liste[i];
                    const std::string name = produkt->getArtikelNr() + " " +
                                             a.getVariante()->getVariante() +
                                             (a.getHorizontal() ? " h " : " v ") + position + " " +
                                             breite + "x" + laenge;
                    if (!seen.insert(name).second) {
                        continue;
                    }
                    daten.aendereAufstellung(i, false);
                    canvas.clearLog();
                    daten.erstelleGrafik(nullptr, false, true);
                    check(name, *produkt, a);
                }
            }
        }
        ASSERT_FALSE(seen.empty());
    }

    std::vector<Drawn> tanks() const {
        std::vector<Drawn> result;
        for (const Drawn& d : pictures(canvas.log())) {
            if (d.path.find("/graphics/") != std::string::npos && endsWith(d.path, ".jpg")) {
                result.push_back(d);
            }
        }
        return result;
    }

    TPoints pixelOutline(const TAufstellung& a) const {
        TPoints outline;
        for (TPoint p : a.getTankPosition()) {
            outline.push_back(TPoint{daten.Grafik()->pixelX(p.X), daten.Grafik()->pixelY(p.Y)});
        }
        return outline;
    }

    // Large enough that a few centimetres are many pixels: the rounding tolerance of the
    // checks below must not hide a tank drawn beside its outline.
    static constexpr int kPixels = 3000;
    testing::ScriptedHost host;
    RecordingCanvas canvas{kPixels, kPixels};
    TDaten daten{programDirectory(), false};
};

const char* const kCorners[] = {"OL", "UL", "UR", "OR"};

TEST_F(DemoBatteryDrawing, TanksLieInsideTheOutlineWithoutOverlapping) {
    int crosswise = 0;
    // The smaller room puts two-row batteries whose second row is longer than the first
    // against the right and bottom walls.
    for (const auto& [corner, breite, laenge] :
         std::vector<std::tuple<std::string, std::string, std::string>>{{"OL", "12", "12"},
                                                                        {"UL", "12", "12"},
                                                                        {"UR", "12", "12"},
                                                                        {"OR", "12", "12"},
                                                                        {"UL", "9", "8"},
                                                                        {"UR", "9", "8"},
                                                                        {"OR", "9", "8"}}) {
        forEachArrangement(
            corner,
            [&](const std::string& name, const TProdukt&, const TAufstellung& a) {
                crosswise += a.getVariante()->getZwReihWaag() ? 1 : 0;
                const std::vector<Drawn> drawn = tanks();
                ASSERT_EQ(static_cast<int>(drawn.size()),
                          a.getVariante()->getReihe1() + a.getVariante()->getReihe2())
                    << name;
                const TPoints outline = pixelOutline(a);
                // Tank and spacing are rounded to pixels separately: up to a pixel per tank.
                const int tolerance =
                    1 + std::max(a.getVariante()->getReihe1(), a.getVariante()->getReihe2());
                for (std::size_t i = 0; i < drawn.size(); ++i) {
                    EXPECT_TRUE(insideOutline(drawn[i].rect, outline, tolerance))
                        << name << " tank " << i;
                    for (std::size_t j = i + 1; j < drawn.size(); ++j) {
                        EXPECT_FALSE(overlap(drawn[i].rect, drawn[j].rect))
                            << name << " tanks " << i << " and " << j;
                    }
                }
            },
            breite, laenge);
    }
    EXPECT_GT(crosswise, 0);
}

TEST_F(DemoBatteryDrawing, JunctionRunsOfTheTwoRowsMeet) {
    for (const char* corner : kCorners) {
        forEachArrangement(corner, [&](const std::string& name, const TProdukt&,
                                       const TAufstellung& a) {
            if (a.getVariante()->getReihe2() == 0) {
                return;
            }
            // Junction runs cross the rows: one-pixel lines across the row direction.
            const bool horizontal = a.getHorizontal();
            const std::string run = horizontal ? "/h/rohr_v" : "/v/rohr_h";
            std::map<std::pair<int, int>, std::set<int>> runs;  // extent across -> lines
            for (const Drawn& d : pictures(canvas.log())) {
                if (d.path.find(run) == std::string::npos) {
                    continue;
                }
                const TRect& r = d.rect;
                if (horizontal) {
                    runs[{r.Top, r.Bottom}].insert(r.Left);
                } else {
                    runs[{r.Left, r.Right}].insert(r.Top);
                }
            }
            ASSERT_EQ(runs.size(), 2u) << name;
            const auto& [first, firstLines] = *runs.begin();
            const auto& [second, secondLines] = *std::next(runs.begin());
            EXPECT_LE(std::max(first.first, second.first), std::min(first.second, second.second))
                << name << ": the runs do not reach each other across the rows";
            std::vector<int> shared;
            std::set_intersection(firstLines.begin(), firstLines.end(), secondLines.begin(),
                                  secondLines.end(), std::back_inserter(shared));
            EXPECT_FALSE(shared.empty()) << name << ": the runs share no pixel line";
        });
    }
}

TEST_F(DemoBatteryDrawing, PipeBandLiesOverTheFittingsDome) {
    std::set<bool> opposite;
    for (const char* corner : kCorners) {
        forEachArrangement(corner, [&](const std::string& name, const TProdukt& produkt,
                                       const TAufstellung&) {
            opposite.insert(produkt.getAufsatzGegenueber());
            const double V = daten.Grafik()->getVerhaeltnis();
            const int d = roundHalfToEven(pictures::domeCentreFromEdge(produkt.getBreite()) * V);
            const std::vector<Drawn> all = pictures(canvas.log());
            for (const Drawn& tank : tanks()) {
                const char suffix = tank.path[tank.path.size() - 5];
                const TRect& t = tank.rect;
                const int midX = (t.Left + t.Right) / 2;
                const int midY = (t.Top + t.Bottom) / 2;
                TPoint dome;
                switch (pictures::domeEdge(suffix, produkt.getAufsatzGegenueber())) {
                    case 'o':
                        dome = {midX, t.Top + d};
                        break;
                    case 'u':
                        dome = {midX, t.Bottom - d};
                        break;
                    case 'l':
                        dome = {t.Left + d, midY};
                        break;
                    default:
                        dome = {t.Right - d, midY};
                        break;
                }
                // The band: the pieces (not the runs) drawn over this tank.
                bool covered = false;
                for (const Drawn& piece : all) {
                    if (!endsWith(piece.path, ".bmp") ||
                        piece.path.find("/rohr_") != std::string::npos) {
                        continue;
                    }
                    const TPoint centre{(piece.rect.Left + piece.rect.Right) / 2,
                                        (piece.rect.Top + piece.rect.Bottom) / 2};
                    const TRect grown{piece.rect.Left - 1, piece.rect.Top - 1, piece.rect.Right + 1,
                                      piece.rect.Bottom + 1};
                    covered = covered || (contains(t, centre) && contains(grown, dome));
                }
                EXPECT_TRUE(covered)
                    << name << " " << tank.path << " at " << t.Left << "," << t.Top;
            }
        });
    }
    EXPECT_EQ(opposite.size(), 2u) << "products with and without opposite fittings";
}

}  // namespace
}  // namespace velmora
