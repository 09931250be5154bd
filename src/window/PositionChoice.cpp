#include "window/PositionChoice.h"

namespace velmora {

const std::array<std::string, 4>& PositionChoice::corners() {
    static const std::array<std::string, 4> codes{"OL", "OR", "UL", "UR"};
    return codes;
}

PositionChoice::PositionChoice(QObject* parent) : QObject(parent) {}

int PositionChoice::indexOf(const std::string& corner) {
    for (std::size_t index = 0; index < corners().size(); ++index) {
        if (corners()[index] == corner) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

std::string PositionChoice::pressedVisible() const {
    return isVisible(pressed_) ? pressed_ : std::string();
}

bool PositionChoice::isVisible(const std::string& corner) const {
    const int index = indexOf(corner);
    return index >= 0 && visible_[static_cast<std::size_t>(index)];
}

void PositionChoice::press(const std::string& corner) {
    if (indexOf(corner) >= 0 && corner != pressed_) {
        pressed_ = corner;
        emit changed();
    }
}

void PositionChoice::setCornerVisible(const std::string& corner, bool visible) {
    const int index = indexOf(corner);
    if (index >= 0 && visible_[static_cast<std::size_t>(index)] != visible) {
        visible_[static_cast<std::size_t>(index)] = visible;
        emit changed();
    }
}

void PositionChoice::setAllVisible() {
    if (visible_ != std::array<bool, 4>{true, true, true, true}) {
        visible_.fill(true);
        emit changed();
    }
}

void PositionChoice::setEnabled(bool enabled) {
    if (enabled != enabled_) {
        enabled_ = enabled;
        emit changed();
    }
}

void PositionChoice::click(const std::string& corner) {
    if (indexOf(corner) < 0) {
        return;
    }
    press(corner);
    emit clicked(corner);
}

}  // namespace velmora
