#include "catalogue/TProdukt.h"

#include <stdexcept>
#include <utility>

#include "catalogue/VariantFittings.h"

namespace velmora {

TProdukt::TProdukt(std::string Bezeichnung, std::string Bezeichnung_kt2, std::string ArtNr,
                   double Inhalt, double Preis, int Breite, int Laenge, int Hoehe,
                   bool Aufstellvariationen, int ZusBreite, int ZusLaenge, int ZusSpezLaenge,
                   std::string Bild, std::string Grafik,
                   std::vector<std::string> AbstaendeEinreihig,
                   std::vector<std::string> AbstaendeZweireihig,
                   std::vector<std::string> AbstaendeZweireihigMitEinzeltank,
                   std::vector<std::string> AbstaendeZweireihigNormIgn,
                   std::vector<std::string> Produktbeschreibung,
                   std::vector<std::string> Dimensionstext, TPoint RohrStart, TPoint RohrEnde,
                   TPoint RohrStartReihe2, TPoint RohrEndeReihe2, bool AufsatzGegenueber,
                   TTempData& TempData,
                   std::vector<std::unique_ptr<TZusaetzlicheAufstellHoehe>> AAufstellhoehenList,
                   TTankCustomPrices* ACustomPricesReference)
    : Bezeichnung(std::move(Bezeichnung)),
      Bezeichnung_kt2(std::move(Bezeichnung_kt2)),
      Bild(std::move(Bild)),
      Grafik(std::move(Grafik)),
      Produktbeschreibung(std::move(Produktbeschreibung)),
      Dimensionstext(std::move(Dimensionstext)),
      AbstaendeEinreihig(std::move(AbstaendeEinreihig)),
      AbstaendeZweireihig(std::move(AbstaendeZweireihig)),
      AbstaendeZweireihigMitEinzeltank(std::move(AbstaendeZweireihigMitEinzeltank)),
      AbstaendeZweireihigNormIgn(std::move(AbstaendeZweireihigNormIgn)),
      ArtNr(std::move(ArtNr)),
      Breite(Breite),
      Laenge(Laenge),
      Hoehe(Hoehe),
      ZusBreite(ZusBreite),
      ZusLaenge(ZusLaenge),
      ZusSpezLaenge(ZusSpezLaenge),
      Preis(Preis),
      RohrStart(RohrStart),
      RohrEnde(RohrEnde),
      RohrStartReihe2(RohrStartReihe2),
      RohrEndeReihe2(RohrEndeReihe2),
      Inhalt(Inhalt),
      Aufstellvariationen(Aufstellvariationen),
      AufsatzGegenueber(AufsatzGegenueber),
      TempData(TempData),
      FZusAufstellhoehen(std::move(AAufstellhoehenList)),
      FCustomPrice(ACustomPricesReference) {}

void TProdukt::addAufstellvariante(std::unique_ptr<TAufstellvariante> AObject) {
    if (AObject) {
        AufstellvariantenListe.push_back(std::move(AObject));
    }
}

void TProdukt::addAufstellvariante(
    const std::vector<std::unique_ptr<TAufstellvariante>>& AufstellvariantenListe) {
    MoeglicheAufstellVariante = nullptr;
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
                                 bool Optional, std::vector<std::string> Produktbeschreibung,
                                 std::vector<std::string> Dimensionstext) {
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
        const auto kind = fittingKindOf(zubehoer->getArtNr());
        const bool gebraucht = !kind || (Aufstellvariationen && variante != nullptr &&
                                         fittingCount(*variante, *kind) != 0);
        if (gebraucht) {
            result.push_back(zubehoer);
        }
    }
    return result;
}

}  // namespace velmora
