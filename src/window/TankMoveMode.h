#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

#include <memory>

class QEvent;
class QWidget;

namespace velmora {

class CoreSession;
class PlanView;
class TAufstellung;
class TMoveTank;

// A free move of the battery as a mode of the window: pick-up (mouse-down), the click that
// completes it, pointer steps, and the put-down click. While it runs, the rest of the window
// waits (no other control takes keys or clicks, no shortcut fires); Escape, closing its view
// or any change of the core ends it without putting the battery down.
class TankMoveMode : public QObject {
    Q_OBJECT

public:
    // window: the window whose other controls wait during a move.
    TankMoveMode(CoreSession& session, QWidget& window, QObject* parent = nullptr);
    ~TankMoveMode() override;

    bool isRunning() const { return move_ != nullptr; }
    PlanView* view() const { return view_; }

    // Picks the battery up on view; false when a move runs or nothing can be carried.
    bool start(PlanView& view, bool fromCtrl);
    // The pointer over the view, in its pixels.
    void step(QPoint position);
    // A click on view: the first completes the pick-up, the next puts the battery down (or
    // says why it cannot stand there). False when no move runs on view.
    bool click(PlanView& view);
    // Ends the move; the battery stays where it was before the pick-up.
    void cancel();

signals:
    // A move started or ended; fromCtrl: it was started with Ctrl, not the positioning button.
    void started(bool fromCtrl);
    void ended(bool fromCtrl);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void end(bool putDown);

    CoreSession& session_;
    QWidget& window_;
    std::unique_ptr<TMoveTank> move_;
    PlanView* view_ = nullptr;
    // The installation picked up; a put-down never lands in another one.
    TAufstellung* installation_ = nullptr;
    bool pickUpPending_ = false;
    bool fromCtrl_ = false;
    bool ending_ = false;
    QString oldHint_;
};

}  // namespace velmora
