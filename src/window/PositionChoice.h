#pragma once

#include <QObject>

#include <array>
#include <string>

namespace velmora {

// One position choice of the plan (battery, corner cut-out or boiler): which room corner is
// pressed, which corners are offered and whether the choice is open at all. The main and the
// enlarged view show the same choice through their own buttons, so they cannot disagree.
class PositionChoice : public QObject {
    Q_OBJECT

public:
    // The corner codes: top left, top right, bottom left, bottom right.
    static const std::array<std::string, 4>& corners();

    explicit PositionChoice(QObject* parent = nullptr);

    // The pressed corner, offered or not; empty when none is pressed.
    std::string pressed() const { return pressed_; }
    // The pressed corner when it is offered; empty otherwise.
    std::string pressedVisible() const;
    bool isVisible(const std::string& corner) const;
    bool isEnabled() const { return enabled_; }

    // Presses the corner (no click); ignored for an unknown or empty code.
    void press(const std::string& corner);
    // Offers or withdraws a corner; ignored for an unknown or empty code.
    void setCornerVisible(const std::string& corner, bool visible);
    void setAllVisible();
    void setEnabled(bool enabled);

    // The user's choice of a corner, from any view: presses it, then reports the click.
    void click(const std::string& corner);

signals:
    void changed();
    void clicked(const std::string& corner);

private:
    static int indexOf(const std::string& corner);

    std::string pressed_;
    std::array<bool, 4> visible_{true, true, true, true};
    bool enabled_ = true;
};

}  // namespace velmora
