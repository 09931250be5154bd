#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "catalogue/Suchvorgaben.h"
#include "catalogue/TProdukt.h"
#include "catalogue/TProduktgruppe.h"
#include "catalogue/TTempData.h"

namespace velmora {
namespace {

// One product with 4 own and 16 group variants (single rows, straight and crosswise second
// rows), searched in a 6 x 5 m room with a corner cut-out and a boiler room.
struct Scenario {
    TTempData tempData{false};
    TProduktgruppe gruppe{"Batterietanks", "WG1"};
    TProdukt* produkt = nullptr;

    // Room 6000 x 5000, boiler 1200 x 1000 at OL with 400 mm clearance, cut-out 1000 x 800 at UR.
    const Suchvorgaben vorgaben{.SollVolumen = 4000,
                                .RaumBreite = 6000,
                                .RaumLaenge = 5000,
                                .RaumHoehe = 2800,
                                .EinbringBreite = 1000,
                                .EinbringHoehe = 2000,
                                .TankPosition = Ecke::UL,
                                .EckePosition = Ecke::UR,
                                .EckeBreite = 1000,
                                .EckeLaenge = 800,
                                .HeizraumPosition = Ecke::OL,
                                .HeizraumBreite = 1200,
                                .HeizraumLaenge = 1000,
                                .Heizraum = true,
                                .SafeKessel = true,
                                .MaxVolumenBeiHeizraum = 100000,
                                .VolumenVarianz = 100000,
                                .HeizraumAbstand = 400,
                                .Raum = {{1199, 5001},
                                         {1199, 4001},
                                         {-1, 4001},
                                         {-1, -1},
                                         {4999, -1},
                                         {4999, 799},
                                         {6001, 799},
                                         {6001, 5001}},
                                .HeizraumGeprueft = {{1599, 5001},
                                                     {1599, 3601},
                                                     {-1, 3601},
                                                     {-1, -1},
                                                     {4999, -1},
                                                     {4999, 799},
                                                     {6001, 799},
                                                     {6001, 5001}},
                                .TopLeft = {-1, 5001}};

    Scenario() {
        produkt = &gruppe.addProdukt(TProduktDaten{.Bezeichnung = "Tank 1000",
                                                   .ArtNr = "T1000",
                                                   .Inhalt = 1000,
                                                   .Preis = 700.0,
                                                   .Breite = 720,
                                                   .Laenge = 1100,
                                                   .Hoehe = 1600,
                                                   .Aufstellvariationen = true,
                                                   .ZusBreite = 40,
                                                   .ZusLaenge = 60,
                                                   .ZusSpezLaenge = 150},
                                     tempData, nullptr);
        const auto variante = [](const std::string& name, bool quer) {
            return std::make_unique<TAufstellvariante>(
                name, "", 1, 2, 1, 0, quer, true, true, TRect{100, 400, 100, 400},
                TRect{50, 100, 50, 100}, TPoint{50, 50}, TPoint{20, 20});
        };
        for (const char* name : {"1", "2", "3", "4"}) {
            produkt->addAufstellvariante(variante(name, false));
        }
        for (const char* name : {"5", "6", "2+1", "2+2", "3+1", "3+2", "3+3", "4+2"}) {
            gruppe.addAufstellvariante(variante(name, false));
        }
        for (const char* name : {"2+1", "2+2", "3+1", "3+2", "3+3", "4+2", "4+3", "5+3"}) {
            gruppe.addAufstellvariante(variante(name, true));
        }
    }
};

void BM_IstVarianteMoeglich2(benchmark::State& state) {
    Scenario s;
    for (auto _ : state) {
        s.produkt->addAufstellvariante(s.gruppe.getAufstellvariantenListe());
        const bool found = s.produkt->istVarianteMoeglich2(s.vorgaben);
        benchmark::DoNotOptimize(found);
    }
    state.counters["arrangements"] =
        static_cast<double>(s.produkt->getMoeglicheAufstellVarianten().size());
}
BENCHMARK(BM_IstVarianteMoeglich2);

}  // namespace
}  // namespace velmora
