#include "app/PlanFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/TempDirectory.h"

namespace velmora {
namespace {

using testing::TempDirectory;

PlanFile vollerPlan() {
    PlanFile plan;
    plan.inputs = {"3,50", "4,00", "2,20", "5000", "1,90", "0,80", "0,50", "0,70", "1,00", "1,00"};
    plan.productGroup = "Batterietanks";
    plan.tankPosition = "OL";
    plan.cornerPosition = "UR";
    plan.boilerPosition = "OR";
    plan.boilerRoom = true;
    plan.protectedBoiler = true;
    plan.tenCm = true;
    plan.projectName = "Müller \"Keller\" / Süd";
    plan.selection =
        PlanSelection{"1001", PlanInstallation{"3+2", true, true, 1}, {120, -40}, {"9002"}};
    return plan;
}

// A valid document with one text replaced: key "inputs" and so on as written.
std::string dokumentMit(const std::string& suche, const std::string& ersatz,
                        std::string text = planFileJson(vollerPlan())) {
    const std::size_t at = text.find(suche);
    EXPECT_NE(at, std::string::npos) << suche;
    return text.replace(at, suche.size(), ersatz);
}

std::string lies(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(PlanFile, SavedPlanReadsBackUnchanged) {
    const TempDirectory dir;
    const std::filesystem::path path = dir.path() / "keller.velmora";
    for (const PlanFile& plan : {vollerPlan(), PlanFile{}}) {
        std::string error;
        ASSERT_TRUE(writePlanFile(path, plan, error)) << error;
        const PlanFileReadResult read = readPlanFile(path);
        ASSERT_TRUE(read.plan) << read.error;
        EXPECT_EQ(*read.plan, plan);
    }
    EXPECT_EQ(lies(path).substr(0, 17), "{\n  \"format\": 2,\n");
    // A byte-order mark some editors add is accepted.
    EXPECT_TRUE(parsePlanFile("\xEF\xBB\xBF" + planFileJson(vollerPlan())).plan);
}

// Plans of the first format named the installation by its name and orientation alone; they
// still open, and say that they did not name the kind of row.
TEST(PlanFile, FirstFormatStillReads) {
    std::string document = dokumentMit("\"format\": 2", "\"format\": 1");
    document = dokumentMit("\"secondRowCrosswise\": true,", "", document);
    document = dokumentMit("\"occurrence\": 1", "\"occurrence\": \"alt\"", document);
    const PlanFileReadResult read = parsePlanFile(document);
    ASSERT_TRUE(read.plan) << read.error;
    PlanFile erwartet = vollerPlan();
    erwartet.selection->installation = PlanInstallation{"3+2", true, std::nullopt, 0};
    EXPECT_EQ(*read.plan, erwartet);
}

TEST(PlanFile, BadDocumentsNameWhatIsWrong) {
    struct Case {
        std::string document;
        std::string reason;
    };
    const std::vector<Case> cases{
        {"Tankanlage",
         "sie ist keine Velmora-Plandatei oder ist beschädigt (unlesbar ab Zeile 1, Spalte 1); "
         "bitte öffnen Sie einen Plan, der mit „Plan speichern“ gesichert wurde"},
        {"[]",
         "sie ist keine Velmora-Plandatei; bitte öffnen Sie einen Plan, der mit „Plan speichern“ "
         "gesichert wurde"},
        {"{}",
         "sie ist keine Velmora-Plandatei; bitte öffnen Sie einen Plan, der mit „Plan speichern“ "
         "gesichert wurde"},
        {dokumentMit("\"format\": 2", "\"format\": \"2\""),
         "sie ist beschädigt: der Eintrag \"format\" ist keine Zahl"},
        {dokumentMit("\"format\": 2", "\"format\": 3"),
         "sie stammt aus einer anderen Velmora-Version (Planformat 3; gelesen werden die "
         "Formate 1 bis 2); bitte öffnen Sie sie mit der Version, die sie gespeichert hat"},
        {dokumentMit("\"format\": 2", "\"format\": 1.5"),
         "sie stammt aus einer anderen Velmora-Version (Planformat 1.5; gelesen werden die "
         "Formate 1 bis 2); bitte öffnen Sie sie mit der Version, die sie gespeichert hat"},
        {dokumentMit("\"secondRowCrosswise\": true,", ""),
         "sie ist beschädigt: der Eintrag \"selection.installation.secondRowCrosswise\" fehlt"},
        {dokumentMit("\"occurrence\": 1", "\"occurrence\": -1"),
         "sie ist beschädigt: der Eintrag \"selection.installation.occurrence\" ist keine ganze "
         "Zahl von 0 bis 1000"},
        {dokumentMit("\"volume\": \"5000\",", ""),
         "sie ist beschädigt: der Eintrag \"inputs.volume\" fehlt"},
        {dokumentMit("\"volume\": \"5000\"", "\"volume\": 5000"),
         "sie ist beschädigt: der Eintrag \"inputs.volume\" ist kein Text"},
        {dokumentMit("\"tenCm\": true", "\"tenCm\": 1"),
         "sie ist beschädigt: der Eintrag \"tenCm\" ist kein Wahrheitswert"},
        {dokumentMit("\"tankPosition\": \"OL\"", "\"tankPosition\": \"ol\""),
         "sie ist beschädigt: der Eintrag \"tankPosition\" ist keine Ecke (OL, UL, UR, OR oder "
         "leer)"},
        {dokumentMit("\"selection\": {", "\"selection\": 7, \"x\": {"),
         "sie ist beschädigt: der Eintrag \"selection\" ist kein Objekt"},
        {dokumentMit("\"artNr\": \"1001\"", "\"artNr\": \"\""),
         "sie ist beschädigt: der Eintrag \"selection.artNr\" ist leer"},
        {dokumentMit("\"horizontal\": true", "\"horizontal\": null"),
         "sie ist beschädigt: der Eintrag \"selection.installation.horizontal\" ist kein "
         "Wahrheitswert"},
        {dokumentMit("120", "1e300"),
         "sie ist beschädigt: der Eintrag \"selection.offset\" liegt außerhalb von ±1000000 mm"},
        {dokumentMit("120", "0.5"),
         "sie ist beschädigt: der Eintrag \"selection.offset\" enthält keine ganzen Millimeter"},
        {dokumentMit("-40", "-40, 3"),
         "sie ist beschädigt: der Eintrag \"selection.offset\" hat nicht genau zwei Zahlen"},
        {dokumentMit("\"9002\"", "9002"),
         "sie ist beschädigt: der Eintrag \"selection.accessories\" enthält etwas anderes als "
         "Texte"},
        {dokumentMit("\"3,50\"", "\"" + std::string(300, '3') + "\""),
         "sie ist beschädigt: der Eintrag \"inputs.roomWidth\" ist länger als 256 Zeichen"},
        {dokumentMit("Süd", "S\\u0000d"),
         "sie ist beschädigt: der Eintrag \"projectName\" enthält Steuerzeichen"},
    };
    for (const Case& c : cases) {
        const PlanFileReadResult read = parsePlanFile(c.document);
        EXPECT_FALSE(read.plan) << c.document;
        EXPECT_EQ(read.error, c.reason);
    }
}

TEST(PlanFile, FileMessagesNameTheFile) {
    const TempDirectory dir;
    const std::filesystem::path kaputt = dir.write("kaputt.velmora", "{\"format\": 1}");
    EXPECT_EQ(
        readPlanFile(kaputt).error,
        "Die Datei \"" + kaputt.string() +
            "\" kann nicht geöffnet werden: sie ist beschädigt: der Eintrag \"inputs\" fehlt.");
    const std::filesystem::path fehlt = dir.path() / "fehlt.velmora";
    const std::filesystem::path fifo = dir.path() / "fifo.velmora";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::filesystem::path riesig =
        dir.write("riesig.velmora", std::string(kMaxPlanFileBytes + 1, ' '));
    const std::filesystem::path steuerzeichen = dir.path() / "neu\nzeile.velmora";
    const std::string keineDatei =
        "kann nicht gelesen werden: unter diesem Namen steht ein Ordner oder ein Gerät, keine "
        "Datei. Bitte geben Sie eine Datei an.";
    for (const auto& [path, reason] : std::vector<std::pair<std::filesystem::path, std::string>>{
             {fehlt, "\" ist nicht vorhanden."},
             {dir.path(), "\" " + keineDatei},
             {fifo, "\" " + keineDatei},  // at once, without waiting for a writer
             {riesig, "\" ist größer als 1024 KB und wird nicht gelesen."}}) {
        EXPECT_EQ(readPlanFile(path).error, "Die Datei \"" + path.string() + reason);
    }
    EXPECT_EQ(
        readPlanFile(steuerzeichen).error,
        "Die Datei \"" + dir.path().string() + "/neu\\x0Azeile.velmora\" ist nicht vorhanden.");

    std::string error;
    EXPECT_FALSE(writePlanFile(fehlt / "plan.velmora", vollerPlan(), error));
    EXPECT_EQ(error, "Die Datei \"" + (fehlt / "plan.velmora").string() +
                         "\" kann nicht gespeichert werden: No such file or directory.");
}

}  // namespace
}  // namespace velmora
