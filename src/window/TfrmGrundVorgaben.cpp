// Inputs, the search and the reset of the main window.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include "app/TDaten.h"
#include "base/LenientNumber.h"
#include "base/Rounding.h"
#include "window/PositionButtonGroup.h"
#include "window/TAlignEdit.h"
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
    sucheLoesung(true, true);
    loesungVorhanden = true;
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
    fuelltAnzeige = true;
    lviLoesungsanzeige->clear();
    fuelltAnzeige = false;
    lviTmp.clear();
    loescheAnzeige();

    setzeStandardwerte();

    loesungVorhanden = false;
    spbDarstPosition->press("OL");
    selectCounter = 2;
    spbDarstEcke->setButtonsEnabled(false);
    spbDarstPosition->setAllVisible();
    spbDarstHeizraum->setButtonsEnabled(false);
    spbDarstHeizraum->setAllVisible();
    Daten->setzeLoesungZurueck();
    zeigeGrafik();
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

std::string TfrmGrund::standardEcke(const std::string& belegt1, const std::string& belegt2) {
    for (const char* corner : {"OL", "OR", "UR"}) {
        if (belegt1 != corner && belegt2 != corner) {
            return corner;
        }
    }
    return std::string();
}

void TfrmGrund::sucheLoesung(bool ZurueckSetzen, bool ARefreshGraphic) {
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
        if (!spbDarstEcke->buttonsEnabled()) {
            spbDarstEcke->setButtonsEnabled(true);
            spbDarstEcke->press(
                standardEcke(spbDarstPosition->pressed(), spbDarstHeizraum->pressed()));
        }
    } else {
        spbDarstPosition->setCornerVisible(spbDarstEcke->pressed(), true);
        spbDarstHeizraum->setCornerVisible(spbDarstEcke->pressed(), true);
        spbDarstEcke->setButtonsEnabled(false);
    }

    const auto eckeParameter = [&] {
        const std::string pressed = spbDarstEcke->pressedVisible();
        return pressed.empty() && eckeAngegeben ? std::string("OR") : pressed;
    };
    const bool heizraumAngegeben = chkVorgHeizraum->isChecked() &&
                                   wert(edtVorgHeizraumBreite) != 0.0 &&
                                   wert(edtVorgheizraumLaenge) != 0.0;
    if (heizraumAngegeben) {
        if (!spbDarstHeizraum->buttonsEnabled()) {
            spbDarstHeizraum->setButtonsEnabled(true);
            spbDarstHeizraum->press(standardEcke(spbDarstPosition->pressed(), eckeParameter()));
        }
    } else {
        spbDarstPosition->setCornerVisible(spbDarstHeizraum->pressed(), true);
        spbDarstEcke->setCornerVisible(spbDarstHeizraum->pressed(), true);
        spbDarstHeizraum->setButtonsEnabled(false);
    }

    TTempData& tempData = Daten->getTempData();
    spbDarstEcke->setCornerVisible(tempData.HeizraumPosition, true);
    spbDarstHeizraum->setCornerVisible(tempData.EckePosition, true);

    const std::string tankart = cboVorgTankart->currentIndex() <= 0
                                    ? std::string()
                                    : cboVorgTankart->currentText().toStdString();
    std::string tankPosition = spbDarstPosition->pressedVisible();
    if (tankPosition.empty()) {
        tankPosition = "OL";
    }
    const std::string eckePosition = eckeParameter();
    const std::string heizraumPosition = spbDarstHeizraum->pressedVisible();

    Daten->sucheLoesung(
        tankart, tankPosition, eckePosition, heizraumPosition, VorgRaumBreite,
        edtVorgRaumBreite->decimals(), VorgRaumLaenge, edtVorgRaumLaenge->decimals(), VorgRaumHoehe,
        edtVorgRaumHoehe->decimals(), VorgSollVolumen, edtVorgSollVolumen->decimals(),
        VorgEinbringHoehe, edtVorgEinbringHoehe->decimals(), VorgEinbringBreite,
        edtVorgEinbringBreite->decimals(), VorgEckeBreite, edtVorgEckeBreite->decimals(),
        VorgEckeLaenge, edtVorgEckeLaenge->decimals(), VorgheizraumBreite,
        edtVorgHeizraumBreite->decimals(), VorgHeizraumLaenge, edtVorgheizraumLaenge->decimals(),
        chkVorgHeizraum->isChecked(), chkVorgKessel->isChecked(), rboVorgKessel10->isChecked(),
        ZurueckSetzen, ARefreshGraphic);

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

    spbDarstEcke->setCornerVisible(tempData.HeizraumPosition, false);
    spbDarstHeizraum->setCornerVisible(tempData.EckePosition, false);

    fuelleLoesungsliste();
    if (tempData.loesung) {
        imgHeader->show();
    }
    zeigeGrafik();
}

void TfrmGrund::automatischeSuche() {
    if (!loesungVorhanden || Daten->getLoesungsListe() == nullptr) {
        return;
    }
    sucheLoesung(false, true);
    zeigeAktuelleLoesungErneut();
}

void TfrmGrund::pruefeAenderung(TAlignEdit* edit) {
    const TTempData& tempData = Daten->getTempData();
    const auto mm = [](const std::string& stored) {
        return roundHalfAwayFromZero(parseLenient(stored));
    };
    const auto geaendert = [&](const std::string& stored, double scale) {
        return roundHalfAwayFromZero(wert(edit) * scale) != mm(stored);
    };
    bool aenderung = false;
    if (edit == edtVorgRaumBreite) {
        aenderung = geaendert(tempData.loesRaumBreite, 1000.0);
    } else if (edit == edtVorgRaumLaenge) {
        aenderung = geaendert(tempData.loesRaumLaenge, 1000.0);
    } else if (edit == edtVorgRaumHoehe) {
        aenderung = geaendert(tempData.loesRaumHoehe, 1000.0);
    } else if (edit == edtVorgHeizraumBreite) {
        aenderung = geaendert(tempData.loesHeizraumBreite, 1000.0);
    } else if (edit == edtVorgheizraumLaenge) {
        aenderung = geaendert(tempData.loesHeizraumLaenge, 1000.0);
    } else if (edit == edtVorgEckeBreite || edit == edtVorgEckeLaenge) {
        const TAlignEdit* anderes =
            edit == edtVorgEckeBreite ? edtVorgEckeLaenge : edtVorgEckeBreite;
        aenderung =
            !anderes->text().isEmpty() && wert(anderes) != 0.0 &&
            geaendert(edit == edtVorgEckeBreite ? tempData.loesEckeBreite : tempData.loesEckeLaenge,
                      1000.0);
    } else if (edit == edtVorgEinbringHoehe) {
        aenderung = geaendert(tempData.einbringHoehe, 1000.0);
    } else if (edit == edtVorgEinbringBreite) {
        aenderung = geaendert(tempData.einbringBreite, 1000.0);
    } else if (edit == edtVorgSollVolumen) {
        aenderung = geaendert(tempData.loesSollVolumen, 1.0);
    }
    if (aenderung) {
        automatischeSuche();
    }
}

}  // namespace velmora
