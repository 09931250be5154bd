// Plan files, the material export, the help window and the update check of the main window.

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLayout>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include <algorithm>

#include "app/MaterialCsv.h"
#include "app/PlanFile.h"
#include "app/PlanRestore.h"
#include "app/TDaten.h"
#include "base/FileName.h"
#include "base/Host.h"
#include "platform/qt/UpdateAddress.h"
#include "platform/qt/UpdateCheckModule.h"
#include "printing/ui/Tfrm_prnpreview.h"
#include "widgets/TAlignEdit.h"
#include "window/Benutzereinstellungen.h"
#include "window/CoreSession.h"
#include "window/HelpWindow.h"
#include "window/LoesungsAnzeige.h"
#include "window/PlanFileDialogs.h"
#include "window/PlanVerlauf.h"
#include "window/PositionChoice.h"
#include "window/TankMoveMode.h"
#include "window/TfrmGrund.h"
#include "window/VorgabenGruppe.h"
#include "window/ZuletztGeoeffnet.h"

namespace velmora {

namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// The chosen file with the suffix the filter promised, when the user typed none.
QString mitEndung(const QString& path, const QString& suffix) {
    return QFileInfo(path).suffix().isEmpty() ? path + QLatin1Char('.') + suffix : path;
}

QToolButton* kleinerKnopf(const char* name, const QString& text, QWidget* parent) {
    auto* knopf = new QToolButton(parent);
    knopf->setObjectName(QString::fromLatin1(name));
    knopf->setText(text);
    knopf->setFocusPolicy(Qt::TabFocus);
    knopf->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    return knopf;
}

QHBoxLayout* zeile(QVBoxLayout* spalte) {
    auto* layout = new QHBoxLayout;
    layout->setSpacing(2);
    spalte->addLayout(layout);
    return layout;
}

}  // namespace

void TfrmGrund::erstellePlanDateiUndHilfe() {
    FDateiDialoge = std::make_unique<PlanFileDialogs>(qtPlanFileDialogs());

    auto* pnlDatei = findChild<QWidget*>(QStringLiteral("pnlDatei"));
    bbnPlanOeffnen = new QPushButton(QStringLiteral("Plan öffnen…"), pnlDatei);
    bbnPlanOeffnen->setObjectName(QStringLiteral("bbnPlanOeffnen"));
    bbnPlanOeffnen->setToolTip(QStringLiteral("Einen gespeicherten Plan öffnen (Strg+O)"));
    bbnZuletztGeoeffnet = kleinerKnopf("bbnZuletztGeoeffnet", QString(), pnlDatei);
    bbnZuletztGeoeffnet->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    bbnZuletztGeoeffnet->setToolTip(QStringLiteral("Zuletzt geöffnete Pläne"));
    bbnZuletztGeoeffnet->setPopupMode(QToolButton::InstantPopup);
    bbnZuletztGeoeffnet->setArrowType(Qt::DownArrow);
    // The arrow says it all; a second, smaller menu mark beside it would crowd the button.
    bbnZuletztGeoeffnet->setStyleSheet(
        QStringLiteral("QToolButton::menu-indicator { image: none; width: 0px; }"));
    auto* zuletzt = new QMenu(bbnZuletztGeoeffnet);
    zuletzt->setObjectName(QStringLiteral("mnuZuletztGeoeffnet"));
    bbnZuletztGeoeffnet->setMenu(zuletzt);
    connect(zuletzt, &QMenu::aboutToShow, this, &TfrmGrund::zeigeZuletztGeoeffnet);
    bbnPlanSpeichern = new QPushButton(QStringLiteral("Plan speichern"), pnlDatei);
    bbnPlanSpeichern->setObjectName(QStringLiteral("bbnPlanSpeichern"));
    bbnPlanSpeichern->setToolTip(
        QStringLiteral("Den angezeigten Plan in seine Datei speichern (Strg+S)"));
    bbnSpeichernUnter = kleinerKnopf("bbnSpeichernUnter", QStringLiteral("…"), pnlDatei);
    bbnSpeichernUnter->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    bbnSpeichernUnter->setToolTip(
        QStringLiteral("Speichern unter… – in eine andere Datei (Strg+Umschalt+S)"));
    bbnRueckgaengig = kleinerKnopf("bbnRueckgaengig", QStringLiteral("↶"), pnlDatei);
    bbnWiederholen = kleinerKnopf("bbnWiederholen", QStringLiteral("↷"), pnlDatei);
    bbnHilfe = new QPushButton(QStringLiteral("?"), pnlDatei);
    bbnHilfe->setObjectName(QStringLiteral("bbnHilfe"));
    bbnHilfe->setToolTip(QStringLiteral("Anleitung (F1)"));
    for (QPushButton* befehl : {bbnPlanOeffnen, bbnPlanSpeichern, bbnHilfe}) {
        befehl->setFocusPolicy(Qt::TabFocus);
    }
    auto* spalte = static_cast<QVBoxLayout*>(pnlDatei->layout());
    QHBoxLayout* oeffnen = zeile(spalte);
    oeffnen->addWidget(bbnPlanOeffnen, 1);
    oeffnen->addWidget(bbnZuletztGeoeffnet);
    QHBoxLayout* speichern = zeile(spalte);
    speichern->addWidget(bbnPlanSpeichern, 1);
    speichern->addWidget(bbnSpeichernUnter);
    QHBoxLayout* schritte = zeile(spalte);
    for (QWidget* knopf :
         std::initializer_list<QWidget*>{bbnRueckgaengig, bbnWiederholen, bbnHilfe}) {
        schritte->addWidget(knopf, 1);
    }
    // Nothing to undo yet; the commands keep them in step from now on.
    bbnRueckgaengig->setEnabled(false);
    bbnWiederholen->setEnabled(false);
    FZuletzt = std::make_unique<ZuletztGeoeffnet>();

    // The check starts once the event loop runs, and only with an address.
    QTimer::singleShot(0, this, [this] {
        const QUrl address = updateAddress(benutzerEinstellungen());
        if (!address.isEmpty()) {
            startUpdateCheckModule(AppPath, this, host(), qt(TDaten::getAktuelleVersion()),
                                   address);
        }
    });
}

