#include "window/CoreSession.h"

namespace velmora {

CoreSession::CoreSession(TDaten& daten, QObject* parent) : QObject(parent), daten_(daten) {}

void CoreSession::change(Changes what, const std::function<void()>& step) {
    emit aboutToChange();
    step();
    if (what.testFlag(Solutions)) {
        emit solutionsChanged();
    }
    if (what.testFlag(Solutions) || what.testFlag(Installation)) {
        emit installationChanged();
    }
    if (what) {
        emit planChanged();
    }
}

void CoreSession::setMoving(bool moving) {
    if (moving != moving_) {
        moving_ = moving;
        emit modeChanged();
    }
}

void CoreSession::setPrinting(bool printing) {
    if (printing != printing_) {
        printing_ = printing;
        emit modeChanged();
    }
}

void CoreSession::setPlanFile(const QString& path) {
    if (path != planFile_) {
        planFile_ = path;
        emit planFileChanged();
    }
}

}  // namespace velmora
