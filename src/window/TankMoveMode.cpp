#include "window/TankMoveMode.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "app/TDaten.h"
#include "app/TMoveTank.h"
#include "app/TankMove.h"
#include "base/Host.h"
#include "catalogue/TAufstellung.h"
#include "catalogue/TProdukt.h"
#include "drawing/TGrafik.h"
#include "window/CoreSession.h"
#include "window/PlanImageView.h"
#include "window/PlanView.h"

namespace velmora {

namespace {

const QString kHintPositionieren = QStringLiteral("Zum Positionieren bitte klicken.");

TAufstellung* currentInstallation(const TDaten& daten) {
    const TProdukt* produkt = daten.getAktuellesProdukt();
    return produkt ? produkt->getAktuelleAufstellVariante() : nullptr;
}

}  // namespace

TankMoveMode::TankMoveMode(CoreSession& session, QWidget& window, QObject* parent)
    : QObject(parent), session_(session), window_(window) {
    connect(&session_, &CoreSession::aboutToChange, this, [this] {
        if (isRunning() && !ending_) {
            cancel();
        }
    });
}

TankMoveMode::~TankMoveMode() {
    qApp->removeEventFilter(this);
}

bool TankMoveMode::start(PlanView& view, bool fromCtrl) {
    if (isRunning() || view.surface() == nullptr) {
        return false;
    }
    move_ = pickUpTank(session_.daten());
    if (!move_) {
        return false;
    }
    view_ = &view;
    installation_ = currentInstallation(session_.daten());
    pickUpPending_ = true;
    fromCtrl_ = fromCtrl;
    // The positioning button sets its own hint first; this one is restored before it.
    emit started(fromCtrl_);
    oldHint_ = view.image().toolTip();
    view.image().setToolTip(kHintPositionieren);
    view.image().setAlwaysClicks(true);
    qApp->installEventFilter(this);
    session_.setMoving(true);
    return true;
}

void TankMoveMode::step(QPoint position) {
    if (!isRunning() || pickUpPending_) {
        return;
    }
    TGrafik& grafik = *view_->surface();
    const bool valid =
        moveTankTo(session_.daten(), *move_, grafik.getPositionAtCoord(position.x(), position.y()));
    view_->draw(true, valid);
}

bool TankMoveMode::click(PlanView& view) {
    if (!isRunning() || &view != view_) {
        return false;
    }
    if (pickUpPending_) {
        pickUpPending_ = false;
        return true;
    }
    end(true);
    return true;
}

void TankMoveMode::cancel() {
    if (isRunning()) {
        end(false);
    }
}

void TankMoveMode::end(bool putDown) {
    qApp->removeEventFilter(this);
    const bool sameInstallation = installation_ == currentInstallation(session_.daten());
    if (putDown && !(sameInstallation && move_->isPositionValid())) {
        // Said while the refused battery is still drawn where the user tried to put it; the
        // plan goes back to the placed battery after the answer.
        host().showError("Die Tankanlage kann an dieser Stelle nicht positioniert werden.");
        putDown = false;
    }
    ending_ = true;
    session_.change(CoreSession::Placement, [&] {
        if (putDown) {
            putDownTank(session_.daten(), *move_);
        }
    });
    PlanView* view = view_;
    move_.reset();
    view_ = nullptr;
    installation_ = nullptr;
    view->image().setToolTip(oldHint_);
    view->image().setAlwaysClicks(false);
    ending_ = false;
    const bool fromCtrl = fromCtrl_;
    fromCtrl_ = false;
    session_.setMoving(false);
    emit ended(fromCtrl);
}

bool TankMoveMode::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!isRunning() || widget == nullptr || widget->window() != &window_ ||
        widget == &view_->image()) {
        return false;
    }
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            // Taken here, so that no shortcut of the window fires during the move.
            event->accept();
            return true;
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
                cancel();
            }
            return true;
        case QEvent::MouseMove:
            // The battery follows the pointer over the whole window.
            step(view_->image().mapFromGlobal(
                static_cast<QMouseEvent*>(event)->globalPosition().toPoint()));
            return true;
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            return true;
        default:
            return false;
    }
}

}  // namespace velmora