void TfrmGrund::erstelleMaterialExport() {
    bbnZubExport =
        new QPushButton(QStringLiteral("Materialliste exportieren…"), FLoesung->gboZubehoer);
    bbnZubExport->setObjectName(QStringLiteral("bbnZubExport"));
    static_cast<QGridLayout*>(FLoesung->gboZubehoer->layout())
        ->addWidget(bbnZubExport, 1, 0, Qt::AlignLeft);
}

void TfrmGrund::setPlanFileDialogs(PlanFileDialogs dialogs) {
    *FDateiDialoge = std::move(dialogs);
}

PlanFile TfrmGrund::aktuellerPlan() const {
    PlanFile plan;
    plan.inputs = FVorgaben->eingaben();
    plan.productGroup = FVorgaben->tankart();
    plan.tankPosition = Tankposition->pressed();
    plan.cornerPosition = Eckenposition->isEnabled() ? Eckenposition->pressed() : "";
    plan.boilerPosition = Kesselposition->isEnabled() ? Kesselposition->pressed() : "";
    plan.boilerRoom = FVorgaben->chkVorgHeizraum->isChecked();
    plan.protectedBoiler = FVorgaben->chkVorgKessel->isChecked();
    plan.tenCm = FVorgaben->rboVorgKessel10->isChecked();
    plan.projectName = Daten->getAktuellerProjektName();
    plan.selection = currentPlanSelection(*Daten);
    return plan;
}

void TfrmGrund::setzePlanVorgaben(const PlanFile& plan) {
    // A group the catalogue no longer has shows "Alle Tanks"; the restore says so.
    FVorgaben->cboVorgTankart->setCurrentIndex(
        plan.productGroup.empty()
            ? 0
            : std::max(0, FVorgaben->cboVorgTankart->findText(qt(plan.productGroup))));
    // The boiler edits follow their box first, then take the plan's texts.
    FVorgaben->chkVorgHeizraum->setChecked(plan.boilerRoom);
    FVorgaben->zeigeHeizraum(plan.boilerRoom);
    FVorgaben->setzeEingaben(plan.inputs);
    FVorgaben->chkVorgKessel->setChecked(plan.protectedBoiler);
    (plan.tenCm ? FVorgaben->rboVorgKessel10 : FVorgaben->rboVorgKessel40)->setChecked(true);
    FVorgaben->aktualisiereKesselRadios();

    for (PositionChoice* wahl : {Tankposition, Eckenposition, Kesselposition}) {
        wahl->setAllVisible();
    }
    Tankposition->press(plan.tankPosition.empty() ? "OL" : plan.tankPosition);
    Eckenposition->setEnabled(!plan.cornerPosition.empty());
    Eckenposition->press(plan.cornerPosition);
    Kesselposition->setEnabled(!plan.boilerPosition.empty());
    Kesselposition->press(plan.boilerPosition);
}

