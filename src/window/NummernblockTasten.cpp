#include "window/NummernblockTasten.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace velmora {

namespace {

// The digit a number-block key stands for, whether NumLock is on or off.
int ziffer(int key) {
    switch (key) {
        case Qt::Key_Insert:
            return Qt::Key_0;
        case Qt::Key_End:
            return Qt::Key_1;
        case Qt::Key_Down:
            return Qt::Key_2;
        case Qt::Key_PageDown:
            return Qt::Key_3;
        case Qt::Key_Left:
            return Qt::Key_4;
        case Qt::Key_Clear:
            return Qt::Key_5;
        case Qt::Key_Right:
            return Qt::Key_6;
        case Qt::Key_Home:
            return Qt::Key_7;
        case Qt::Key_Up:
            return Qt::Key_8;
        case Qt::Key_PageUp:
            return Qt::Key_9;
        default:
            return key;
    }
}

constexpr Qt::KeyboardModifiers kBefehlsModifier =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

}  // namespace

NummernblockTasten::NummernblockTasten(QWidget& fenster) : QObject(&fenster), fenster_(fenster) {
    qApp->installEventFilter(this);
}

NummernblockTasten::~NummernblockTasten() {
    qApp->removeEventFilter(this);
}

void NummernblockTasten::binde(int taste, Qt::KeyboardModifiers modifiers, QAction* befehl) {
    befehle_[{taste, static_cast<int>(modifiers & kBefehlsModifier)}] = befehl;
}

void NummernblockTasten::aufDruck(QWidget* knopf) {
    aufDruck_.insert(knopf);
}

QAction* NummernblockTasten::befehl(const QKeyEvent& event) const {
    if (!event.modifiers().testFlag(Qt::KeypadModifier)) {
        return nullptr;
    }
    const auto gefunden = befehle_.find(
        {ziffer(event.key()), static_cast<int>(event.modifiers() & kBefehlsModifier)});
    return gefunden == befehle_.end() ? nullptr : gefunden->second;
}

bool NummernblockTasten::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
        type != QEvent::ShortcutOverride) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != &fenster_ ||
        qobject_cast<QLineEdit*>(widget) != nullptr ||
        qobject_cast<QComboBox*>(widget) != nullptr) {
        return false;
    }
    const auto& key = *static_cast<QKeyEvent*>(event);
    QAction* aktion = befehl(key);
    if (aktion == nullptr) {
        return false;
    }
    if (type == QEvent::ShortcutOverride) {
        // Ours, not a shortcut's or the focused control's (the list would move twice).
        event->accept();
        return true;
    }
    if (key.isAutoRepeat()) {
        return true;
    }
    const bool aufDruck = type == QEvent::KeyPress && aufDruck_.count(widget) != 0;
    if (aufDruck) {
        gedrueckt_.insert(key.key());
    } else if (type == QEvent::KeyRelease && gedrueckt_.erase(key.key()) != 0) {
        return true;
    }
    if ((aufDruck || type == QEvent::KeyRelease) && aktion->isEnabled()) {
        aktion->trigger();
    }
    return true;
}

}  // namespace velmora
