#include "window/PlanView.h"

#include <QCursor>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "app/TDaten.h"
#include "drawing/SideViewDrawing.h"
#include "drawing/TGrafik.h"
#include "window/CoreSession.h"
#include "window/PlanImageView.h"
#include "window/PositionButtonGroup.h"
#include "window/PositionChoice.h"

namespace velmora {

namespace {

// The enlarged view's close button and the margins around it and the positions.
constexpr int kCloseWidth = 50;
constexpr int kCloseHeight = 35;
constexpr int kCloseMargin = 10;
constexpr int kPositionsMargin = 5;
constexpr int kViewToggleWidth = 110;

constexpr int kMagnifierSize = 28;

// A magnifying glass: a ring with a handle to the bottom right.
QPixmap magnifierPicture(qreal devicePixelRatio) {
    QPixmap picture(QSize(kMagnifierSize, kMagnifierSize) * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 60, 90), 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(17.5, 17.5), QPointF(25, 25));
    painter.setPen(QPen(QColor(40, 60, 90), 2.5));
    painter.setBrush(QColor(220, 235, 250, 220));
    painter.drawEllipse(QPointF(11, 11), 8, 8);
    return picture;
}

const QString kHintEnlarge = QStringLiteral("Zum Vergrößern bitte klicken.");
const QString kHintShrink = QStringLiteral("Zum Verkleinern bitte doppelklicken.");

}  // namespace

PlanView::PlanView(Kind kind, PositionChoice& tank, PositionChoice& corner, PositionChoice& boiler,
                   QSize imageSize, QWidget* parent)
    : QWidget(parent), kind_(kind), tank_(tank), corner_(corner), boiler_(boiler) {
    if (kind == Kind::Main) {
        buildMain(imageSize);
    } else {
        buildEnlarged(imageSize);
    }
    connect(image_, &PlanImageView::mousePressed, this,
            [this](Qt::MouseButton button, QPoint, Qt::KeyboardModifiers modifiers) {
                emit mousePressed(button, modifiers);
            });
    connect(image_, &PlanImageView::mouseMoved, this,
            [this](QPoint position, Qt::KeyboardModifiers) { emit mouseMoved(position); });
    connect(image_, &PlanImageView::clicked, this, [this] { emit clicked(); });
    connect(image_, &PlanImageView::doubleClicked, this, [this] { emit doubleClicked(); });
}

PlanView::~PlanView() {
    image_->removeEventFilter(this);
    if (magnifier_ != nullptr) {
        magnifier_->removeEventFilter(this);
    }
}

QGroupBox* PlanView::buildPositions(const char* name, const char* prefix) {
    auto* group = new QGroupBox(QStringLiteral("Darstellung: "), this);
    group->setObjectName(QString::fromLatin1(name));
    auto* layout = new QHBoxLayout(group);
    layout->setContentsMargins(10, 2, 10, 6);
    layout->addStretch(1);
    const QString namePrefix = QString::fromLatin1(prefix);
    const std::pair<QString, PositionChoice*> choices[] = {
        {QStringLiteral("Tankposition"), &tank_},
        {QStringLiteral("Eckenposition"), &corner_},
        {QStringLiteral("Kesselposition"), &boiler_},
    };
    const QString kinds[] = {QStringLiteral("Position"), QStringLiteral("Ecke"),
                             QStringLiteral("Heizraum")};
    for (std::size_t index = 0; index < std::size(choices); ++index) {
        const auto& [caption, choice] = choices[index];
        const QString groupName = QStringLiteral("spbDarst") + kinds[index] + namePrefix;
        layout->addWidget(new PositionButtonGroup(caption, groupName, *choice, group));
        layout->addStretch(1);
    }
    return group;
}

void PlanView::buildMain(QSize imageSize) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    positions_ = buildPositions("gboDarstellung", "");
    layout->addWidget(positions_);

    auto* grafik = new QGroupBox(QStringLiteral("Grafik: "), this);
    grafik->setObjectName(QStringLiteral("gboGrafik"));
    auto* grafikLayout = new QVBoxLayout(grafik);
    grafikLayout->setContentsMargins(6, 4, 6, 6);
    image_ = new PlanImageView(imageSize.width(), imageSize.height(), grafik);
    image_->setObjectName(QStringLiteral("imgGrafik"));
    image_->setToolTip(kHintEnlarge);
    grafikLayout->addWidget(image_, 0, Qt::AlignCenter);
    layout->addWidget(grafik, 1);

    magnifier_ = new QLabel(grafik);
    magnifier_->setObjectName(QStringLiteral("imgLupe"));
    magnifier_->setPixmap(magnifierPicture(devicePixelRatioF()));
    magnifier_->setFixedSize(kMagnifierSize, kMagnifierSize);
    magnifier_->setToolTip(kHintEnlarge);
    magnifier_->setCursor(Qt::PointingHandCursor);
    magnifier_->setMouseTracking(true);
    magnifier_->hide();
    image_->installEventFilter(this);
    magnifier_->installEventFilter(this);
}

