// One full redraw of the plan: a 5+5 battery with pipework, corner cut-out and boiler room.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "app/TDaten.h"
#include "drawing/TGrafik.h"
#include "platform/qt/QtOffscreen.h"
#include "platform/qt/QtRasterImage.h"

namespace {

std::string programDirectory() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
}

// Makes the first 5+5 installation of the first solution current; false when there is none.
bool waehleFuenfPlusFuenf(velmora::TDaten& daten) {
    const auto* loesungen = daten.getLoesungsListe();
    if (!loesungen)
        return false;
    for (velmora::TProdukt* produkt : *loesungen) {
        daten.setProdukt(produkt->getArtikelNr(), false);
        const auto& aufstellungen = produkt->getMoeglicheAufstellVarianten();
        for (std::size_t i = 0; i < aufstellungen.size(); ++i) {
            const auto* variante = aufstellungen[i]->getVariante();
            if (variante->getReihe1() == 5 && variante->getReihe2() == 5) {
                daten.aendereAufstellung(i, false);
                return true;
            }
        }
    }
    return false;
}

void BM_PlanRedraw(benchmark::State& state) {
    velmora::ensureOffscreenApplication();
    velmora::TDaten daten(programDirectory(), false);
    daten.sucheLoesung({.TankPosition = "UR",
                        .EckePosition = "OL",
                        .HeizraumPosition = "UL",
                        .RaumBreite = {"7"},
                        .RaumLaenge = {"6"},
                        .RaumHoehe = {"2,5"},
                        .SollVolumen = {"6200", 0},
                        .EinbringHoehe = {"2"},
                        .EinbringBreite = {"1"},
                        .EckeBreite = {"1"},
                        .EckeLaenge = {"0,8"},
                        .HeizraumBreite = {"1"},
                        .HeizraumLaenge = {"1"},
                        .ARefreshGraphic = false});
    if (!waehleFuenfPlusFuenf(daten)) {
        state.SkipWithError("no 5+5 installation found");
        return;
    }
    velmora::QtRasterImage image(900, 650);
    velmora::TGrafik grafik(daten.getAppPath(), image.canvas(), 900, 650, false,
                            velmora::colors::white, velmora::colors::black);
    for (auto _ : state) {
        daten.erstelleGrafik(&grafik, false, true);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PlanRedraw)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace
