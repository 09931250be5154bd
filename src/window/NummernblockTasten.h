#pragma once

#include <QObject>

#include <map>
#include <set>
#include <utility>

class QAction;
class QKeyEvent;
class QWidget;

namespace velmora {

// The number-block keys of a window's commands. A key sequence with the keypad modifier never
// matches under X11 (the shortcut map drops the modifier the window system reports), so the
// keys are taken here, with NumLock on (digits, "+", "−") and off (the cursor keys the block
// sends then), and act once per press, on its release, as a held key would otherwise repeat
// the command (on a few buttons as the key goes down). Input fields and the type list keep the
// keys: they are typed there.
class NummernblockTasten : public QObject {
    Q_OBJECT

public:
    explicit NummernblockTasten(QWidget& fenster);
    ~NummernblockTasten() override;

    // taste: Qt::Key_0 … Qt::Key_9, Qt::Key_Plus or Qt::Key_Minus; modifiers without the
    // keypad modifier.
    void binde(int taste, Qt::KeyboardModifiers modifiers, QAction* befehl);
    // While knopf has the focus, the keys act when they go down instead.
    void aufDruck(QWidget* knopf);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The command of a number-block key event; null for any other key.
    QAction* befehl(const QKeyEvent& event) const;

    QWidget& fenster_;
    std::map<std::pair<int, int>, QAction*> befehle_;
    std::set<const QWidget*> aufDruck_;
    // Keys that acted when they went down: their release does nothing.
    std::set<int> gedrueckt_;
};

}  // namespace velmora
