// Solutions, the shown installation and its material in the main window.

#include <QPushButton>

#include "app/TDaten.h"
#include "app/VariantenSchritt.h"
#include "base/AsciiCase.h"
#include "catalogue/TProdukt.h"
#include "prices/ui/TfrmTankCustomPrice.h"
#include "window/CoreSession.h"
#include "window/LoesungsAnzeige.h"
#include "window/TfrmGrund.h"
#include "window/VorgabenGruppe.h"

namespace velmora {

void TfrmGrund::zeigeLoesung(const std::string& ArtNr) {
    const TProdukt* aktuell = Daten->getAktuellesProdukt();
    if (aktuell == nullptr || !equalsIgnoringAsciiCase(aktuell->getArtikelNr(), ArtNr)) {
        FSitzung->change(CoreSession::Installation, [&] { Daten->setProdukt(ArtNr, false); });
    }
}

void TfrmGrund::onVarianteRight() {
    waehleSchritt(naechsteVariante);
}

void TfrmGrund::onVarianteLeft() {
    waehleSchritt(vorherigeVariante);
}

void TfrmGrund::onDrehen() {
    waehleSchritt(gedrehteAufstellung);
}

void TfrmGrund::waehleSchritt(VariantenSchritt schritt) {
    if (const TProdukt* produkt = Daten->getAktuellesProdukt()) {
        if (const auto index = schritt(aufstellungsArten(*produkt), Daten->getVarianteIndex())) {
            waehleAufstellung(*index);
        }
    }
}

void TfrmGrund::waehleAufstellung(std::size_t Index) {
    const TProdukt* produkt = Daten->getAktuellesProdukt();
    if (produkt == nullptr || Index >= produkt->getMoeglicheAufstellVarianten().size()) {
        return;
    }
    FSitzung->change(CoreSession::Installation, [&] { Daten->aendereAufstellung(Index, false); });
}

bool TfrmGrund::loesungGezeigt() const {
    return FLoesung->isLoesungsanzeigeSichtbar() && Daten->getLoesungsListe() != nullptr &&
           Daten->getAktuellesProdukt() != nullptr;
}

void TfrmGrund::onZubehoer() {
    if (!FLoesung->zeigeMaterial()) {
        onZubOK();
    }
}

void TfrmGrund::onZubOK() {
    FLoesung->zeigeZeichnungsebene();
    FVorgaben->bbnVorgLoesungen->setFocus();
}

void TfrmGrund::onEditPrice() {
    const TProdukt* produkt = Daten->getAktuellesProdukt();
    if (produkt == nullptr) {
        return;
    }
    TfrmTankCustomPrice::openForm(this, produkt->CustomPriceElems());
    // New prices of the shown product change its figures.
    FSitzung->change(CoreSession::Installation, [] {});
}

void TfrmGrund::onDrucken() {
    drucke(&TDaten::druckeLoesung);
}

void TfrmGrund::onDatanormDrucken() {
    drucke(&TDaten::druckeDatanorm);
}

void TfrmGrund::drucke(void (TDaten::*druck)()) {
    // The preview records its pages while the window goes on painting; nothing may change the
    // product meanwhile, and a second printout would discard the preview being recorded.
    FSitzung->setPrinting(true);
    (Daten.get()->*druck)();
    FSitzung->setPrinting(false);
}

void TfrmGrund::onTankPosition(const std::string& corner) {
    if (corner != Daten->getTempData().TankPosition) {
        automatischeSuche();
    }
}

void TfrmGrund::onEckePosition(const std::string&) {
    automatischeSuche();
}

void TfrmGrund::onHeizraumPosition(const std::string&) {
    automatischeSuche();
}

}  // namespace velmora
