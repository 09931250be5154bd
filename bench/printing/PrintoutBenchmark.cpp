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

// The demo catalogue searched for a 5000 l battery in a 3,5 x 4 m cellar with the boiler
// room in the opposite corner, solution 951100 current; false when it is not found.
bool waehleLoesung(velmora::TDaten& daten) {
    daten.sucheLoesung({.TankPosition = "OL",
                        .HeizraumPosition = "UR",
                        .RaumBreite = {"3,5"},
                        .RaumLaenge = {"4"},
                        .RaumHoehe = {"2,2"},
                        .SollVolumen = {"5000", 0},
                        .EinbringHoehe = {"1,9"},
                        .EinbringBreite = {"0,8"},
                        .HeizraumBreite = {"1"},
                        .HeizraumLaenge = {"1"},
                        .VorgHeizraum = true,
                        .ARefreshGraphic = false});
    if (!daten.istInLoesungsListe("951100")) {
        return false;
    }
    daten.setProdukt("951100", false);
    return true;
}

// Building the pages alone: print items, the plan picture and the recording.
void BM_PlanningSheetRecorded(benchmark::State& state) {
    velmora::ensureOffscreenApplication();
    velmora::TDaten daten(programDirectory(), false);
    if (!waehleLoesung(daten)) {
        state.SkipWithError("solution 951100 not found");
        return;
    }
    velmora::TAusdruck ausdruck(daten.getAppPath());
    for (auto _ : state) {
        velmora::QtRecordedDocument document;
        ausdruck.LoesungDruck(document, "Benchmark", daten.getOptZubehoerPreis(),
                              *daten.getAktuellesProdukt(), daten.getTempData());
        benchmark::DoNotOptimize(document.pageCount());
    }
}
BENCHMARK(BM_PlanningSheetRecorded)->Unit(benchmark::kMillisecond)->Repetitions(5);

void BM_PlanningSheetPdf(benchmark::State& state) {
    velmora::ensureOffscreenApplication();
    velmora::TDaten daten(programDirectory(), false);
    if (!waehleLoesung(daten)) {
        state.SkipWithError("solution 951100 not found");
        return;
    }
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
