#pragma once

#include <QWidget>

#include <array>
#include <string>

class QToolButton;

namespace velmora {

class PositionChoice;

// The buttons of one position choice: a caption over four toggle buttons laid out as the
// room's corners, showing the choice's state and passing clicks to it. The buttons are named
// prefix + corner code ("spbDarstEckeOL"); a withdrawn corner's button is hidden and keeps
// its place.
class PositionButtonGroup : public QWidget {
    Q_OBJECT

public:
    PositionButtonGroup(const QString& caption, const QString& objectNamePrefix,
                        PositionChoice& choice, QWidget* parent = nullptr);

    // The button of a corner code; null for any other text.
    QToolButton* button(const std::string& corner) const;

private:
    void showChoice();

    PositionChoice& choice_;
    std::array<QToolButton*, 4> buttons_{};
};

}  // namespace velmora
