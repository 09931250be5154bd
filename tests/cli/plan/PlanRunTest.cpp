#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "cli/plan/JsonValue.h"
#include "cli/plan/RunPlan.h"

namespace velmora {
namespace {

using testing::JsonValue;
using Texts = std::vector<std::string>;

// Runs velmora-plan on the demo catalogue in the build's program directory, in German.
testing::PlanProcessResult plan(const std::string& arguments) {
    const std::string bin = std::getenv("VELMORA_BIN") ? std::getenv("VELMORA_BIN") : ".";
    return testing::runPlan("--catalogue '" + bin + "' " + arguments, "LC_ALL=de_DE.UTF-8");
}

std::pair<double, double> point(const JsonValue& xy) {
    return {xy[0].asNumber(), xy[1].asNumber()};
}

const std::string kKeller =
    "--room-width 3,5 --room-length 4 --room-height 2,2 --volume 5000 --opening-width 0,8 "
    "--opening-height 1,9 --boiler-room --boiler-width 1 --boiler-length 1 --boiler-position UR";

TEST(PlanRun, JsonCarriesTheSearchAndTheChosenInstallation) {
    const testing::PlanProcessResult first = plan(kKeller);
    ASSERT_EQ(first.status, 0);
    const JsonValue all = JsonValue::parse(first.out);
    EXPECT_EQ(all.keys(), (Texts{"inputs", "placement", "messages", "roomOutline", "hzOutline",
                                 "solutions", "current"}));
    EXPECT_EQ(all["inputs"].keys(), (Texts{"roomWidth", "roomLength", "roomHeight", "volume",
                                           "openingHeight", "openingWidth", "cornerWidth",
                                           "cornerLength", "boilerWidth", "boilerLength"}));
    EXPECT_EQ(all["inputs"]["boilerWidth"].asString(), "1,00");
    EXPECT_EQ(all["placement"]["raumBreite"].asString(), "3500");
    EXPECT_EQ(all["placement"]["abstandHeizraum"].asNumber(), 1000);
    EXPECT_TRUE(all["placement"]["loesung"].asBool());
    EXPECT_EQ(all["current"].type(), JsonValue::Type::Null);
    const JsonValue& solution = all["solutions"][0];
    EXPECT_EQ(solution.keys(), (Texts{"artNr", "bezeichnung", "gruppe", "inhalt",
                                      "aufstellvariationen", "installations"}));
    EXPECT_EQ(
        solution["installations"][0].keys(),
        (Texts{"variant", "tanks", "volume", "horizontal", "gedreht", "ignoreNorm", "fittingsPrice",
               "tankOutline", "gapOutline", "gapReal", "abstandWaagerecht", "abstandSenkrecht"}));

    const std::string artNr = solution["artNr"].asString();
    const std::size_t last = solution["installations"].size() - 1;
    const testing::PlanProcessResult chosen =
        plan(kKeller + " --select " + artNr + " --installation " + std::to_string(last));
    ASSERT_EQ(chosen.status, 0);
    const JsonValue current = JsonValue::parse(chosen.out)["current"];
    EXPECT_EQ(current.keys(), (Texts{"artNr",
                                     "installation",
                                     "variant",
                                     "horizontal",
                                     "gesamtBreite",
                                     "gesamtLaenge",
                                     "gesamtHoehe",
                                     "gesamtInhalt",
                                     "gesamtPreis",
                                     "optZubehoerPreis",
                                     "mindestAbstaende",
                                     "mindestAbstand",
                                     "heizraumAbstandSeite",
                                     "varianteIndex",
                                     "aktuelleVariante",
                                     "gesamtVarianten",
                                     "accessories",
                                     "tankPosition",
                                     "gapPosition",
                                     "offset"}));
    EXPECT_EQ(current["installation"].asNumber(), static_cast<double>(last));
    EXPECT_EQ(current["varianteIndex"].asNumber(), static_cast<double>(last));
    EXPECT_EQ(current["aktuelleVariante"].asNumber(), current["gesamtVarianten"].asNumber());
    ASSERT_GT(current["accessories"].size(), 0u);
    EXPECT_EQ(current["accessories"][0].keys(),
              (Texts{"artNr", "bezeichnung", "anzahl", "preis", "checked", "enabled"}));
}

// A cut-out given without its corner takes the corner the window would press, not none.
TEST(PlanRun, ACutOutWithoutACornerTakesTheDefaultCorner) {
    const testing::PlanProcessResult run =
        plan("--room-width 4 --corner-width 1 --corner-length 1,2");
    ASSERT_EQ(run.status, 0) << run.err;
    const JsonValue placement = JsonValue::parse(run.out)["placement"];
    EXPECT_TRUE(placement["eckeVorhanden"].asBool());
    EXPECT_EQ(placement["eckePosition"].asString(), "OR");
}

TEST(PlanRun, TextFormatListsSolutionsAndMaterial) {
    const testing::PlanProcessResult first = plan(kKeller + " --format json");
    const std::string artNr = JsonValue::parse(first.out)["solutions"][0]["artNr"].asString();
    const testing::PlanProcessResult text = plan(kKeller + " --format text --select " + artNr);
    ASSERT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("Lösungen"), std::string::npos);
    EXPECT_NE(text.out.find("Auswahl: " + artNr), std::string::npos);
    EXPECT_NE(text.out.find("Material"), std::string::npos);
    EXPECT_NE(text.out.find("3,5 x 4 x 2,2 m"), std::string::npos);
}

// 6 x 5 m with the boiler room at the bottom right: the 4+1 battery in the top-left corner
// has its tank bounding-box centre at (1645, 3470).
const std::string kMoveRoom =
    "--room-width 6 --room-length 5 --room-height 2,2 --volume 5000 --opening-width 0,8 "
    "--opening-height 1,9 --boiler-room --boiler-width 1 --boiler-length 1 "
    "--boiler-position UR --select 951100";

TEST(PlanRun, MoveToCommitsOnlyAValidPlace) {
    const std::string& raum = kMoveRoom;
    const JsonValue placed = JsonValue::parse(plan(raum).out)["current"];
    ASSERT_EQ(point(placed["offset"]), (std::pair<double, double>{0, 0}));
    struct Case {
        std::string to;
        bool valid;
        std::pair<double, double> offset;
    };
    const std::vector<Case> cases{
        {"2500,2500", true, {855, -970}},
        {"2501.5,2498.5", true, {857, -972}},  // pointer millimetres round half to even
        {"2500,2000", false, {0, 0}},          // tanks in the boiler clearance
        {"-3000,3470", false, {0, 0}},         // outside the room
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.to);
        const testing::PlanProcessResult run = plan(raum + " --move-to " + c.to);
        ASSERT_EQ(run.status, 0);
        const JsonValue all = JsonValue::parse(run.out);
        EXPECT_EQ(all.keys().back(), "move");
        EXPECT_EQ(all["move"]["valid"].asBool(), c.valid);
        const JsonValue& current = all["current"];
        EXPECT_EQ(point(current["offset"]), c.offset);
        for (const char* outline : {"tankPosition", "gapPosition"}) {
            ASSERT_EQ(current[outline].size(), placed[outline].size());
            for (std::size_t i = 0; i < placed[outline].size(); ++i) {
                const auto [x, y] = point(placed[outline][i]);
                EXPECT_EQ(point(current[outline][i]),
                          (std::pair<double, double>{x + c.offset.first, y + c.offset.second}));
            }
        }
    }
}

