#pragma once

#include <QWidget>

#include <array>
#include <string>

class QAbstractButton;
class QButtonGroup;
class QToolButton;

namespace velmora {

// One of the plan's position choices (battery, corner cut-out, boiler): a caption over four
// toggle buttons laid out as the room's corners, at most one pressed. The buttons are named
// prefix + corner code ("spbDarstEckeOL"); a hidden button keeps its place.
class PositionButtonGroup : public QWidget {
    Q_OBJECT

public:
    // The corner codes in the order of corners(): top left, top right, bottom left, bottom right.
    static const std::array<std::string, 4>& corners();

    PositionButtonGroup(const QString& caption, const QString& objectNamePrefix,
                        QWidget* parent = nullptr);

    // The button of a corner code; null for any other text.
    QToolButton* button(const std::string& corner) const;
    // The corner of the pressed button that is visible; empty when there is none.
    std::string pressedVisible() const;
    // The corner of the pressed button, visible or not; empty when there is none.
    std::string pressed() const;
    // Presses the corner's button (no click signal); ignored for an unknown code.
    void press(const std::string& corner);
    // The corner's button shown or hidden; ignored for an unknown or empty code.
    void setCornerVisible(const std::string& corner, bool visible);
    void setAllVisible();
    void setButtonsEnabled(bool enabled);
    bool buttonsEnabled() const;

signals:
    // A user's click (or a scripted one) on the corner's button, pressed or not before.
    void cornerClicked(const std::string& corner);

private:
    QButtonGroup* group_;
    std::array<QToolButton*, 4> buttons_{};
};

}  // namespace velmora
