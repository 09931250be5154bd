// The planner's JSON for a few searches on the demo catalogue, byte for byte against stored
// answers: a change meant to make the search faster must not change any of them. With
// VELMORA_WRITE_GOLDEN set the answers are written instead (after a deliberate change),
// into data/plan-golden beside this file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "cli/plan/RunPlan.h"

namespace velmora {
namespace {

struct GoldenCase {
    const char* name;
    const char* arguments;
};

constexpr const char* kKeller =
    "--room-width 6 --room-length 5 --room-height 2,5 --opening-height 1,9 --opening-width 0,8 ";

// Corner cut-out and boiler room at other corners, the boiler at the battery's corner
// (pushing it away), a protected boiler, a crowded room, and a chosen installation with its
// fittings.
const GoldenCase kCases[] = {
    {"ecke-und-heizraum",
     "--type Kunststoff-Batterietanks --volume 3000 --tank-position UL --corner-position OL "
     "--boiler-position UR --corner-width 1 --corner-length 1,2 --boiler-room --boiler-width 1 "
     "--boiler-length 0,8"},
    {"heizraum-an-der-tankecke",
     "--type Stahlmantel-Batterietanks --volume 5000 --tank-position UR --boiler-position UR "
     "--boiler-room --boiler-width 1 --boiler-length 1 --protected-boiler --ten-cm"},
    {"enger-raum",
     "--type Kunststoff-Kompakttanks --volume 2000 --tank-position OR --corner-position OR "
     "--corner-width 0,5 --corner-length 0,7 --room-width 2,5 --room-length 2"},
    {"gewaehlte-aufstellung",
     "--type Kunststoff-Batterietanks --volume 3000 --tank-position OL --select 951062 "
     "--installation 2"},
};

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Where two texts first differ, with some context, for a readable failure.
std::string firstDifference(const std::string& expected, const std::string& actual) {
    std::size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) {
        ++at;
    }
    const std::size_t from = at < 80 ? 0 : at - 80;
    return "first difference at byte " + std::to_string(at) + "\n  expected: ..." +
           expected.substr(from, 160) + "\n  actual:   ..." + actual.substr(from, 160);
}

TEST(PlanGolden, SearchAnswersStayByteIdentical) {
    const char* data = std::getenv("VELMORA_TEST_DATA");
    ASSERT_NE(data, nullptr);
    const std::filesystem::path dir = std::filesystem::path(data) / "plan-golden";
    const std::string bin = std::getenv("VELMORA_BIN") ? std::getenv("VELMORA_BIN") : ".";
    const bool write = std::getenv("VELMORA_WRITE_GOLDEN") != nullptr;
    for (const GoldenCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const testing::PlanProcessResult run = testing::runPlan(
            "--catalogue '" + bin + "' " + kKeller + c.arguments, "LC_ALL=de_DE.UTF-8");
        ASSERT_EQ(run.status, 0) << run.err;
        const std::filesystem::path golden = dir / (std::string(c.name) + ".json");
        if (write) {
            std::filesystem::create_directories(dir);
            std::ofstream(golden, std::ios::binary) << run.out;
            continue;
        }
        const std::string expected = readFile(golden);
        ASSERT_FALSE(expected.empty()) << "no stored answer " << golden;
        EXPECT_TRUE(expected == run.out) << firstDifference(expected, run.out);
    }
}

}  // namespace
}  // namespace velmora
