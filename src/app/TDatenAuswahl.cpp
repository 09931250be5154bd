#include <stdexcept>

#include "app/TDaten.h"
#include "base/AsciiCase.h"
#include "catalogue/TankImRaum.h"

namespace velmora {

namespace {

bool gleicherName(const TAufstellvariante* a, const TAufstellvariante* b) {
    return a != nullptr && b != nullptr && a->getVariante() == b->getVariante();
}

// Another variant that may stand in for the remembered one: same arrangement, same rows,
// same norm relevance and the same clearances.
bool stimmtUeberein(const TAufstellvariante* v, const TAufstellvariante* r) {
    return gleicherName(v, r) && v->getZwReihWaag() == r->getZwReihWaag() &&
           v->isNormrelevant() == r->isNormrelevant() && TAufstellvariante::isGapEquals(v, r);
}

}  // namespace

std::size_t TDaten::sucheProdukt(const std::string& AArtNr) const {
    if (!LoesungsListe) {
        return 0;
    }
    for (std::size_t i = 0; i < LoesungsListe->size(); ++i) {
        if (equalsIgnoringAsciiCase((*LoesungsListe)[i]->getArtikelNr(), AArtNr)) {
            return i;
        }
    }
    return LoesungsListe->size();
}

bool TDaten::istInLoesungsListe(const std::string& AArtNr) const {
    return !AArtNr.empty() && LoesungsListe && sucheProdukt(AArtNr) < LoesungsListe->size();
}

void TDaten::waehleProdukt(const std::string& AArtNr) {
    if (!istInLoesungsListe(AArtNr)) {
        throw std::out_of_range("Artikel " + AArtNr + " ist keine Lösung");
    }
    AktuellesProdukt = (*LoesungsListe)[sucheProdukt(AArtNr)];
    ermittleZubehoer();
    TempData.tmpProdukt = AktuellesProdukt->getArtikelNr();
}

void TDaten::merkeAufstellung() {
    const TAufstellung* aufstellung = AktuellesProdukt->getAktuelleAufstellVariante();
    TempData.tmpHorizontal = aufstellung != nullptr && aufstellung->getHorizontal();
    TempData.tmpVariante = aufstellung != nullptr ? aufstellung->getVariante() : nullptr;
}

void TDaten::setProdukt(const std::string& AArtNr, bool ARefreshGraphic) {
    waehleProdukt(AArtNr);
    merkeAufstellung();
    if (ARefreshGraphic) {
        erstelleGrafik(nullptr, false, true);
    }
}

void TDaten::aendereAufstellung(std::size_t Index, bool GrafikAktualisieren) {
    // A product without installations has nothing to change.
    if (AktuellesProdukt == nullptr || AktuellesProdukt->getMoeglicheAufstellVarianten().empty()) {
        return;
    }
    AktuellesProdukt->setMoeglicheAufstellvariante(Index);
    merkeAufstellung();
    ermittleZubehoer();
    if (GrafikAktualisieren) {
        erstelleGrafik(nullptr, false, true);
    }
}

void TDaten::aendereAufstellung(std::size_t Index) {
    aendereAufstellung(Index, true);
}

void TDaten::ermittleZubehoer() {
    AktuellesZubehoer = AktuellesProdukt->getZubehoerFuerAufstellung();
    AktuellesProdukt->setZubehoerListeOptional(AktuellesZubehoer);
}

std::size_t TDaten::getVarianteIndex() {
    if (AktuellesProdukt == nullptr) {
        return 0;
    }
    const auto& liste = AktuellesProdukt->getMoeglicheAufstellVarianten();
    if (liste.empty()) {
        return 0;
    }
    for (std::size_t i = 0; i < liste.size(); ++i) {
        if (liste[i]->getVariante() == TempData.tmpVariante &&
            liste[i]->getHorizontal() == TempData.tmpHorizontal) {
            return i;
        }
    }
    TempData.fehlerAufstellung();
    return 0;
}

int TDaten::getAktuelleVariante() const {
    if (AktuellesProdukt == nullptr) {
        return 0;
    }
    const TAufstellung* aktuell = AktuellesProdukt->getAktuelleAufstellVariante();
    const auto& liste = AktuellesProdukt->getMoeglicheAufstellVarianten();
    int anzahl = 0;
    for (std::size_t i = 0; i < liste.size(); ++i) {
        if (i == 0 || liste[i]->getVariante() != liste[i - 1]->getVariante()) {
            ++anzahl;
        }
        if (liste[i].get() == aktuell) {
            return anzahl;
        }
    }
    return 0;
}

int TDaten::getGesamtVararianten() const {
    if (AktuellesProdukt == nullptr) {
        return 0;
    }
    const auto& liste = AktuellesProdukt->getMoeglicheAufstellVarianten();
    int anzahl = 0;
    for (std::size_t i = 0; i < liste.size(); ++i) {
        if (i == 0 || liste[i]->getVariante() != liste[i - 1]->getVariante()) {
            ++anzahl;
        }
    }
    return anzahl;
}

double TDaten::getOptZubehoerPreis() const {
    return AktuellesProdukt == nullptr ? 0.0 : AktuellesProdukt->getOptZubehoerPreis();
}

bool TDaten::stelleAuswahlWiederHer(bool ARefreshGraphic) {
    if (istInLoesungsListe(TempData.tmpProdukt)) {
        waehleProdukt(TempData.tmpProdukt);
        if (TempData.tmpVariante == nullptr) {
            merkeAufstellung();
        }
        // A product without installations has none to restore.
        if (AktuellesProdukt->getAufstellvariation()) {
            waehleAehnlicheAufstellung(false);
        }
        if (ARefreshGraphic) {
            erstelleGrafik(nullptr, false, true);
        }
        return true;
    }
    if (!TempData.tmpProdukt.empty()) {
        TempData.produktFehler = true;
        if (const TProdukt* gemerkt = getKatalogProdukt(TempData.tmpProdukt)) {
            TempData.raumZuKleinFuer(gemerkt->getBezeichnung(),
                                     zuKleineRaummasse(*gemerkt, TempData.Vorgaben));
        }
    }
    TempData.tmpProdukt.clear();
    AktuellesProdukt = nullptr;
    TempData.tmpVariante = nullptr;
    TempData.tmpHorizontal = false;
    return false;
}

void TDaten::waehleAehnlicheAufstellung(bool GrafikAktualisieren) {
    const TAufstellvariante* r = TempData.tmpVariante;
    const bool h = TempData.tmpHorizontal;
    const auto& liste = AktuellesProdukt->getMoeglicheAufstellVarianten();
    const auto variante = [&liste](std::size_t i) { return liste[i]->getVariante(); };

    std::size_t k = 0;
    while (k < liste.size() &&
           !(gleicherName(variante(k), r) && variante(k)->getZwReihWaag() == r->getZwReihWaag())) {
        ++k;
    }
    if (k == liste.size()) {
        TempData.fehlerAufstellung();
        aendereAufstellung(0, GrafikAktualisieren);
        return;
    }

    std::size_t Result = k;
    if (k + 1 < liste.size() && gleicherName(variante(k + 1), r) &&
        liste[k + 1]->getHorizontal() == h) {
        Result = k + 1;
        k = k + 1;
    }
    const bool genau = variante(Result) == r && liste[Result]->getHorizontal() == h;
    if (!genau) {
        // Among the stand-ins that follow, the first in the remembered orientation, else the
        // first stand-in at all.
        std::size_t ersterPassender = liste.size();
        for (std::size_t p = k + 2; p < liste.size() && gleicherName(variante(p), r); ++p) {
            if (!stimmtUeberein(variante(p), r)) {
                continue;
            }
            if (liste[p]->getHorizontal() == h) {
                ersterPassender = p;
                break;
            }
            if (ersterPassender == liste.size()) {
                ersterPassender = p;
            }
        }
        if (ersterPassender < liste.size()) {
            Result = ersterPassender;
        }
    }
    aendereAufstellung(Result, GrafikAktualisieren);
}

}  // namespace velmora
