#include "platform/qt/MappedMark.h"

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

namespace velmora {

namespace {

class MappedMark : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            std::fputs("mapped\n", stdout);
            std::fflush(stdout);
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

}  // namespace

void markWhenMapped(QWidget& window) {
    if (std::getenv("VELMORA_MARK_MAPPED") == nullptr) {
        return;
    }
    window.winId();  // the native window exists from here on
    window.windowHandle()->installEventFilter(new MappedMark(window.windowHandle()));
}

}  // namespace velmora
