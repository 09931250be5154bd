#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
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
    EXPECT_EQ(current.keys(), (Texts{"artNr", "installation", "variant", "horizontal",
                                     "gesamtBreite", "gesamtLaenge", "gesamtHoehe", "gesamtInhalt",
                                     "gesamtPreis", "optZubehoerPreis", "mindestAbstaende",
                                     "mindestAbstand", "heizraumAbstandSeite", "varianteIndex",
                                     "aktuelleVariante", "gesamtVarianten", "accessories"}));
    EXPECT_EQ(current["installation"].asNumber(), static_cast<double>(last));
    EXPECT_EQ(current["varianteIndex"].asNumber(), static_cast<double>(last));
    EXPECT_EQ(current["aktuelleVariante"].asNumber(), current["gesamtVarianten"].asNumber());
    ASSERT_GT(current["accessories"].size(), 0u);
    EXPECT_EQ(current["accessories"][0].keys(),
              (Texts{"artNr", "bezeichnung", "anzahl", "preis", "checked", "enabled"}));
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

TEST(PlanRun, UsageErrorsExitWithTwo) {
    for (const std::string arguments :
         {"--frobnicate", "--room-width", "--tank-position XY", "--select 0000", "--installation 1",
          "--decimals two", "--decimals -1", "--format xml", "--png out.png --size 800",
          "--png out.png --size 0x600", "--select 951100 --installation 999"}) {
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
    for (const char* option : {"--catalogue", "--tank-position", "--select", "--png"}) {
        EXPECT_NE(run.out.find(option), std::string::npos) << option;
    }
}

}  // namespace
}  // namespace velmora