void PlanView::setMagnifierVisible(bool visible) {
    if (magnifier_ == nullptr) {
        return;
    }
    if (visible) {
        magnifier_->move(image_->geometry().bottomRight() -
                         QPoint(kMagnifierSize + 4, kMagnifierSize + 4));
        magnifier_->raise();
    }
    magnifier_->setVisible(visible);
}

bool PlanView::eventFilter(QObject* watched, QEvent* event) {
    // Leaving the plan for anything but the magnifier (and back) hides the magnifier.
    if (event->type() == QEvent::Leave) {
        const QWidget* other =
            watched == image_ ? static_cast<QWidget*>(magnifier_) : static_cast<QWidget*>(image_);
        const QPoint pointer = other->parentWidget()->mapFromGlobal(QCursor::pos());
        if (!other->isVisible() || !other->geometry().contains(pointer)) {
            magnifier_->hide();
        }
    } else if (watched == magnifier_ && event->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit clicked();
        return true;
    }
    return false;
}

void PlanView::buildEnlarged(QSize imageSize) {
    image_ = new PlanImageView(imageSize.width(), imageSize.height(), this);
    image_->setObjectName(QStringLiteral("imgGrafikGross"));
    image_->setToolTip(kHintShrink);
    positions_ = buildPositions("gboDarstGross", "Gross");
    closeButton_ = new QPushButton(this);
    closeButton_->setObjectName(QStringLiteral("bbnGrafikGross"));
    closeButton_->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    closeButton_->setToolTip(QStringLiteral("Schließen"));
    closeButton_->setFixedSize(kCloseWidth, kCloseHeight);
    viewToggle_ = new QPushButton(QStringLiteral("Seitenansicht"), this);
    viewToggle_->setObjectName(QStringLiteral("bbnSeitenansichtGross"));
    viewToggle_->setCheckable(true);
    viewToggle_->setToolTip(QStringLiteral("Zwischen Draufsicht und Seitenansicht wechseln"));
    viewToggle_->setFixedSize(kViewToggleWidth, kCloseHeight);
    connect(viewToggle_, &QPushButton::toggled, this, [this](bool side) {
        viewToggle_->setText(side ? QStringLiteral("Draufsicht") : QStringLiteral("Seitenansicht"));
        draw();
    });
}

QSize PlanView::enlargedImageSize(QSize size, QPoint imageOffset, QSize positionsSize) {
    const int positionsTop = size.height() - kPositionsMargin - positionsSize.height();
    return {size.width() - 2 * imageOffset.x(),
            positionsTop - 2 * kPositionsMargin - imageOffset.y()};
}

void PlanView::arrangeEnlarged(QPoint imageOffset, QSize positionsSize) {
    closeButton_->move(width() - kCloseMargin - kCloseWidth,
                       height() - kCloseMargin - kCloseHeight);
    viewToggle_->move(closeButton_->x() - kCloseMargin - kViewToggleWidth, closeButton_->y());
    positions_->setGeometry((closeButton_->x() - positionsSize.width()) / 2,
                            height() - kPositionsMargin - positionsSize.height(),
                            positionsSize.width(), positionsSize.height());
    image_->move(imageOffset);
}

void PlanView::attach(CoreSession& session, const std::string& appPath) {
    session_ = &session;
    if (kind_ == Kind::Main) {
        surface_ = session.daten().Grafik();
    } else {
        ownSurface_ =
            std::make_unique<TGrafik>(appPath, image_->canvas(), image_->width(), image_->height(),
                                      false, colors::white, colors::black);
        surface_ = ownSurface_.get();
    }
    // A hidden enlarged view is drawn when it is shown.
    connect(&session, &CoreSession::planChanged, this, [this] {
        if (kind_ == Kind::Main || isVisible()) {
            draw();
        }
    });
}

void PlanView::draw(bool moving, bool valid) {
    if (session_ == nullptr) {
        return;
    }
    // A move needs the plan to be seen and hit.
    if (showsSideView() && !moving) {
        TDaten& daten = session_->daten();
        drawSideView(image_->canvas(), image_->width(), image_->height(), daten.getTempData(),
                     daten.getAktuellesProdukt(), false);
    } else {
        session_->daten().erstelleGrafik(surface_, moving, valid);
    }
    image_->update();
}

bool PlanView::showsSideView() const {
    return viewToggle_ != nullptr && viewToggle_->isChecked();
}

void PlanView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (kind_ == Kind::Enlarged) {
        draw();
    }
}

}  // namespace velmora