bool TfrmGrund::planUngespeichert() const {
    return FVerlauf != nullptr && !FVerlauf->stack().isClean();
}

bool TfrmGrund::sichereUngespeichertes(const std::string& bevor) {
    FVerlauf->merkeJetzt();
    if (!planUngespeichert()) {
        return true;
    }
    const std::string aenderungen = FVerlauf->ungespeicherteAenderungen();
    const std::string frage =
        (aenderungen.empty()
             ? std::string("Der angezeigte Plan ist nicht gespeichert.")
             : "Der angezeigte Plan hat ungespeicherte Änderungen: " + aenderungen + ".") +
        "\r\nMöchten Sie ihn speichern, bevor " + bevor + "?";
    switch (host().askSaveDiscardCancel(frage)) {
        case UnsavedAnswer::Save:
            return speicherePlan(false);
        case UnsavedAnswer::Discard:
            return true;
        case UnsavedAnswer::Cancel:
            break;
    }
    return false;
}

void TfrmGrund::merkePlanDatei(const QString& path) {
    FSitzung->setPlanFile(path);
    FVerlauf->setzeGespeichert();
    FZuletzt->nimmAuf(path);
    zeigeTitel();
}

void TfrmGrund::zeigeTitel() {
    const QString& datei = FSitzung->planFile();
    // Qt puts the mark where "[*]" stands, while the window is modified.
    setWindowTitle((datei.isEmpty() ? QStringLiteral("Velmora")
                                    : QStringLiteral("Velmora – ") + QFileInfo(datei).fileName()) +
                   QStringLiteral("[*]"));
    setWindowModified(planUngespeichert());
}

QString TfrmGrund::vorschlag(const QString& suffix) const {
    const QString& datei = FSitzung->planFile();
    const QString verzeichnis =
        datei.isEmpty() ? QDir::homePath() : QFileInfo(datei).absolutePath();
    QString name = qt(Daten->getAktuellerProjektName()).trimmed();
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    if (name.isEmpty()) {
        name = QStringLiteral("Plan");
    }
    return verzeichnis + QLatin1Char('/') + name + QLatin1Char('.') + suffix;
}

bool TfrmGrund::speicherePlan(bool neuerName) {
    FVerlauf->merkeJetzt();
    QString path = FSitzung->planFile();
    if (neuerName || path.isEmpty()) {
        const QString gewaehlt = FDateiDialoge->saveFile(
            this, path.isEmpty() ? vorschlag(QStringLiteral("velmora")) : path);
        if (gewaehlt.isEmpty()) {
            return false;
        }
        path = mitEndung(gewaehlt, QStringLiteral("velmora"));
    }
    std::string error;
    if (!writePlanFile(path.toStdString(), angezeigterStand().plan, error)) {
        host().showError(error);
        return false;
    }
    merkePlanDatei(path);
    return true;
}

void TfrmGrund::onPlanOeffnen() {
    // Asked before the file is chosen: the answer may be to save the plan first.
    if (FSitzung->isPrinting() || !sichereUngespeichertes("ein anderer Plan geöffnet wird")) {
        return;
    }
    const QString& datei = FSitzung->planFile();
    const QString path = FDateiDialoge->openFile(this, datei.isEmpty() ? QDir::homePath() : datei);
    if (const std::optional<PlanFile> plan = path.isEmpty() ? std::nullopt : liesPlan(path)) {
        zeigeGeoeffnetenPlan(path, *plan);
    }
}

void TfrmGrund::oeffnePlanDatei(const QString& path) {
    vervollstaendige();
    // A printout in progress would carry the old plan.
    if (FSitzung->isPrinting()) {
        return;
    }
    const std::optional<PlanFile> plan = liesPlan(path);
    if (plan && sichereUngespeichertes("ein anderer Plan geöffnet wird")) {
        zeigeGeoeffnetenPlan(path, *plan);
    }
}

std::optional<PlanFile> TfrmGrund::liesPlan(const QString& path) {
    // Nothing in the window changes before the whole file has been read and checked.
    PlanFileReadResult read = readPlanFile(path.toStdString());
    if (!read.plan) {
        host().showError(read.error);
    }
    return std::move(read.plan);
}

void TfrmGrund::zeigeGeoeffnetenPlan(const QString& path, const PlanFile& plan) {
    FBewegung->cancel();
    closeGrafikGross();
    std::string meldung;
    FVerlauf->alsEinSchritt("Plan geöffnet", [&] {
        meldung = stellePlanHer(plan);
        FSitzung->setPlanFile(path);
    });
    merkePlanDatei(path);
    befehleAktualisieren();
    if (!meldung.empty()) {
        host().showInformation(meldung);
    }
}

