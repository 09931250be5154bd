#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "cli/plan/RunPlan.h"
#include "support/TempDirectory.h"

namespace velmora {
namespace {

const std::string kKeller =
    "--room-width 3,5 --room-length 4 --room-height 2,2 --volume 5000 --opening-width 0,8 "
    "--opening-height 1,9 --boiler-room --boiler-width 1 --boiler-length 1 --boiler-position UR "
    "--select 951100";

testing::PlanProcessResult plan(const std::string& arguments) {
    const std::string bin = std::getenv("VELMORA_BIN") ? std::getenv("VELMORA_BIN") : ".";
    return testing::runPlan("--catalogue '" + bin + "' " + kKeller + " " + arguments,
                            "LC_ALL=de_DE.UTF-8");
}

// Standard output of a poppler tool run on a PDF file (the text tools write to "-").
std::string poppler(const std::string& command, const std::string& file) {
    std::string output;
    const std::string toStdout = command.rfind("pdftotext", 0) == 0 ? " -" : "";
    const std::unique_ptr<FILE, int (*)(FILE*)> pipe(
        popen((command + " '" + file + "'" + toStdout + " 2>&1").c_str(), "r"), pclose);
    char buffer[4096];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe.get())) {
        output += buffer;
    }
    return output;
}

int pageCount(const std::string& file) {
    const std::string info = poppler("pdfinfo", file);
    const std::size_t at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + 6);
}

TEST(PlanPdf, PlanningSheetAndDatanormPrintoutAreWrittenAsA4Pdf) {
    const testing::TempDirectory dir;
    const std::string blatt = dir.path().string() + "/blatt.pdf";
    const std::string datanorm = dir.path().string() + "/datanorm.pdf";
    const testing::PlanProcessResult run =
        plan("--project 'Neubau Meier' --pdf '" + blatt + "' --datanorm-pdf '" + datanorm + "'");
    ASSERT_EQ(run.status, 0) << run.err;

    // The side view below the plan takes a third page.
    EXPECT_EQ(pageCount(blatt), 3);
    EXPECT_NE(poppler("pdfinfo", blatt).find("pts (A4)"), std::string::npos);
    const std::string text = poppler("pdftotext -layout", blatt);
    for (const char* expected :
         {"Projekt: Neubau Meier", "Seite 1", "Seite 2", "Ihre Vorgaben", "Unser Vorschlag",
          "3,500 x 4,000 x 2,200 m", "Brutto (incl. MwSt):", "Grafik", "Seitenansicht",
          "Mindestabstand zu den Wänden:", "Bitte Prüfzeugnisse und Zulassungen aufbewahren."}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    }
    // Items already drawn on a page are not drawn a second time.
    EXPECT_EQ(text.find("Seite 2"), text.rfind("Seite 2"));

    EXPECT_GE(pageCount(datanorm), 1);
    const std::string list = poppler("pdftotext -layout", datanorm);
    for (const char* expected : {"Datanorm-Ausdruck", "Materialauflistung", "951100"}) {
        EXPECT_NE(list.find(expected), std::string::npos) << expected;
    }
}

TEST(PlanPdf, DefaultProjectNameComesFromTheCatalogue) {
    const testing::TempDirectory dir;
    const std::string blatt = dir.path().string() + "/blatt.pdf";
    ASSERT_EQ(plan("--pdf '" + blatt + "'").status, 0);
    EXPECT_NE(poppler("pdftotext", blatt).find("Projekt: Tankanlage"), std::string::npos);
}

TEST(PlanPdf, UnwritableFileExitsWithOneAndLeavesNothing) {
    const testing::PlanProcessResult run = plan("--pdf /nonexistent-velmora/blatt.pdf");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("/nonexistent-velmora/blatt.pdf"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists("/nonexistent-velmora/blatt.pdf"));
}

}  // namespace
}  // namespace velmora
