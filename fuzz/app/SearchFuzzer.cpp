// The solution search on arbitrary inputs over the demo catalogue: ten input texts, three
// positions, the group and the flags all come from the fuzzer. The search must neither
// crash, hang nor overflow, whatever the user types.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "app/TDaten.h"

namespace {

velmora::TDaten& daten() {
    static const std::unique_ptr<velmora::TDaten> instance =
        std::make_unique<velmora::TDaten>(VELMORA_DEMO_CATALOGUE_DIR, false);
    return *instance;
}

std::string position(FuzzedDataProvider& input) {
    static const char* const corners[] = {"", "OL", "UL", "UR", "OR"};
    const int pick = input.ConsumeIntegralInRange<int>(0, 5);
    return pick < 5 ? corners[pick] : input.ConsumeRandomLengthString(4);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    velmora::TDaten& core = daten();
    std::string tankart;
    if (input.ConsumeBool()) {
        const int groups = core.getAnzahlProduktgruppen();
        const int index = input.ConsumeIntegralInRange<int>(0, groups);
        tankart = index < groups ? core.getProduktgruppenBezeichnung(index) : "unbekannt";
    }
    const std::string tank = position(input);
    const std::string ecke = position(input);
    const std::string heizraum = position(input);
    velmora::SuchAuftrag auftrag{.Tankart = tankart,
                                 .TankPosition = tank,
                                 .EckePosition = ecke,
                                 .HeizraumPosition = heizraum};
    for (velmora::SuchFeld* feld :
         {&auftrag.RaumBreite, &auftrag.RaumLaenge, &auftrag.RaumHoehe, &auftrag.SollVolumen,
          &auftrag.EinbringHoehe, &auftrag.EinbringBreite, &auftrag.EckeBreite, &auftrag.EckeLaenge,
          &auftrag.HeizraumBreite, &auftrag.HeizraumLaenge}) {
        feld->text = input.ConsumeRandomLengthString(24);
        feld->dec = input.ConsumeIntegralInRange<int>(-1, 4);
    }
    auftrag.VorgHeizraum = input.ConsumeBool();
    auftrag.VorgKessel = input.ConsumeBool();
    auftrag.VorgKessel10 = input.ConsumeBool();
    auftrag.ZurueckSetzen = input.ConsumeBool();
    auftrag.ARefreshGraphic = false;
    core.sucheLoesung(auftrag);
    // Step through the installations of a solution as the window's buttons do.
    const auto* loesungen = core.getLoesungsListe();
    if (loesungen != nullptr && !loesungen->empty()) {
        const std::size_t pick =
            input.ConsumeIntegralInRange<std::size_t>(0, loesungen->size() - 1);
        core.setProdukt((*loesungen)[pick]->getArtikelNr(), false);
        core.aendereAufstellung(input.ConsumeIntegral<std::uint8_t>(), false);
        core.getVarianteIndex();
        core.getAktuelleVariante();
        core.getGesamtVararianten();
        core.getOptZubehoerPreis();
    }
    return 0;
}
