#include "window/PositionButtonGroup.h"

#include <QGridLayout>
#include <QLabel>
#include <QToolButton>

#include "window/PositionChoice.h"

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

PositionButtonGroup::PositionButtonGroup(const QString& caption, const QString& objectNamePrefix,
                                         PositionChoice& choice, QWidget* parent)
    : QWidget(parent), choice_(choice) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(2);
    layout->setVerticalSpacing(2);
    auto* title = new QLabel(caption, this);
    title->setAlignment(Qt::AlignHCenter);
    layout->addWidget(title, 0, 0, 1, 2);
    for (std::size_t index = 0; index < buttons_.size(); ++index) {
        const std::string& corner = PositionChoice::corners()[index];
        auto* button = new QToolButton(this);
        button->setObjectName(objectNamePrefix + QString::fromStdString(corner));
        button->setCheckable(true);
        button->setText(QString::fromStdString(corner));
        button->setToolTip(caption + QStringLiteral(" ") + cornerHint(corner));
        button->setFixedSize(34, 22);
        QSizePolicy policy = button->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        button->setSizePolicy(policy);
        layout->addWidget(button, 1 + static_cast<int>(index) / 2, static_cast<int>(index) % 2);
        buttons_[index] = button;
        // The choice decides what is pressed: a click on the pressed button keeps it pressed.
        connect(button, &QToolButton::clicked, this, [this, corner] {
            showChoice();
            choice_.click(corner);
        });
    }
    connect(&choice_, &PositionChoice::changed, this, &PositionButtonGroup::showChoice);
    showChoice();
}

QToolButton* PositionButtonGroup::button(const std::string& corner) const {
    for (std::size_t index = 0; index < buttons_.size(); ++index) {
        if (PositionChoice::corners()[index] == corner) {
            return buttons_[index];
        }
    }
    return nullptr;
}

void PositionButtonGroup::showChoice() {
    for (std::size_t index = 0; index < buttons_.size(); ++index) {
        const std::string& corner = PositionChoice::corners()[index];
        QToolButton* button = buttons_[index];
        button->setChecked(choice_.pressed() == corner);
        button->setVisible(choice_.isVisible(corner));
        button->setEnabled(choice_.isEnabled());
    }
}

}  // namespace velmora