std::string TfrmGrund::stellePlanHer(const PlanFile& plan) {
    // The inputs are set without the automatic re-search of a single change.
    loesungVorhanden = false;
    setzePlanVorgaben(plan);
    PlanFile gesucht = bereiteSucheVor();
    gesucht.productGroup = plan.productGroup;
    gesucht.projectName = plan.projectName;
    gesucht.selection = plan.selection;
    PlanRestoreReport report;
    // The restored choice, variant and free position reach every view at once.
    FSitzung->change(CoreSession::Solutions,
                     [&] { report = restorePlan(*Daten, gesucht, dezimalen()); });
    zeigeGesuchteVorgaben(report.suche.Eingaben);
    loesungVorhanden = true;
    zeigeLoesungsanzeige();
    FLoesung->zeigeAktuelleLoesungErneut();
    return report.message();
}

void TfrmGrund::zeigeZuletztGeoeffnet() {
    QMenu* menu = bbnZuletztGeoeffnet->menu();
    menu->clear();
    const QStringList dateien = FZuletzt->dateien();
    for (int index = 0; index < dateien.size(); ++index) {
        const QString& path = dateien[index];
        QAction* eintrag = menu->addAction(
            QStringLiteral("&%1 %2").arg(index + 1).arg(QFileInfo(path).fileName()));
        eintrag->setToolTip(path);
        eintrag->setStatusTip(path);
        connect(eintrag, &QAction::triggered, this, [this, path] { oeffneZuletztGeoeffnet(path); });
    }
    if (dateien.isEmpty()) {
        menu->addAction(QStringLiteral("Noch kein Plan geöffnet oder gespeichert"))
            ->setEnabled(false);
    }
    menu->setToolTipsVisible(true);
}

void TfrmGrund::oeffneZuletztGeoeffnet(const QString& path) {
    if (!aPlanOeffnen->isEnabled()) {
        return;
    }
    if (!QFileInfo::exists(path)) {
        FZuletzt->entferne(path);
        host().showError("Die Datei " + quotedFileName(path.toStdString()) +
                         " gibt es nicht mehr; sie wird aus der Liste genommen.");
        return;
    }
    oeffnePlanDatei(path);
}

namespace {

// The plan file a drag carries: exactly one local file named *.velmora; empty otherwise.
QString gezogenePlanDatei(const QMimeData* daten) {
    if (daten == nullptr || !daten->hasUrls() || daten->urls().size() != 1) {
        return QString();
    }
    const QUrl url = daten->urls().front();
    const QString path = url.isLocalFile() ? url.toLocalFile() : QString();
    return path.endsWith(QStringLiteral(".velmora"), Qt::CaseInsensitive) ? path : QString();
}

}  // namespace

void TfrmGrund::dragEnterEvent(QDragEnterEvent* event) {
    if (!gezogenePlanDatei(event->mimeData()).isEmpty() && !FSitzung->isPrinting()) {
        event->acceptProposedAction();
    }
}

void TfrmGrund::dropEvent(QDropEvent* event) {
    const QString path = gezogenePlanDatei(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    oeffnePlanDatei(path);
}

void TfrmGrund::onMaterialExportieren() {
    if (Daten->getAktuellesProdukt() == nullptr) {
        return;
    }
    const QString gewaehlt = FDateiDialoge->exportMaterial(this, vorschlag(QStringLiteral("csv")));
    if (gewaehlt.isEmpty()) {
        return;
    }
    std::string error;
    if (!writeMaterialCsv(mitEndung(gewaehlt, QStringLiteral("csv")).toStdString(), *Daten,
                          error)) {
        host().showError(error);
    }
}

std::unique_ptr<Tfrm_prnpreview> TfrmGrund::neueDruckvorschau() {
    auto vorschau = std::make_unique<Tfrm_prnpreview>(this);
    vorschau->setPdfFile([this](QWidget* parent) {
        const QString gewaehlt = FDateiDialoge->exportPdf(parent, vorschlag(QStringLiteral("pdf")));
        return gewaehlt.isEmpty() ? gewaehlt : mitEndung(gewaehlt, QStringLiteral("pdf"));
    });
    return vorschau;
}

void TfrmGrund::onHilfe() {
    if (FHilfe == nullptr) {
        FHilfe = new HelpWindow(qt(AppPath), this);
    }
    FHilfe->showGuide();
}

}  // namespace velmora
