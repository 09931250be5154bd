// The plan views: the magnifier, the enlarged view, and free positioning of the battery with
// the mouse.

#include <QAction>
#include <QGroupBox>
#include <QPushButton>

#include "app/TDaten.h"
#include "window/CoreSession.h"
#include "window/LoesungsAnzeige.h"
#include "window/PlanImageView.h"
#include "window/PlanView.h"
#include "window/TankMoveMode.h"
#include "window/TfrmGrund.h"
#include "window/VorgabenGruppe.h"

namespace velmora {

namespace {

const QString kHintPositionieren = QStringLiteral("Zum Positionieren bitte klicken.");

bool nurStrg(Qt::KeyboardModifiers modifiers) {
    return modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::ShiftModifier) &&
           !modifiers.testFlag(Qt::AltModifier);
}

}  // namespace

void TfrmGrund::erstelleGrafikGross() {
    gboGrafikGross = new QGroupBox(QStringLiteral("Grafik: "), this);
    gboGrafikGross->setObjectName(QStringLiteral("gboGrafikGross"));
    gboGrafikGross->setAutoFillBackground(true);
    gboGrafikGross->hide();

    connect(FLoesung->spbTankPositioning, &QPushButton::toggled, this,
            &TfrmGrund::onTankPositioningToggled);
    verbindePlan(*FPlan);
    connect(FPlan, &PlanView::clicked, this, &TfrmGrund::onImgGrafikClick);
    // A move started with Ctrl holds the positioning button down while it runs.
    connect(FBewegung, &TankMoveMode::started, this, [this](bool fromCtrl) {
        if (fromCtrl) {
            FLoesung->spbTankPositioning->setChecked(true);
        }
    });
    connect(FBewegung, &TankMoveMode::ended, this, [this](bool fromCtrl) {
        if (fromCtrl) {
            FLoesung->spbTankPositioning->setChecked(false);
        }
    });
}

void TfrmGrund::verbindePlan(PlanView& plan) {
    connect(&plan, &PlanView::mousePressed, this,
            [this, &plan](Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
                onPlanMouseDown(plan, button, modifiers);
            });
    connect(&plan, &PlanView::mouseMoved, this,
            [this, &plan](QPoint position) { onPlanMouseMove(plan, position); });
}

// --- the enlarged view ---

bool TfrmGrund::isGrafikGrossOpen() const {
    return gboGrafikGross->isVisible();
}

void TfrmGrund::oeffneGrafikGross() {
    // Over the input and solution areas.
    const QRect vorgaben = FVorgaben->geometry();
    const QRect gruppe(vorgaben.left(), vorgaben.top(), vorgaben.width(),
                       FLoesung->geometry().bottom() - vorgaben.top() + 1);
    gboGrafikGross->setGeometry(gruppe);
    // The plan at the main plan's offsets within its group.
    const QPoint rand = FPlan->image().pos();
    const QSize positionen = FPlan->positions().size();
    if (FPlanGross == nullptr) {
        FPlanGross = new PlanView(
            PlanView::Kind::Enlarged, *Tankposition, *Eckenposition, *Kesselposition,
            PlanView::enlargedImageSize(gruppe.size(), rand, positionen), gboGrafikGross);
        FPlanGross->attach(*FSitzung, AppPath);
        verbindePlan(*FPlanGross);
        connect(FPlanGross, &PlanView::clicked, this, [this] { FBewegung->click(*FPlanGross); });
        connect(FPlanGross, &PlanView::doubleClicked, this, &TfrmGrund::closeGrafikGross);
        connect(FPlanGross->closeButton(), &QPushButton::clicked, aGrafikKlein, &QAction::trigger);
    }
    FPlanGross->setGeometry(QRect(QPoint(0, 0), gruppe.size()));
    FPlanGross->arrangeEnlarged(rand, positionen);
    // It always opens on the plan, wherever it was closed.
    FPlanGross->viewToggle()->setChecked(false);
    FPlan->setMagnifierVisible(false);
    gboGrafikGross->show();
    gboGrafikGross->raise();
    FPlanGross->closeButton()->setFocus();
    befehleAktualisieren();
}

void TfrmGrund::closeGrafikGross() {
    if (!isGrafikGrossOpen()) {
        return;
    }
    if (FBewegung->view() == FPlanGross) {
        FBewegung->cancel();
    }
    gboGrafikGross->hide();
    FVorgaben->bbnVorgLoesungen->setFocus();
    befehleAktualisieren();
}

// --- the plan image and free positioning ---

void TfrmGrund::onImgGrafikClick() {
    if (!FBewegung->click(*FPlan) && !FBewegung->isRunning()) {
        oeffneGrafikGross();
    }
}

void TfrmGrund::onTankPositioningToggled(bool down) {
    PlanImageView& bild = FPlan->image();
    if (down) {
        FImgOldHint2 = bild.toolTip();
        bild.setToolTip(kHintPositionieren);
    } else {
        bild.setToolTip(FImgOldHint2);
    }
}

void TfrmGrund::onPlanMouseDown(PlanView& plan, Qt::MouseButton button,
                                Qt::KeyboardModifiers modifiers) {
    const bool knopfUnten = FLoesung->spbTankPositioning->isChecked();
    if (button != Qt::LeftButton || FBewegung->isRunning() || !(knopfUnten || nurStrg(modifiers))) {
        return;
    }
    // Only a button that Ctrl pressed comes up again after the move; one the user pressed
    // stays down (with its hint).
    if (FBewegung->start(plan, !knopfUnten)) {
        FPlan->setMagnifierVisible(false);
    }
}

void TfrmGrund::onPlanMouseMove(PlanView& plan, QPoint position) {
    if (FBewegung->isRunning()) {
        if (FBewegung->view() == &plan) {
            FBewegung->step(position);
        }
        return;
    }
    if (&plan == FPlan) {
        FPlan->setMagnifierVisible(!FLoesung->spbTankPositioning->isChecked());
    }
}

}  // namespace velmora
