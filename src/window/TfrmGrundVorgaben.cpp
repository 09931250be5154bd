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
#include "app/TDaten.h"
#include "base/LenientNumber.h"
#include "widgets/TAlignEdit.h"
#include "window/CoreSession.h"
#include "window/PositionChoice.h"
#include "window/TfrmGrund.h"

namespace velmora {

namespace {

std::string text(const TAlignEdit* edit) {
    return edit->text().toStdString();
}

double wert(const TAlignEdit* edit) {
    return parseLenient(text(edit));
}

// The light colour of a disabled boiler edit.
const QColor kGesperrtFarbe(166, 203, 240);

}  // namespace

void TfrmGrund::onLoesungen() {
    sucheLoesung(true);
    loesungVorhanden = true;
    zeigeLoesungsanzeige();
}

void TfrmGrund::zeigeLoesungsanzeige() {
    if (!pnlStartanzeige->isHidden()) {
        pnlLoesungsanzeige->show();
        bbnDrucken->show();
        bbnDatanormDrucken->show();
        spbTankPositioning->show();
        lblPreise->show();
        pnlStartanzeige->hide();
        imgHeader->show();
    }
}

void TfrmGrund::onLoeschen() {
    if (!pnlLoesungsanzeige->isHidden()) {
        pnlLoesungsanzeige->hide();
        bbnDrucken->hide();
        bbnDatanormDrucken->hide();
        spbTankPositioning->hide();
        lblPreise->hide();
        pnlStartanzeige->show();
    }
    zeigeZeichnungsebene();
    setzeStandardwerte();

    loesungVorhanden = false;
    Tankposition->press("OL");
    selectCounter = 2;
    Eckenposition->setEnabled(false);
    Tankposition->setAllVisible();
    Kesselposition->setEnabled(false);
    Kesselposition->setAllVisible();
    FSitzung->change(CoreSession::Solutions, [this] { Daten->setzeLoesungZurueck(); });
    // The shown plan is no longer the opened file's.
    FGespeicherterPlan.reset();
    FSitzung->setPlanFile(QString());
}

void TfrmGrund::setzeStandardwerte() {
    edtVorgSollVolumen->SetFloat(Daten->getStandardVolumen());
    edtVorgRaumBreite->SetFloat(Daten->getStandardRaumBreite());
    edtVorgRaumLaenge->SetFloat(Daten->getStandardRaumLaenge());
    edtVorgRaumHoehe->SetFloat(Daten->getStandardRaumHoehe());
    edtVorgEinbringHoehe->SetFloat(Daten->getStandardEinbringHoehe());
    edtVorgEinbringBreite->SetFloat(Daten->getStandardEinbringBreite());
    chkVorgHeizraum->setChecked(false);
    zeigeHeizraum(false);
    aktualisiereKesselRadios();
    edtVorgEckeBreite->SetFloat(0.0);
    edtVorgEckeLaenge->SetFloat(0.0);
}

void TfrmGrund::zeigeHeizraum(bool checked) {
    chkVorgKessel->setEnabled(checked);
    for (TAlignEdit* edit : {edtVorgHeizraumBreite, edtVorgheizraumLaenge}) {
        edit->setEnabled(checked);
        QPalette palette = QApplication::palette(edit);
        if (checked) {
            if (edit->text().isEmpty() || wert(edit) == 0.0) {
                edit->SetFloat(1.0);
            }
        } else {
            edit->clear();
            palette.setColor(QPalette::Base, kGesperrtFarbe);
        }
        edit->setPalette(palette);
    }
}

void TfrmGrund::aktualisiereKesselRadios() {
    const bool enabled = chkVorgKessel->isEnabled() && chkVorgKessel->isChecked();
    rboVorgKessel40->setEnabled(enabled);
    rboVorgKessel10->setEnabled(enabled);
}

void TfrmGrund::onHeizraumClicked() {
    zeigeHeizraum(chkVorgHeizraum->isChecked());
    aktualisiereKesselRadios();
    automatischeSuche();
}

void TfrmGrund::onKesselClicked() {
    aktualisiereKesselRadios();
    automatischeSuche();
}

void TfrmGrund::onTankartChanged() {
    const std::string tankart = cboVorgTankart->currentIndex() <= 0
                                    ? std::string()
                                    : cboVorgTankart->currentText().toStdString();
    if (tankart != Daten->getTempData().loesTankart) {
        automatischeSuche();
    }
}

void TfrmGrund::sucheLoesung(bool ZurueckSetzen) {
    loescheAnzeige();
    zeigeZeichnungsebene();

    VorgRaumBreite = text(edtVorgRaumBreite);
    VorgRaumLaenge = text(edtVorgRaumLaenge);
    VorgRaumHoehe = text(edtVorgRaumHoehe);
    VorgSollVolumen = text(edtVorgSollVolumen);
    VorgEinbringHoehe = text(edtVorgEinbringHoehe);
    VorgEinbringBreite = text(edtVorgEinbringBreite);
    VorgEckeBreite = text(edtVorgEckeBreite);
    VorgEckeLaenge = text(edtVorgEckeLaenge);
    VorgheizraumBreite = text(edtVorgHeizraumBreite);
    VorgHeizraumLaenge = text(edtVorgheizraumLaenge);

    const bool eckeAngegeben = wert(edtVorgEckeBreite) != 0.0 && wert(edtVorgEckeLaenge) != 0.0;
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
    const bool heizraumAngegeben = chkVorgHeizraum->isChecked() &&
                                   wert(edtVorgHeizraumBreite) != 0.0 &&
                                   wert(edtVorgheizraumLaenge) != 0.0;
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

    const std::string tankart = cboVorgTankart->currentIndex() <= 0
                                    ? std::string()
                                    : cboVorgTankart->currentText().toStdString();
    std::string tankPosition = Tankposition->pressedVisible();
    if (tankPosition.empty()) {
        tankPosition = "OL";
    }
    const std::string eckePosition = eckeParameter();
    const std::string heizraumPosition = Kesselposition->pressedVisible();

    FSitzung->change(CoreSession::Solutions, [&] {
        Daten->sucheLoesung(
            tankart, tankPosition, eckePosition, heizraumPosition, VorgRaumBreite,
            edtVorgRaumBreite->decimals(), VorgRaumLaenge, edtVorgRaumLaenge->decimals(),
            VorgRaumHoehe, edtVorgRaumHoehe->decimals(), VorgSollVolumen,
            edtVorgSollVolumen->decimals(), VorgEinbringHoehe, edtVorgEinbringHoehe->decimals(),
            VorgEinbringBreite, edtVorgEinbringBreite->decimals(), VorgEckeBreite,
            edtVorgEckeBreite->decimals(), VorgEckeLaenge, edtVorgEckeLaenge->decimals(),
            VorgheizraumBreite, edtVorgHeizraumBreite->decimals(), VorgHeizraumLaenge,
            edtVorgheizraumLaenge->decimals(), chkVorgHeizraum->isChecked(),
            chkVorgKessel->isChecked(), rboVorgKessel10->isChecked(), ZurueckSetzen, false);
    });

    edtVorgRaumBreite->SetFloat(parseLenient(VorgRaumBreite));
    edtVorgRaumLaenge->SetFloat(parseLenient(VorgRaumLaenge));
    edtVorgRaumHoehe->SetFloat(parseLenient(VorgRaumHoehe));
    edtVorgSollVolumen->SetFloat(parseLenient(VorgSollVolumen));
    edtVorgEinbringHoehe->SetFloat(parseLenient(VorgEinbringHoehe));
    edtVorgEinbringBreite->SetFloat(parseLenient(VorgEinbringBreite));
    // A pair of edits takes the rewritten values only where the pair describes a thing.
    const auto schreibePaar = [](TAlignEdit* edit, const TAlignEdit* anderes,
                                 const std::string& neu) {
        if (!edit->text().isEmpty() && wert(anderes) != 0.0 && parseLenient(neu) != 0.0) {
            edit->SetFloat(parseLenient(neu));
        }
    };
    schreibePaar(edtVorgEckeBreite, edtVorgEckeLaenge, VorgEckeBreite);
    schreibePaar(edtVorgEckeLaenge, edtVorgEckeBreite, VorgEckeLaenge);
    schreibePaar(edtVorgHeizraumBreite, edtVorgheizraumLaenge, VorgheizraumBreite);
    schreibePaar(edtVorgheizraumLaenge, edtVorgHeizraumBreite, VorgHeizraumLaenge);
    if (chkVorgHeizraum->isChecked() != tempData.heizraum) {
        chkVorgHeizraum->setChecked(tempData.heizraum);
        zeigeHeizraum(tempData.heizraum);
    }
    chkVorgKessel->setChecked(tempData.safeKessel);
    (tempData.zehnCm ? rboVorgKessel10 : rboVorgKessel40)->setChecked(true);
    aktualisiereKesselRadios();

    Eckenposition->setCornerVisible(tempData.HeizraumPosition, false);
    Kesselposition->setCornerVisible(tempData.EckePosition, false);
    if (tempData.loesung) {
        imgHeader->show();
    }
}

void TfrmGrund::automatischeSuche() {
    if (!loesungVorhanden || Daten->getLoesungsListe() == nullptr) {
        return;
    }
    sucheLoesung(false);
    zeigeAktuelleLoesungErneut();
}

void TfrmGrund::pruefeAenderung(TAlignEdit* edit) {
    const std::pair<TAlignEdit*, Eingabefeld> felder[] = {
        {edtVorgRaumBreite, Eingabefeld::RaumBreite},
        {edtVorgRaumLaenge, Eingabefeld::RaumLaenge},
        {edtVorgRaumHoehe, Eingabefeld::RaumHoehe},
        {edtVorgEckeBreite, Eingabefeld::EckeBreite},
        {edtVorgEckeLaenge, Eingabefeld::EckeLaenge},
        {edtVorgSollVolumen, Eingabefeld::SollVolumen},
        {edtVorgHeizraumBreite, Eingabefeld::HeizraumBreite},
        {edtVorgheizraumLaenge, Eingabefeld::HeizraumLaenge},
        {edtVorgEinbringHoehe, Eingabefeld::EinbringHoehe},
        {edtVorgEinbringBreite, Eingabefeld::EinbringBreite},
    };
    const TAlignEdit* andereEcke =
        edit == edtVorgEckeBreite ? edtVorgEckeLaenge : edtVorgEckeBreite;
    for (const auto& [feld, art] : felder) {
        if (feld == edit &&
            weichtVonLetzterSucheAb(art, text(edit), text(andereEcke), Daten->getTempData())) {
            automatischeSuche();
        }
    }
}

}  // namespace velmora
