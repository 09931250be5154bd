#include "window/PlanVerlauf.h"

#include <QTimer>
#include <QUndoCommand>

#include <algorithm>
#include <optional>
#include <vector>

#include "window/CoreSession.h"

namespace velmora {

// One recorded step: the plan before and after it. Pushing it does not redo it, the window
// shows the result already.
class PlanSchritt : public QUndoCommand {
public:
    struct Seite {
        PlanStand stand;
        QString datei;
    };

    PlanSchritt(PlanVerlauf& verlauf, Seite vorher, Seite nachher, const std::string& name)
        : QUndoCommand(QString::fromStdString(name)),
          verlauf_(verlauf),
          vorher_(std::move(vorher)),
          nachher_(std::move(nachher)) {}

    void undo() override { verlauf_.stelleHer(vorher_.stand, datei(vorher_)); }
    void redo() override {
        if (gepusht_) {
            verlauf_.stelleHer(nachher_.stand, datei(nachher_));
        }
        gepusht_ = true;
    }

private:
    // Only a step that changed the file (opening, a new plan) brings a file back: the file a
    // plan was saved into stays with it through the steps made before the saving.
    std::optional<QString> datei(const Seite& seite) const {
        return vorher_.datei != nachher_.datei ? std::optional(seite.datei) : std::nullopt;
    }

    PlanVerlauf& verlauf_;
    Seite vorher_;
    Seite nachher_;
    bool gepusht_ = false;
};

namespace {

// Steps kept; a step holds two small plans.
constexpr int kSchritte = 200;

}  // namespace

PlanVerlauf::PlanVerlauf(CoreSession& sitzung, Lesen lesen, Herstellen herstellen, QObject* parent)
    : QObject(parent),
      sitzung_(sitzung),
      lesen_(std::move(lesen)),
      herstellen_(std::move(herstellen)) {
    stack_.setUndoLimit(kSchritte);
    stand_ = lesen_();
    datei_ = sitzung_.planFile();
    // Undo and redo move the index only after the step has restored its plan; what depends on
    // the index (the caption's mark) hears of it then.
    connect(&stack_, &QUndoStack::indexChanged, this, &PlanVerlauf::verzeichnet);
    connect(&stack_, &QUndoStack::cleanChanged, this, &PlanVerlauf::verzeichnet);
}

PlanVerlauf::~PlanVerlauf() {
    // The stack clears itself as it goes, while the window it would report to is half gone.
    stack_.disconnect(this);
}

void PlanVerlauf::vormerken() {
    if (herstellend_ || vorgemerkt_) {
        return;
    }
    vorgemerkt_ = true;
    QTimer::singleShot(0, this, &PlanVerlauf::merkeJetzt);
}

void PlanVerlauf::vorAenderung() {
    if (!herstellend_ && !vorgemerkt_) {
        merkeJetzt();
    }
}

void PlanVerlauf::merkeJetzt() {
    vorgemerkt_ = false;
    PlanStand neu = lesen_();
    if (neu == stand_) {
        return;
    }
    const std::string name =
        naechsterName_.empty() ? planAenderung(stand_, neu) : std::move(naechsterName_);
    naechsterName_.clear();
    PlanSchritt::Seite vorher{std::exchange(stand_, std::move(neu)),
                              std::exchange(datei_, sitzung_.planFile())};
    stack_.push(new PlanSchritt(*this, std::move(vorher), {stand_, datei_}, name));
    emit verzeichnet();
}

void PlanVerlauf::alsEinSchritt(std::string name, const std::function<void()>& schritt) {
    merkeJetzt();
    herstellend_ = true;
    schritt();
    herstellend_ = false;
    vorgemerkt_ = false;
    naechsterName_ = std::move(name);
    merkeJetzt();
    naechsterName_.clear();
}

void PlanVerlauf::setzeGespeichert() {
    merkeJetzt();
    datei_ = sitzung_.planFile();
    stack_.setClean();
}

std::string PlanVerlauf::ungespeicherteAenderungen() const {
    const int index = stack_.index();
    // Without a reachable saved state every step counts.
    const int gespeichert = stack_.cleanIndex() < 0 ? 0 : stack_.cleanIndex();
    std::vector<std::string> namen;
    for (int schritt = std::min(index, gespeichert); schritt < std::max(index, gespeichert);
         ++schritt) {
        namen.push_back(stack_.text(schritt).toStdString());
    }
    return aenderungsListe(namen);
}

void PlanVerlauf::stelleHer(const PlanStand& stand, const std::optional<QString>& datei) {
    herstellend_ = true;
    herstellen_(stand);
    if (datei) {
        sitzung_.setPlanFile(*datei);
    }
    datei_ = sitzung_.planFile();
    herstellend_ = false;
    vorgemerkt_ = false;
    naechsterName_.clear();
    // What the window shows now, which a later step starts from.
    stand_ = lesen_();
    emit verzeichnet();
}

}  // namespace velmora
