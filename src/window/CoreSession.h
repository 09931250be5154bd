#pragma once

#include <QObject>
#include <QString>

#include <functional>

namespace velmora {

class TDaten;

// The core as the window sees it: every command that changes the core runs through change(),
// which says what changed, and the views and panels listen instead of being redrawn by the
// commands. It also holds the shell's own state that commands depend on: a running move, a
// printout being recorded, the open plan file.
class CoreSession : public QObject {
    Q_OBJECT

public:
    // What a command changed.
    enum Change {
        Solutions = 1,     // a search or a reset: the solution list and the shown product
        Installation = 2,  // the shown product or its installation
        Placement = 4,     // where the battery stands (a free move put down)
        Accessories = 8,   // the ticks of the shown product's optional accessories
    };
    Q_DECLARE_FLAGS(Changes, Change)

    explicit CoreSession(TDaten& daten, QObject* parent = nullptr);

    TDaten& daten() { return daten_; }
    const TDaten& daten() const { return daten_; }

    // Runs a step that changes the core. A running move ends first (unless the step is the
    // move's own), then the listeners hear what changed.
    void change(Changes what, const std::function<void()>& step);

    bool isMoving() const { return moving_; }
    void setMoving(bool moving);
    bool isPrinting() const { return printing_; }
    void setPrinting(bool printing);
    // The plan file shown in the caption; empty when none is open.
    const QString& planFile() const { return planFile_; }
    void setPlanFile(const QString& path);

signals:
    // Before a change of the core: a running move must end, it would carry an old battery.
    void aboutToChange();
    void solutionsChanged();
    void installationChanged();
    // Any change that the plan shows (every change: a free position is one too).
    void planChanged();
    void planFileChanged();
    // Moving or printing started or ended: the commands' enabled states follow.
    void modeChanged();

private:
    TDaten& daten_;
    bool moving_ = false;
    bool printing_ = false;
    QString planFile_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(CoreSession::Changes)

}  // namespace velmora
