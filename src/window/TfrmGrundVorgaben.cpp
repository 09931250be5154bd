// Inputs, the search and the reset of the main window.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include "app/EingabeRegeln.h"
#include "app/PlanFile.h"
#include "app/SuchAuftrag.h"
#include "app/TDaten.h"
#include "base/LenientNumber.h"
#include "widgets/TAlignEdit.h"
#include "window/CoreSession.h"
#include "window/LoesungsAnzeige.h"
#include "window/PositionChoice.h"
#include "window/TfrmGrund.h"
#include "window/VorgabenGruppe.h"

namespace velmora {

namespace {

std::string text(const TAlignEdit* edit) {
    return edit->text().toStdString();
}

double wert(const TAlignEdit* edit) {
    return parseLenient(text(edit));
}

}  // namespace

void TfrmGrund::onLoesungen() {
    sucheLoesung(true);
    loesungVorhanden = true;
    zeigeLoesungsanzeige();
}

void TfrmGrund::zeigeLoesungsanzeige() {
    if (!FLoesung->isLoesungsanzeigeSichtbar()) {
        FLoesung->zeigeLoesungsanzeige(true);
        imgHeader->show();
    }
}

void TfrmGrund::onLoeschen() {
    zeigeStartanzeige([this] {
        setzeStandardwerte();
        Tankposition->press("OL");
        Tankposition->setAllVisible();
        Eckenposition->setEnabled(false);
        Kesselposition->setEnabled(false);
        Kesselposition->setAllVisible();
    });
    // The shown plan is no longer the opened file's.
    FGespeicherterPlan.reset();
    FSitzung->setPlanFile(QString());
}

void TfrmGrund::zeigeStartanzeige(const std::function<void()>& setzeVorgaben) {
    FLoesung->zeigeLoesungsanzeige(false);
    FLoesung->zeigeZeichnungsebene();
    imgHeader->hide();
    loesungVorhanden = false;
    setzeVorgaben();
    FLoesung->setzeAuswahlZurueck();
    FSitzung->change(CoreSession::Solutions, [this] { Daten->setzeLoesungZurueck(); });
}

void TfrmGrund::setzeStandardwerte() {
    FVorgaben->edtVorgSollVolumen->SetFloat(Daten->getStandardVolumen());
    FVorgaben->edtVorgRaumBreite->SetFloat(Daten->getStandardRaumBreite());
    FVorgaben->edtVorgRaumLaenge->SetFloat(Daten->getStandardRaumLaenge());
    FVorgaben->edtVorgRaumHoehe->SetFloat(Daten->getStandardRaumHoehe());
    FVorgaben->edtVorgEinbringHoehe->SetFloat(Daten->getStandardEinbringHoehe());
    FVorgaben->edtVorgEinbringBreite->SetFloat(Daten->getStandardEinbringBreite());
    FVorgaben->chkVorgHeizraum->setChecked(false);
    FVorgaben->zeigeHeizraum(false);
    FVorgaben->aktualisiereKesselRadios();
    FVorgaben->edtVorgEckeBreite->SetFloat(0.0);
    FVorgaben->edtVorgEckeLaenge->SetFloat(0.0);
}

void TfrmGrund::onTankartChanged() {
    const std::string tankart = FVorgaben->tankart();
    if (tankart != Daten->getTempData().loesTankart) {
        automatischeSuche();
    }
}

void TfrmGrund::sucheLoesung(bool ZurueckSetzen) {
    FLoesung->loescheAnzeige();
    FLoesung->zeigeZeichnungsebene();
    imgHeader->hide();

    VorgRaumBreite = text(FVorgaben->edtVorgRaumBreite);
    VorgRaumLaenge = text(FVorgaben->edtVorgRaumLaenge);
    VorgRaumHoehe = text(FVorgaben->edtVorgRaumHoehe);
    VorgSollVolumen = text(FVorgaben->edtVorgSollVolumen);
    VorgEinbringHoehe = text(FVorgaben->edtVorgEinbringHoehe);
    VorgEinbringBreite = text(FVorgaben->edtVorgEinbringBreite);
    VorgEckeBreite = text(FVorgaben->edtVorgEckeBreite);
    VorgEckeLaenge = text(FVorgaben->edtVorgEckeLaenge);
    VorgheizraumBreite = text(FVorgaben->edtVorgHeizraumBreite);
    VorgHeizraumLaenge = text(FVorgaben->edtVorgheizraumLaenge);

    const bool eckeAngegeben =
        wert(FVorgaben->edtVorgEckeBreite) != 0.0 && wert(FVorgaben->edtVorgEckeLaenge) != 0.0;
    if (eckeAngegeben) {
        if (!Eckenposition->isEnabled()) {
            Eckenposition->setEnabled(true);
            Eckenposition->press(standardEcke(Tankposition->pressed(), Kesselposition->pressed()));
        }
    } else {
        Tankposition->setCornerVisible(Eckenposition->pressed(), true);
        Kesselposition->setCornerVisible(Eckenposition->pressed(), true);
        Eckenposition->setEnabled(false);
    }

    const auto eckeParameter = [&] {
        const std::string pressed = Eckenposition->pressedVisible();
        return pressed.empty() && eckeAngegeben ? std::string("OR") : pressed;
    };
    const bool heizraumAngegeben = FVorgaben->chkVorgHeizraum->isChecked() &&
                                   wert(FVorgaben->edtVorgHeizraumBreite) != 0.0 &&
                                   wert(FVorgaben->edtVorgheizraumLaenge) != 0.0;
    if (heizraumAngegeben) {
        if (!Kesselposition->isEnabled()) {
            Kesselposition->setEnabled(true);
            Kesselposition->press(standardEcke(Tankposition->pressed(), eckeParameter()));
        }
    } else {
        Tankposition->setCornerVisible(Kesselposition->pressed(), true);
        Eckenposition->setCornerVisible(Kesselposition->pressed(), true);
        Kesselposition->setEnabled(false);
    }

    TTempData& tempData = Daten->getTempData();
    Eckenposition->setCornerVisible(tempData.HeizraumPosition, true);
    Kesselposition->setCornerVisible(tempData.EckePosition, true);

    const std::string tankart = FVorgaben->tankart();
    std::string tankPosition = Tankposition->pressedVisible();
    if (tankPosition.empty()) {
        tankPosition = "OL";
    }
    const std::string eckePosition = eckeParameter();
    const std::string heizraumPosition = Kesselposition->pressedVisible();

    const auto feld = [](const std::string& text, const TAlignEdit* edit) {
        return SuchFeld{text, edit->decimals()};
    };
    const VorgabenGruppe& v = *FVorgaben;
    const SuchAuftrag auftrag{
        .Tankart = tankart,
        .TankPosition = tankPosition,
        .EckePosition = eckePosition,
        .HeizraumPosition = heizraumPosition,
        .RaumBreite = feld(VorgRaumBreite, v.edtVorgRaumBreite),
        .RaumLaenge = feld(VorgRaumLaenge, v.edtVorgRaumLaenge),
        .RaumHoehe = feld(VorgRaumHoehe, v.edtVorgRaumHoehe),
        .SollVolumen = feld(VorgSollVolumen, v.edtVorgSollVolumen),
        .EinbringHoehe = feld(VorgEinbringHoehe, v.edtVorgEinbringHoehe),
        .EinbringBreite = feld(VorgEinbringBreite, v.edtVorgEinbringBreite),
        .EckeBreite = feld(VorgEckeBreite, v.edtVorgEckeBreite),
        .EckeLaenge = feld(VorgEckeLaenge, v.edtVorgEckeLaenge),
        .HeizraumBreite = feld(VorgheizraumBreite, v.edtVorgHeizraumBreite),
        .HeizraumLaenge = feld(VorgHeizraumLaenge, v.edtVorgheizraumLaenge),
        .VorgHeizraum = v.chkVorgHeizraum->isChecked(),
        .VorgKessel = v.chkVorgKessel->isChecked(),
        .VorgKessel10 = v.rboVorgKessel10->isChecked(),
        .ZurueckSetzen = ZurueckSetzen,
        // The views draw the plan when they hear of the change.
        .ARefreshGraphic = false,
    };
    SuchErgebnis ergebnis;
    FSitzung->change(CoreSession::Solutions, [&] { ergebnis = Daten->sucheLoesung(auftrag); });
    const PlanInputs& neu = ergebnis.Eingaben;
    VorgRaumBreite = neu.roomWidth;
    VorgRaumLaenge = neu.roomLength;
    VorgRaumHoehe = neu.roomHeight;
    VorgSollVolumen = neu.volume;
    VorgEinbringHoehe = neu.openingHeight;
    VorgEinbringBreite = neu.openingWidth;
    VorgEckeBreite = neu.cornerWidth;
    VorgEckeLaenge = neu.cornerLength;
    VorgheizraumBreite = neu.boilerWidth;
    VorgHeizraumLaenge = neu.boilerLength;

    FVorgaben->edtVorgRaumBreite->SetFloat(parseLenient(VorgRaumBreite));
    FVorgaben->edtVorgRaumLaenge->SetFloat(parseLenient(VorgRaumLaenge));
    FVorgaben->edtVorgRaumHoehe->SetFloat(parseLenient(VorgRaumHoehe));
    FVorgaben->edtVorgSollVolumen->SetFloat(parseLenient(VorgSollVolumen));
    FVorgaben->edtVorgEinbringHoehe->SetFloat(parseLenient(VorgEinbringHoehe));
    FVorgaben->edtVorgEinbringBreite->SetFloat(parseLenient(VorgEinbringBreite));
    // A pair of edits takes the rewritten values only where the pair describes a thing.
    const auto schreibePaar = [](TAlignEdit* edit, const TAlignEdit* anderes,
                                 const std::string& neu) {
        if (!edit->text().isEmpty() && wert(anderes) != 0.0 && parseLenient(neu) != 0.0) {
            edit->SetFloat(parseLenient(neu));
        }
    };
    schreibePaar(FVorgaben->edtVorgEckeBreite, FVorgaben->edtVorgEckeLaenge, VorgEckeBreite);
    schreibePaar(FVorgaben->edtVorgEckeLaenge, FVorgaben->edtVorgEckeBreite, VorgEckeLaenge);
    schreibePaar(FVorgaben->edtVorgHeizraumBreite, FVorgaben->edtVorgheizraumLaenge,
                 VorgheizraumBreite);
    schreibePaar(FVorgaben->edtVorgheizraumLaenge, FVorgaben->edtVorgHeizraumBreite,
                 VorgHeizraumLaenge);
    if (FVorgaben->chkVorgHeizraum->isChecked() != tempData.heizraum) {
        FVorgaben->chkVorgHeizraum->setChecked(tempData.heizraum);
        FVorgaben->zeigeHeizraum(tempData.heizraum);
    }
    FVorgaben->chkVorgKessel->setChecked(tempData.safeKessel);
    (tempData.zehnCm ? FVorgaben->rboVorgKessel10 : FVorgaben->rboVorgKessel40)->setChecked(true);
    FVorgaben->aktualisiereKesselRadios();

    Eckenposition->setCornerVisible(tempData.HeizraumPosition, false);
    Kesselposition->setCornerVisible(tempData.EckePosition, false);
    if (tempData.loesung) {
        imgHeader->show();
    }
    FGesuchterPlan = std::make_unique<PlanFile>(aktuellerPlan());
    FGesuchterPlan->projectName.clear();
    FGesuchterPlan->selection.reset();
}

void TfrmGrund::automatischeSuche() {
    if (!loesungVorhanden || Daten->getLoesungsListe() == nullptr) {
        return;
    }
    sucheLoesung(false);
    FLoesung->zeigeAktuelleLoesungErneut();
}

void TfrmGrund::pruefeAenderung(TAlignEdit* edit) {
    const std::pair<TAlignEdit*, Eingabefeld> felder[] = {
        {FVorgaben->edtVorgRaumBreite, Eingabefeld::RaumBreite},
        {FVorgaben->edtVorgRaumLaenge, Eingabefeld::RaumLaenge},
        {FVorgaben->edtVorgRaumHoehe, Eingabefeld::RaumHoehe},
        {FVorgaben->edtVorgEckeBreite, Eingabefeld::EckeBreite},
        {FVorgaben->edtVorgEckeLaenge, Eingabefeld::EckeLaenge},
        {FVorgaben->edtVorgSollVolumen, Eingabefeld::SollVolumen},
        {FVorgaben->edtVorgHeizraumBreite, Eingabefeld::HeizraumBreite},
        {FVorgaben->edtVorgheizraumLaenge, Eingabefeld::HeizraumLaenge},
        {FVorgaben->edtVorgEinbringHoehe, Eingabefeld::EinbringHoehe},
        {FVorgaben->edtVorgEinbringBreite, Eingabefeld::EinbringBreite},
    };
    const TAlignEdit* andereEcke = edit == FVorgaben->edtVorgEckeBreite
                                       ? FVorgaben->edtVorgEckeLaenge
                                       : FVorgaben->edtVorgEckeBreite;
    for (const auto& [feld, art] : felder) {
        if (feld == edit &&
            weichtVonLetzterSucheAb(art, text(edit), text(andereEcke), Daten->getTempData())) {
            automatischeSuche();
        }
    }
}

}  // namespace velmora
