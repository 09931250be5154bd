// Inputs, the search and the reset of the main window.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include <utility>

#include "app/EingabeRegeln.h"
#include "app/PlanFile.h"
#include "app/SuchAuftrag.h"
#include "app/TDaten.h"
#include "base/Host.h"
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
    const std::string warnungen = sucheLoesung(true);
    loesungVorhanden = true;
    zeigeLoesungsanzeige();
    zeigeWarnungen(warnungen);
}

void TfrmGrund::zeigeWarnungen(const std::string& warnungen) {
    if (!warnungen.empty()) {
        host().showInformation(warnungen);
    }
}

void TfrmGrund::zeigeLoesungsanzeige() {
    if (!FLoesung->isLoesungsanzeigeSichtbar()) {
        FLoesung->zeigeLoesungsanzeige(true);
        imgHeader->show();
    }
}

void TfrmGrund::onLoeschen() {
    // A new plan: the file stays with the plan it holds. The reset is a step (recorded as the
    // start panel changes, so the file goes first), the plan stays marked unsaved, and undo
    // brings the file's plan back with its name.
    FSitzung->setPlanFile(QString());
    zeigeStartanzeige([this] {
        setzeStandardwerte();
        Tankposition->press("OL");
        Tankposition->setAllVisible();
        Eckenposition->setEnabled(false);
        Kesselposition->setEnabled(false);
        Kesselposition->setAllVisible();
    });
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

PlanFile TfrmGrund::bereiteSucheVor() {
    FLoesung->loescheAnzeige();
    FLoesung->zeigeZeichnungsebene();
    imgHeader->hide();

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

    const TTempData& tempData = Daten->getTempData();
    Eckenposition->setCornerVisible(tempData.HeizraumPosition, true);
    Kesselposition->setCornerVisible(tempData.EckePosition, true);

    // The plan as the inputs stand, with the corners the position buttons offer.
    PlanFile plan = aktuellerPlan();
    plan.tankPosition = Tankposition->pressedVisible();
    plan.cornerPosition = eckeParameter();
    plan.boilerPosition = Kesselposition->pressedVisible();
    return plan;
}

std::string TfrmGrund::sucheLoesung(bool ZurueckSetzen) {
    const PlanFile plan = bereiteSucheVor();
    TTempData& tempData = Daten->getTempData();
    // The warnings come after the views show the result, not over the previous plan.
    const bool zeigen = tempData.getFehlermeldungenAnzeigen();
    tempData.showFehlermeldungen(false);
    SuchErgebnis ergebnis;
    FSitzung->change(CoreSession::Solutions, [&] {
        ergebnis = Daten->sucheLoesung(suchAuftrag(plan, dezimalen(), ZurueckSetzen));
    });
    tempData.showFehlermeldungen(zeigen);
    zeigeGesuchteVorgaben(ergebnis.Eingaben);
    return zeigen ? tempData.error : std::string();
}

int TfrmGrund::dezimalen() const {
    return FVorgaben->edtVorgRaumBreite->decimals();
}

void TfrmGrund::zeigeGesuchteVorgaben(const PlanInputs& neu) {
    const TTempData& tempData = Daten->getTempData();
    for (auto [edit, text] : {std::pair{FVorgaben->edtVorgRaumBreite, &neu.roomWidth},
                              std::pair{FVorgaben->edtVorgRaumLaenge, &neu.roomLength},
                              std::pair{FVorgaben->edtVorgRaumHoehe, &neu.roomHeight},
                              std::pair{FVorgaben->edtVorgSollVolumen, &neu.volume},
                              std::pair{FVorgaben->edtVorgEinbringHoehe, &neu.openingHeight},
                              std::pair{FVorgaben->edtVorgEinbringBreite, &neu.openingWidth}}) {
        edit->SetFloat(parseLenient(*text));
    }
    const auto schreibePaar = [](TAlignEdit* edit, const TAlignEdit* anderes,
                                 const std::string& neu) {
        if (const auto wert = paarwertNachSuche(text(edit), text(anderes), neu)) {
            edit->SetFloat(*wert);
        }
    };
    schreibePaar(FVorgaben->edtVorgEckeBreite, FVorgaben->edtVorgEckeLaenge, neu.cornerWidth);
    schreibePaar(FVorgaben->edtVorgEckeLaenge, FVorgaben->edtVorgEckeBreite, neu.cornerLength);
    schreibePaar(FVorgaben->edtVorgHeizraumBreite, FVorgaben->edtVorgheizraumLaenge,
                 neu.boilerWidth);
    schreibePaar(FVorgaben->edtVorgheizraumLaenge, FVorgaben->edtVorgHeizraumBreite,
                 neu.boilerLength);
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
    const std::string warnungen = sucheLoesung(false);
    FLoesung->zeigeAktuelleLoesungErneut();
    zeigeWarnungen(warnungen);
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
