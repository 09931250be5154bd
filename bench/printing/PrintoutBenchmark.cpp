// The planning sheet of a 4+1 battery built page by page and written as a PDF file, as
// the planner's --pdf does it (the plan picture is drawn anew every time).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "app/TDaten.h"
#include "platform/qt/QtOffscreen.h"
#include "platform/qt/QtPagePrinting.h"
#include "platform/qt/QtRecordedDocument.h"
#include "printing/TAusdruck.h"

namespace {

std::string programDirectory() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
}

void BM_PlanningSheetPdf(benchmark::State& state) {
    velmora::ensureOffscreenApplication();
    velmora::TDaten daten(programDirectory(), false);
    std::string breite = "3,5", laenge = "4", hoehe = "2,2", volumen = "5000", eh = "1,9",
                eb = "0,8", eckeB, eckeL, hzB = "1", hzL = "1";
    daten.sucheLoesung("", "OL", "", "UR", breite, 2, laenge, 2, hoehe, 2, volumen, 0, eh, 2, eb,
                       2, eckeB, 2, eckeL, 2, hzB, 2, hzL, 2, true, false, false, true, false);
    if (!daten.istInLoesungsListe("951100")) {
        state.SkipWithError("solution 951100 not found");
        return;
    }
    daten.setProdukt("951100", false);
    const std::string file =
        (std::filesystem::temp_directory_path() / "velmora-bench-sheet.pdf").string();
    velmora::TAusdruck ausdruck(daten.getAppPath());
    for (auto _ : state) {
        velmora::QtRecordedDocument document;
        ausdruck.LoesungDruck(document, "Benchmark", daten.getOptZubehoerPreis(),
                              *daten.getAktuellesProdukt(), daten.getTempData());
        std::string error;
        if (!velmora::writePdfAtomically(document, file, error)) {
            state.SkipWithError(error.c_str());
            break;
        }
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_PlanningSheetPdf)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace
