#include "window/PositionButtonGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QToolButton>

namespace velmora {

namespace {

// The text on each button: the corner it stands for, as the user reads the plan.
QString cornerHint(const std::string& corner) {
    if (corner == "OL")
        return QStringLiteral("oben links");
    if (corner == "OR")
        return QStringLiteral("oben rechts");
    if (corner == "UL")
        return QStringLiteral("unten links");
    return QStringLiteral("unten rechts");
}

}  // namespace

const std::array<std::string, 4>& PositionButtonGroup::corners() {
    static const std::array<std::string, 4> codes{"OL", "OR", "UL", "UR"};
    return codes;
}

PositionButtonGroup::PositionButtonGroup(const QString& caption, const QString& objectNamePrefix,
                                         QWidget* parent)
    : QWidget(parent), group_(new QButtonGroup(this)) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(2);
    layout->setVerticalSpacing(2);
    auto* title = new QLabel(caption, this);
    title->setAlignment(Qt::AlignHCenter);
    layout->addWidget(title, 0, 0, 1, 2);
    group_->setExclusive(true);
    for (std::size_t index = 0; index < buttons_.size(); ++index) {
        const std::string& corner = corners()[index];
        auto* button = new QToolButton(this);
        button->setObjectName(objectNamePrefix + QString::fromStdString(corner));
        button->setCheckable(true);
        button->setText(QString::fromStdString(corner));
        button->setToolTip(caption + QStringLiteral(" ") + cornerHint(corner));
        button->setFixedSize(34, 22);
        QSizePolicy policy = button->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        button->setSizePolicy(policy);
        group_->addButton(button, static_cast<int>(index));
        layout->addWidget(button, 1 + static_cast<int>(index) / 2, static_cast<int>(index) % 2);
        buttons_[index] = button;
    }
    connect(group_, &QButtonGroup::idClicked, this,
            [this](int id) { emit cornerClicked(corners().at(static_cast<std::size_t>(id))); });
}

QToolButton* PositionButtonGroup::button(const std::string& corner) const {
    for (std::size_t index = 0; index < buttons_.size(); ++index) {
        if (corners()[index] == corner) {
            return buttons_[index];
        }
    }
    return nullptr;
}

std::string PositionButtonGroup::pressedVisible() const {
    const std::string corner = pressed();
    const QToolButton* pressedButton = button(corner);
    return pressedButton && !pressedButton->isHidden() ? corner : std::string();
}

std::string PositionButtonGroup::pressed() const {
    const int id = group_->checkedId();
    return id < 0 ? std::string() : corners().at(static_cast<std::size_t>(id));
}

void PositionButtonGroup::press(const std::string& corner) {
    if (QToolButton* target = button(corner)) {
        target->setChecked(true);
    }
}

void PositionButtonGroup::setCornerVisible(const std::string& corner, bool visible) {
    if (QToolButton* target = button(corner)) {
        target->setVisible(visible);
    }
}

void PositionButtonGroup::setAllVisible() {
    for (QToolButton* button : buttons_) {
        button->setVisible(true);
    }
}

void PositionButtonGroup::setButtonsEnabled(bool enabled) {
    for (QToolButton* button : buttons_) {
        button->setEnabled(enabled);
    }
}

bool PositionButtonGroup::buttonsEnabled() const {
    return buttons_[0]->isEnabled();
}

}  // namespace velmora
