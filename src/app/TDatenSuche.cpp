#include <string>
#include <utility>

#include "app/SuchNormalisierung.h"
#include "app/TDaten.h"

namespace velmora {

SuchErgebnis TDaten::sucheLoesung(const SuchAuftrag& Auftrag) {
    if (Auftrag.ZurueckSetzen) {
        TempData.tmpProdukt.clear();
        TempData.tmpHorizontal = false;
        TempData.tmpVariante = nullptr;
    }
    TempData.setzeZurueck();
    AktuellesProdukt = nullptr;
    TempData.error.clear();

    std::string wg;
    for (const auto& gruppe : ProduktgruppenListe) {
        if (gruppe->getBezeichnung() == Auftrag.Tankart) {
            wg = gruppe->getWGBezeichnung();
            break;
        }
    }

    NormalisierteSuche suche = normalisiereSuche(
        Auftrag,
        Suchgrenzen{StandardRaumBreite, StandardRaumLaenge, StandardRaumHoehe, StandardVolumen,
                    StandardEinbringHoehe, StandardEinbringBreite, MaxRaumBreite, MaxRaumLaenge,
                    MaxRaumHoehe, maxVolumenBeiHeizraum, VolumenVarianz});
    TempData.einbringFehler = suche.EinbringFehler;
    TempData.heizraumFehler = suche.HeizraumFehler;
    TempData.eckeFehler = suche.EckeFehler;
    TempData.uebernimm(suche.Vorgaben);
    berechneLoesungen(wg, TempData.Vorgaben);

    TempData.loesung = !LoesungsListe->empty();
    if (!TempData.loesung) {
        TempData.loesungFehler = true;
    }
    stelleAuswahlWiederHer(Auftrag.ARefreshGraphic);
    if (Auftrag.ARefreshGraphic && AktuellesProdukt == nullptr) {
        erstelleGrafik(nullptr, false, true);
    }
    TempData.fehlerMeldungen();
    return SuchErgebnis{std::move(suche.Eingaben), TempData.getMeldungen()};
}

void TDaten::berechneLoesungen(const std::string& WG, const Suchvorgaben& Vorgaben) {
    std::vector<TProdukt*> neueListe;
    for (const auto& gruppe : ProduktgruppenListe) {
        if (!WG.empty() && gruppe->getWGBezeichnung() != WG) {
            continue;
        }
        const std::vector<TProdukt*> produkte = gruppe->listProdukte2(Vorgaben);
        neueListe.insert(neueListe.end(), produkte.begin(), produkte.end());
    }
    LoesungsListe = std::move(neueListe);
}

}  // namespace velmora