TEST(PlanRun, MoveToDrawsTheBatteryWhereItWasPut) {
#ifndef VELMORA_PLANNER_DRAWS
    GTEST_SKIP() << "the planner was built without Qt and draws no PNG";
#endif
    const std::string& raum = kMoveRoom;
    const std::filesystem::path dir = std::filesystem::temp_directory_path();
    const auto png = [&](const std::string& name, const std::string& move) {
        const std::filesystem::path file = dir / ("velmora-move-" + name + ".png");
        EXPECT_EQ(plan(raum + move + " --png '" + file.string() + "'").status, 0);
        std::ifstream in(file, std::ios::binary);
        std::string bytes{std::istreambuf_iterator<char>(in), {}};
        std::filesystem::remove(file);
        return bytes;
    };
    const std::string unmoved = png("unmoved", "");
    EXPECT_FALSE(unmoved.empty());
    EXPECT_EQ(png("rejected", " --move-to 2500,2000"), unmoved);
    EXPECT_NE(png("moved", " --move-to 2500,2500"), unmoved);
}

TEST(PlanRun, UsageErrorsExitWithTwo) {
    for (const std::string arguments : {"--frobnicate",
                                        "--room-width",
                                        "--tank-position XY",
                                        "--select 0000",
                                        "--installation 1",
                                        "--decimals two",
                                        "--decimals -1",
                                        "--format xml",
                                        "--png out.png --size 800",
                                        "--png out.png --size 0x600",
                                        "--png out.png --view top",
                                        "--select 951100 --installation 999",
                                        "--move-to 10,10",
                                        "--select 951100 --move-to 10",
                                        "--select 951100 --move-to 10x20",
                                        "--select 951100 --move-to nan,0",
                                        "--select 951100 --move-to 1e12,0",
                                        "--select 951530 --move-to 10,10",
                                        "--pdf out.pdf",
                                        "--datanorm-pdf out.pdf",
                                        "--pdf"}) {
        SCOPED_TRACE(arguments);
        const testing::PlanProcessResult run = plan(kKeller + " " + arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.out.empty());
    }
}

TEST(PlanRun, MissingCatalogueExitsWithOne) {
    const testing::PlanProcessResult run = plan("--catalogue /nonexistent-velmora");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("nicht gefunden"), std::string::npos);
}

TEST(PlanRun, HostileInputsNeverCrash) {
    for (const std::string value : {"1e400", "nan", "-0", "99999999,9", "'3 m'", "''"}) {
        SCOPED_TRACE(value);
        std::string arguments = "--boiler-room --corner-position UL --boiler-position OR";
        for (const char* option : {"--room-width", "--room-length", "--room-height", "--volume",
                                   "--opening-height", "--opening-width", "--corner-width",
                                   "--corner-length", "--boiler-width", "--boiler-length"}) {
            arguments += std::string(" ") + option + " " + value;
        }
        const testing::PlanProcessResult run = plan(arguments);
        ASSERT_EQ(run.status, 0);
        EXPECT_NO_THROW(JsonValue::parse(run.out));
    }
}

TEST(PlanRun, HelpListsTheOptionsAndSucceeds) {
    const auto run = testing::runPlan("--help");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    for (const char* option : {"--catalogue", "--tank-position", "--select", "--move-to", "--png",
                               "--view", "--pdf", "--open"}) {
        EXPECT_NE(run.out.find(option), std::string::npos) << option;
    }
}

}  // namespace
}  // namespace velmora
