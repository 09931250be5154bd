// Undo and redo of the main window: every change of the shown plan is a step.

#include <QGroupBox>
#include <QToolButton>

#include "app/PlanAenderung.h"
#include "app/PlanRestore.h"
#include "app/TDaten.h"
#include "window/CoreSession.h"
#include "window/LoesungsAnzeige.h"
#include "window/PlanVerlauf.h"
#include "window/PositionChoice.h"
#include "window/TfrmGrund.h"

namespace velmora {

void TfrmGrund::erstelleVerlauf() {
    FVerlauf = new PlanVerlauf(
        *FSitzung, [this] { return angezeigterStand(); },
        [this](const PlanStand& stand) { stelleStandHer(stand); }, this);
    // Every change of the core, the ticks included.
    connect(FSitzung, &CoreSession::aboutToChange, FVerlauf, &PlanVerlauf::vorAenderung);
    connect(FSitzung, &CoreSession::planChanged, FVerlauf, &PlanVerlauf::vormerken);
    connect(FVerlauf, &PlanVerlauf::verzeichnet, this, [this] {
        zeigeTitel();
        befehleAktualisieren();
    });
}

PlanStand TfrmGrund::angezeigterStand() const {
    if (!loesungVorhanden || !FGesuchterPlan) {
        // The start panel shows inputs only, whatever the core still holds.
        PlanFile plan = aktuellerPlan();
        plan.projectName.clear();
        plan.selection.reset();
        return {std::move(plan), false};
    }
    // A shown solution belongs to the inputs and positions of its search: a value typed or a
    // corner pressed but not yet searched is no step of the plan.
    PlanFile plan = *FGesuchterPlan;
    plan.selection = currentPlanSelection(*Daten);
    return {std::move(plan), true};
}

void TfrmGrund::stelleStandHer(const PlanStand& stand) {
    PlanFile plan = stand.plan;
    plan.projectName = Daten->getAktuellerProjektName();
    if (stand.solutionShown) {
        // The catalogue is the one the step was made with: everything comes back. The material
        // stays in view when it was: undoing a tick shows the tick.
        const bool material = FLoesung->gboZubehoer->isVisible();
        stellePlanHer(plan);
        // A restore without a product closes the material; it would list the old one's.
        if (material && Daten->getAktuellesProdukt() != nullptr) {
            FLoesung->zeigeMaterial();
        }
    } else {
        // The enlarged view shows a solution; the start panel has none.
        closeGrafikGross();
        zeigeStartanzeige([this, &plan] { setzePlanVorgaben(plan); });
    }
}

void TfrmGrund::onRueckgaengig() {
    FVerlauf->merkeJetzt();
    FVerlauf->stack().undo();
}

void TfrmGrund::onWiederholen() {
    FVerlauf->merkeJetzt();
    FVerlauf->stack().redo();
}

}  // namespace velmora
