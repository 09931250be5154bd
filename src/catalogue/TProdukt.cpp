#include "catalogue/TProdukt.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <utility>

#include "catalogue/VariantFittings.h"

namespace velmora {

TProdukt::TProdukt(TProduktDaten Daten, TTempData& TempData,
                   TTankCustomPrices* ACustomPricesReference)
    : Bezeichnung(std::move(Daten.Bezeichnung)),
      Bezeichnung_kt2(std::move(Daten.Bezeichnung_kt2)),
      Bild(std::move(Daten.Bild)),
      Grafik(std::move(Daten.Grafik)),
      Produktbeschreibung(std::move(Daten.Produktbeschreibung)),
      Dimensionstext(std::move(Daten.Dimensionstext)),
      AbstaendeEinreihig(std::move(Daten.AbstaendeEinreihig)),
      AbstaendeZweireihig(std::move(Daten.AbstaendeZweireihig)),
      AbstaendeZweireihigMitEinzeltank(std::move(Daten.AbstaendeZweireihigMitEinzeltank)),
      AbstaendeZweireihigNormIgn(std::move(Daten.AbstaendeZweireihigNormIgn)),
      ArtNr(std::move(Daten.ArtNr)),
      Breite(Daten.Breite),
      Laenge(Daten.Laenge),
      Hoehe(Daten.Hoehe),
      ZusBreite(Daten.ZusBreite),
      ZusLaenge(Daten.ZusLaenge),
      ZusSpezLaenge(Daten.ZusSpezLaenge),
      Preis(Daten.Preis),
      FPreisFehlt(Daten.PreisFehlt),
      RohrStart(Daten.RohrStart),
      RohrEnde(Daten.RohrEnde),
      RohrStartReihe2(Daten.RohrStartReihe2),
      RohrEndeReihe2(Daten.RohrEndeReihe2),
      Inhalt(static_cast<double>(Daten.Inhalt)),
      Aufstellvariationen(Daten.Aufstellvariationen),
      AufsatzGegenueber(Daten.AufsatzGegenueber),
      TempData(TempData),
      FZusAufstellhoehen(std::move(Daten.Aufstellhoehen)),
      FCustomPrice(ACustomPricesReference) {}

void TProdukt::addAufstellvariante(std::unique_ptr<TAufstellvariante> AObject) {
    if (AObject) {
        AufstellvariantenListe.push_back(std::move(AObject));
    }
}

void TProdukt::addAufstellvariante(
    const std::vector<std::unique_ptr<TAufstellvariante>>& AufstellvariantenListe) {
    MoeglicheAufstellVariante = nullptr;
    std::ranges::move(MoeglicheAufstellVarianten, std::back_inserter(FFreieAufstellungen));
    MoeglicheAufstellVarianten.clear();
    tempAufstellvariantenListe.clear();
    for (const auto& eigene : this->AufstellvariantenListe) {
        tempAufstellvariantenListe.push_back(eigene.get());
    }
    for (const auto& gruppe : AufstellvariantenListe) {
        tempAufstellvariantenListe.push_back(gruppe.get());
    }
}

TZubehoer& TProdukt::addZubehoer(std::string Bezeichnung, std::string ArtNr, double Preis,
                                 bool Optional, Artikeltext Produktbeschreibung,
                                 Artikeltext Dimensionstext) {
    ZubehoerListe.push_back(std::make_unique<TZubehoer>(
        std::move(Bezeichnung), std::move(ArtNr), Preis, Optional, std::move(Produktbeschreibung),
        std::move(Dimensionstext), FCustomPrice.store()));
    return *ZubehoerListe.back();
}

void TProdukt::addZubehoer(const std::vector<std::unique_ptr<TZubehoer>>& ZubehoerListe) {
    tempZubehoer.clear();
    for (const auto& eigenes : this->ZubehoerListe) {
        tempZubehoer.push_back(eigenes.get());
    }
    for (const auto& gruppe : ZubehoerListe) {
        tempZubehoer.push_back(gruppe.get());
    }
}

void TProdukt::setStandardProdukt() {
    MoeglicheAufstellVariante = nullptr;
    MoeglicheAufstellVarianten.clear();
    FFreieAufstellungen.clear();
    tempZubehoer.clear();
    tempAufstellvariantenListe.clear();
}

void TProdukt::setMoeglicheAufstellvariante(std::size_t Index) {
    if (MoeglicheAufstellVarianten.empty()) {
        MoeglicheAufstellVariante = nullptr;
        return;
    }
    if (Index >= MoeglicheAufstellVarianten.size()) {
        Index = 0;
    }
    MoeglicheAufstellVariante = MoeglicheAufstellVarianten[Index].get();
}

int TProdukt::getAnzahlTanks() const {
    if (!Aufstellvariationen) {
        return 1;
    }
    if (MoeglicheAufstellVariante == nullptr) {
        throw std::logic_error("TProdukt::getAnzahlTanks: no current arrangement");
    }
    return MoeglicheAufstellVariante->getVariante()->getAnzahlTanks();
}

void TProdukt::setZubehoerListeOptional(const std::vector<TZubehoer*>& ZubehoerListe) {
    ZubehoerOptional.clear();
    TAufstellvariante* variante =
        MoeglicheAufstellVariante != nullptr ? MoeglicheAufstellVariante->getVariante() : nullptr;
    for (TZubehoer* zubehoer : ZubehoerListe) {
        const bool optional = zubehoer->getOptional();
        ZubehoerOptional.push_back(
            std::make_unique<TZubehoerItem>(zubehoer, variante, !optional, optional));
    }
}

TZubehoerItem& TProdukt::getZubehoerOptionalListe(std::size_t Index) const {
    return *ZubehoerOptional.at(Index);
}

std::vector<TZubehoer*> TProdukt::getZubehoerFuerAufstellung() const {
    const TAufstellvariante* variante =
        MoeglicheAufstellVariante != nullptr ? MoeglicheAufstellVariante->getVariante() : nullptr;
    std::vector<TZubehoer*> result;
    for (TZubehoer* zubehoer : tempZubehoer) {
        const auto kind = zubehoer->getFittingKind();
        const bool gebraucht = !kind || (Aufstellvariationen && variante != nullptr &&
                                         fittingCount(*variante, *kind) != 0);
        if (gebraucht) {
            result.push_back(zubehoer);
        }
    }
    return result;
}

}  // namespace velmora
