#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <functional>
#include <optional>
#include <string>

#include "app/PlanAenderung.h"

namespace velmora {

class CoreSession;

// The window's undo history. After an event has changed the plan, the shown plan is compared
// with the last recorded one, and a difference becomes one step named after it; undo and redo
// bring the recorded plan back through the window. So no command needs an undo of its own.
class PlanVerlauf : public QObject {
    Q_OBJECT

public:
    using Lesen = std::function<PlanStand()>;
    using Herstellen = std::function<void(const PlanStand&)>;

    // lesen: the plan as shown now; herstellen: shows a recorded plan. A step that changed the
    // session's plan file (opening, a new plan) changes it back: undoing an opening names the
    // file shown before.
    PlanVerlauf(CoreSession& sitzung, Lesen lesen, Herstellen herstellen,
                QObject* parent = nullptr);
    ~PlanVerlauf() override;

    QUndoStack& stack() { return stack_; }
    // Records the shown plan once the current event has run to its end: a search rewrites
    // the inputs and shows its result after the core's change.
    void vormerken();
    // Records a pending change now (before undo, redo, saving and closing).
    void merkeJetzt();
    // Before the core changes: what changed without the core since the last step (inputs
    // typed on the start panel) becomes a step of its own, unless this event already
    // changed the core and is not over yet.
    void vorAenderung();
    // Runs schritt as one step named name: what was pending before becomes a step of its own,
    // and nothing schritt passes through on its way is recorded.
    void alsEinSchritt(std::string name, const std::function<void()>& schritt);
    // The shown plan is the one in the file.
    void setzeGespeichert();
    // The names of the steps between the saved plan and the shown one, each once.
    std::string ungespeicherteAenderungen() const;

signals:
    // A step was recorded, undone or redone, or the saved step changed.
    void verzeichnet();

private:
    friend class PlanSchritt;
    // datei: the plan file to name again, when the step changed it.
    void stelleHer(const PlanStand& stand, const std::optional<QString>& datei);

    CoreSession& sitzung_;
    Lesen lesen_;
    Herstellen herstellen_;
    QUndoStack stack_;
    PlanStand stand_;
    // The plan file of stand_.
    QString datei_;
    std::string naechsterName_;
    bool vorgemerkt_ = false;
    bool herstellend_ = false;
};

}  // namespace velmora
