#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cli/plan/JsonValue.h"
#include "cli/plan/RunPlan.h"
#include "support/TempDirectory.h"

namespace velmora {
namespace {

using testing::JsonValue;
using testing::PlanProcessResult;
using testing::TempDirectory;

PlanProcessResult plan(const std::string& arguments) {
    const std::string bin = std::getenv("VELMORA_BIN") ? std::getenv("VELMORA_BIN") : ".";
    return testing::runPlan("--catalogue '" + bin + "' " + arguments, "LC_ALL=de_DE.UTF-8");
}

std::string lies(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string arg(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

// Numbers of an array of points, for comparing two of them.
std::string jsonText(const JsonValue& points) {
    std::string text;
    for (const JsonValue& point : points.items()) {
        text += point.type() == JsonValue::Type::Array ? std::to_string(point[0].asNumber()) + "," +
                                                             std::to_string(point[1].asNumber())
                                                       : std::to_string(point.asNumber());
        text += ";";
    }
    return text;
}

const std::string kKeller =
    "--room-width 3,5 --room-length 4 --room-height 2,2 --volume 5000 --opening-width 0,8 "
    "--opening-height 1,9 --corner-width 5 --corner-length 0,5 --corner-position UL "
    "--boiler-room --boiler-width 1 --boiler-length 1 --boiler-position UR";

class PlanFileRun : public ::testing::Test {
protected:
    // A run with corrected inputs and the last installation of the first solution, saved.
    void SetUp() override {
        const JsonValue all = JsonValue::parse(plan(kKeller).out);
        const JsonValue& solution = all["solutions"][0];
        artNr = solution["artNr"].asString();
        chosen = kKeller + " --select " + artNr + " --installation " +
                 std::to_string(solution["installations"].size() - 1);
        saved = plan(chosen + " --save " + arg(file) + " --material-csv " + arg(csv));
        ASSERT_EQ(saved.status, 0) << saved.err;
    }

    TempDirectory dir;
    const std::filesystem::path file = dir.path() / "keller.velmora";
    const std::filesystem::path csv = dir.path() / "material.csv";
    std::string artNr;
    std::string chosen;
    PlanProcessResult saved;
};

TEST_F(PlanFileRun, OpenedPlanPrintsTheSameAsTheRunThatSavedIt) {
    const JsonValue savedJson = JsonValue::parse(saved.out);
    ASSERT_FALSE(savedJson["messages"].items().empty());
    EXPECT_EQ(savedJson["current"]["artNr"].asString(), artNr);

    const std::filesystem::path again = dir.path() / "wieder.velmora";
    const std::filesystem::path csvAgain = dir.path() / "wieder.csv";
    const PlanProcessResult opened =
        plan("--open " + arg(file) + " --save " + arg(again) + " --material-csv " + arg(csvAgain));
    ASSERT_EQ(opened.status, 0) << opened.err;
    EXPECT_EQ(opened.out, saved.out);
    EXPECT_EQ(opened.err, "");
    EXPECT_EQ(lies(again), lies(file));
    EXPECT_EQ(lies(csvAgain), lies(csv));
    EXPECT_EQ(lies(csv).substr(0, 3), "\xEF\xBB\xBF");
}

TEST_F(PlanFileRun, FreePositionComesBack) {
    // The pointer a little right of and below the battery's centre: a valid place.
    const JsonValue savedJson = JsonValue::parse(saved.out);
    const JsonValue& tank = savedJson["current"]["tankPosition"];
    double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
    for (const JsonValue& point : tank.items()) {
        minX = std::min(minX, point[0].asNumber());
        maxX = std::max(maxX, point[0].asNumber());
        minY = std::min(minY, point[1].asNumber());
        maxY = std::max(maxY, point[1].asNumber());
    }
    const std::string to = std::to_string(static_cast<int>((minX + maxX) / 2 + 30)) + "," +
                           std::to_string(static_cast<int>((minY + maxY) / 2 - 20));
    const JsonValue moved =
        JsonValue::parse(plan(chosen + " --move-to " + to + " --save " + arg(file)).out);
    ASSERT_TRUE(moved["move"]["valid"].asBool()) << to;
    const PlanProcessResult opened = plan("--open " + arg(file));
    ASSERT_EQ(opened.status, 0) << opened.err;
    const JsonValue current = JsonValue::parse(opened.out)["current"];
    EXPECT_NE(current["offset"][0].asNumber(), 0.0);
    for (const char* key : {"offset", "tankPosition", "gapPosition"}) {
        EXPECT_EQ(jsonText(current[key]), jsonText(moved["current"][key])) << key;
    }
}

TEST_F(PlanFileRun, WhatIsGoneIsSaidAndTheRestStays) {
    std::string text = lies(file);
    text.replace(text.find("\"accessories\": []"), 17, "\"accessories\": [\"000000\"]");
    std::ofstream(file, std::ios::binary) << text;
    const PlanProcessResult opened = plan("--open " + arg(file));
    ASSERT_EQ(opened.status, 0);
    EXPECT_EQ(opened.err,
              "velmora-plan: Das Zubehör 000000 ist für diese Aufstellung nicht mehr wählbar.\n");
    EXPECT_EQ(JsonValue::parse(opened.out)["current"]["artNr"].asString(), artNr);

    text.replace(text.find(artNr), artNr.size(), "000000");
    std::ofstream(file, std::ios::binary) << text;
    const PlanProcessResult ohneProdukt = plan("--open " + arg(file));
    const JsonValue ohne = JsonValue::parse(ohneProdukt.out);
    EXPECT_EQ(ohne["current"].type(), JsonValue::Type::Null);
    EXPECT_EQ(ohneProdukt.err,
              "velmora-plan: Den Artikel 000000 gibt es im Katalog nicht mehr; der Plan wurde "
              "ohne ihn geöffnet. Bitte wählen Sie eine der gefundenen Lösungen.\n");
}

TEST_F(PlanFileRun, UnreadablePlanExitsWithOneLine) {
    struct Case {
        std::string bytes;
        std::string reason;
    };
    const std::vector<Case> cases{
        {"PK\x03\x04",
         "sie ist keine Velmora-Plandatei oder ist beschädigt (unlesbar ab Zeile 1, Spalte 1); "
         "bitte öffnen Sie einen Plan, der mit „Plan speichern“ gesichert wurde"},
        {"{\"format\": 3}",
         "sie stammt aus einer anderen Velmora-Version (Planformat 3; gelesen werden die "
         "Formate 1 bis 2); bitte öffnen Sie sie mit der Version, die sie gespeichert hat"},
        {"{\"format\": 1, \"inputs\": {}}",
         "sie ist beschädigt: der Eintrag \"inputs.roomWidth\" fehlt"},
    };
    for (const Case& c : cases) {
        std::ofstream(file, std::ios::binary) << c.bytes;
        const PlanProcessResult opened = plan("--open " + arg(file));
        EXPECT_EQ(opened.status, 1);
        EXPECT_EQ(opened.out, "");
        EXPECT_EQ(opened.err, "velmora-plan: Die Datei \"" + file.string() +
                                  "\" kann nicht geöffnet werden: " + c.reason + ".\n");
    }
}

TEST_F(PlanFileRun, PlanOptionsInTheWrongCompanyAreUsageErrors) {
    for (const std::string& arguments :
         {"--open " + arg(file) + " --volume 3000", "--open " + arg(file) + " --select " + artNr,
          kKeller + " --save " + arg(file), kKeller + " --material-csv " + arg(csv)}) {
        const PlanProcessResult run = plan(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.out, "");
    }
    // A plan without a chosen solution has no material list.
    std::string text = lies(file);
    const std::size_t selection = text.find("\"selection\": {");
    text = text.substr(0, selection) + "\"selection\": null\n}\n";
    std::ofstream(file, std::ios::binary) << text;
    EXPECT_EQ(plan("--open " + arg(file) + " --material-csv " + arg(csv)).status, 2);
}

}  // namespace
}  // namespace velmora
