// The plan view: the magnifier, the enlarged view with its own position buttons, and free
// positioning of the battery with the mouse.

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include <utility>

#include "app/TDaten.h"
#include "app/TankMove.h"
#include "base/Host.h"
#include "drawing/TGrafik.h"
#include "window/EventFilterFunction.h"
#include "window/PlanImageView.h"
#include "window/PositionButtonGroup.h"
#include "window/TfrmGrund.h"

namespace velmora {

namespace {

const QString kHintVergroessern = QStringLiteral("Zum Vergrößern bitte klicken.");
const QString kHintVerkleinern = QStringLiteral("Zum Verkleinern bitte doppelklicken.");
const QString kHintPositionieren = QStringLiteral("Zum Positionieren bitte klicken.");

constexpr int kLupeSize = 28;
// The enlarged view's close button and the margins the layout keeps around it.
constexpr int kSchliessenBreite = 50;
constexpr int kSchliessenHoehe = 35;
constexpr int kSchliessenRand = 10;
constexpr int kDarstellungRand = 5;

// A magnifying glass: a ring with a handle to the bottom right.
QPixmap lupenBild(qreal devicePixelRatio) {
    QPixmap bild(QSize(kLupeSize, kLupeSize) * devicePixelRatio);
    bild.setDevicePixelRatio(devicePixelRatio);
    bild.fill(Qt::transparent);
    QPainter painter(&bild);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 60, 90), 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(17.5, 17.5), QPointF(25, 25));
    painter.setPen(QPen(QColor(40, 60, 90), 2.5));
    painter.setBrush(QColor(220, 235, 250, 220));
    painter.drawEllipse(QPointF(11, 11), 8, 8);
    return bild;
}

bool nurStrg(Qt::KeyboardModifiers modifiers) {
    return modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::ShiftModifier) &&
           !modifiers.testFlag(Qt::AltModifier);
}

// Copies visibility, enabled state and the pressed button of one position group to its twin.
void kopiereKnoepfe(const PositionButtonGroup& von, PositionButtonGroup& nach) {
    for (const std::string& ecke : PositionButtonGroup::corners()) {
        const QToolButton* quelle = von.button(ecke);
        QToolButton* ziel = nach.button(ecke);
        ziel->setVisible(!quelle->isHidden());
        ziel->setEnabled(quelle->isEnabled());
    }
    if (!von.pressed().empty()) {
        nach.press(von.pressed());
    }
}

}  // namespace

void TfrmGrund::erstelleGrafikGross() {
    imgLupe = new QLabel(gboGrafik);
    imgLupe->setObjectName(QStringLiteral("imgLupe"));
    imgLupe->setPixmap(lupenBild(devicePixelRatioF()));
    imgLupe->setFixedSize(kLupeSize, kLupeSize);
    imgLupe->setToolTip(kHintVergroessern);
    imgLupe->setCursor(Qt::PointingHandCursor);
    imgLupe->setMouseTracking(true);
    imgLupe->hide();

    gboGrafikGross = new QGroupBox(QStringLiteral("Grafik: "), this);
    gboGrafikGross->setObjectName(QStringLiteral("gboGrafikGross"));
    gboGrafikGross->setAutoFillBackground(true);
    bbnGrafikGross = new QPushButton(gboGrafikGross);
    bbnGrafikGross->setObjectName(QStringLiteral("bbnGrafikGross"));
    bbnGrafikGross->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    bbnGrafikGross->setToolTip(QStringLiteral("Schließen"));
    bbnGrafikGross->setFixedSize(kSchliessenBreite, kSchliessenHoehe);
    gboDarstGross = new QGroupBox(QStringLiteral("Darstellung: "), gboGrafikGross);
    gboDarstGross->setObjectName(QStringLiteral("gboDarstGross"));
    auto* darstellung = new QHBoxLayout(gboDarstGross);
    darstellung->setContentsMargins(gboDarstellung->layout()->contentsMargins());
    spbDarstPositionGross = new PositionButtonGroup(
        QStringLiteral("Tankposition"), QStringLiteral("spbDarstPositionGross"), gboDarstGross);
    spbDarstEckeGross = new PositionButtonGroup(QStringLiteral("Eckenposition"),
                                                QStringLiteral("spbDarstEckeGross"), gboDarstGross);
    spbDarstHeizraumGross = new PositionButtonGroup(
        QStringLiteral("Kesselposition"), QStringLiteral("spbDarstHeizraumGross"), gboDarstGross);
    darstellung->addStretch(1);
    for (PositionButtonGroup* gruppe :
         {spbDarstPositionGross, spbDarstEckeGross, spbDarstHeizraumGross}) {
        darstellung->addWidget(gruppe);
        darstellung->addStretch(1);
        connect(gruppe, &PositionButtonGroup::cornerClicked, this,
                [this, gruppe](const std::string& ecke) { onGrafikGrossPosition(*gruppe, ecke); });
    }
    gboGrafikGross->hide();

    connect(spbTankPositioning, &QPushButton::toggled, this, &TfrmGrund::onTankPositioningToggled);
    connect(bbnGrafikGross, &QPushButton::clicked, this, &TfrmGrund::closeGrafikGross);
    verbindeBild(imgGrafik);
    connect(imgGrafik, &PlanImageView::clicked, this, &TfrmGrund::onImgGrafikClick);

    // The magnifier: shown while the pointer is over the plan, a click on it as on the plan.
    lupenBeobachter =
        std::make_unique<EventFilterFunction>([this](QObject* watched, QEvent* event) {
            if (event->type() == QEvent::Leave) {
                const QPoint zeiger = gboGrafik->mapFromGlobal(QCursor::pos());
                const QWidget* anderes = watched == imgGrafik ? static_cast<QWidget*>(imgLupe)
                                                              : static_cast<QWidget*>(imgGrafik);
                if (!anderes->isVisible() || !anderes->geometry().contains(zeiger)) {
                    imgLupe->hide();
                }
            } else if (watched == imgLupe && event->type() == QEvent::MouseButtonRelease &&
                       static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                onImgGrafikClick();
                return true;
            }
            return false;
        });
    imgGrafik->installEventFilter(lupenBeobachter.get());
    imgLupe->installEventFilter(lupenBeobachter.get());

    // While the battery is carried, the rest of the window waits: a command would change the
    // installation the move is about to put down. Escape cancels the move, and the battery
    // follows the pointer over the whole window.
    bewegungsFilter = std::make_unique<EventFilterFunction>([this](QObject* watched,
                                                                   QEvent* event) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr || widget->window() != this || widget == FMoveBild) {
            return false;
        }
        switch (event->type()) {
            case QEvent::KeyPress:
                if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
                    beendeTankBewegung(false);
                }
                return true;
            case QEvent::MouseMove:
                onImgMouseMove(FMoveBild,
                               FMoveBild->mapFromGlobal(
                                   static_cast<QMouseEvent*>(event)->globalPosition().toPoint()));
                return true;
            case QEvent::KeyRelease:
            case QEvent::ShortcutOverride:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::Wheel:
                return true;
            default:
                return false;
        }
    });
}

void TfrmGrund::verbindeBild(PlanImageView* bild) {
    connect(bild, &PlanImageView::mousePressed, this,
            [this, bild](Qt::MouseButton button, QPoint, Qt::KeyboardModifiers modifiers) {
                onImgMouseDown(bild, button, modifiers);
            });
    connect(
        bild, &PlanImageView::mouseMoved, this,
        [this, bild](QPoint position, Qt::KeyboardModifiers) { onImgMouseMove(bild, position); });
}

// --- the enlarged view ---

bool TfrmGrund::isGrafikGrossOpen() const {
    return GrafikGross != nullptr;
}

void TfrmGrund::oeffneGrafikGross() {
    kopiereKnoepfe(*spbDarstPosition, *spbDarstPositionGross);
    kopiereKnoepfe(*spbDarstEcke, *spbDarstEckeGross);
    kopiereKnoepfe(*spbDarstHeizraum, *spbDarstHeizraumGross);

    // Over the input and solution areas.
    const QRect vorgaben = gboVorgaben->geometry();
    const QRect gruppe(vorgaben.left(), vorgaben.top(), vorgaben.width(),
                       pnlLoesung->geometry().bottom() - vorgaben.top() + 1);
    gboGrafikGross->setGeometry(gruppe);
    bbnGrafikGross->move(gruppe.width() - kSchliessenRand - kSchliessenBreite,
                         gruppe.height() - kSchliessenRand - kSchliessenHoehe);
    const QSize darstellung = gboDarstellung->size();
    gboDarstGross->setGeometry((bbnGrafikGross->x() - darstellung.width()) / 2,
                               gruppe.height() - kDarstellungRand - darstellung.height(),
                               darstellung.width(), darstellung.height());
    const QPoint rand = imgGrafik->pos();
    const QSize bildGroesse(gruppe.width() - 2 * rand.x(),
                            gboDarstGross->y() - 2 * kDarstellungRand - rand.y());
    if (imgGrafikGross == nullptr || imgGrafikGross->size() != bildGroesse) {
        delete imgGrafikGross;
        imgGrafikGross =
            new PlanImageView(bildGroesse.width(), bildGroesse.height(), gboGrafikGross);
        imgGrafikGross->setObjectName(QStringLiteral("imgGrafikGross"));
        imgGrafikGross->setToolTip(kHintVerkleinern);
        verbindeBild(imgGrafikGross);
        connect(imgGrafikGross, &PlanImageView::clicked, this,
                [this] { bewegungsKlick(imgGrafikGross); });
        connect(imgGrafikGross, &PlanImageView::doubleClicked, this, &TfrmGrund::closeGrafikGross);
    }
    imgGrafikGross->move(rand);

    auto grafik = std::make_unique<TGrafik>(Daten->getAppPath(), imgGrafikGross->canvas(),
                                            imgGrafikGross->width(), imgGrafikGross->height(),
                                            false, colors::white, colors::black);
    Daten->erstelleGrafik(grafik.get(), false, true);
    GrafikGross = std::move(grafik);
    imgLupe->hide();
    gboGrafikGross->show();
    gboGrafikGross->raise();
    imgGrafikGross->update();
    bbnGrafikGross->setFocus();
}

void TfrmGrund::closeGrafikGross() {
    if (!isGrafikGrossOpen()) {
        return;
    }
    if (FMoveTank && FMoveBild == imgGrafikGross) {
        beendeTankBewegung(false);
    }
    gboGrafikGross->hide();
    GrafikGross.reset();
    Daten->erstelleGrafik(nullptr, false, true);
    zeigeGrafik();
    bbnVorgLoesungen->setFocus();
}

void TfrmGrund::zeichneGrafikGross() {
    if (isGrafikGrossOpen()) {
        Daten->erstelleGrafik(GrafikGross.get(), false, true);
        imgGrafikGross->update();
    }
}

void TfrmGrund::onGrafikGrossPosition(PositionButtonGroup& gruppe, const std::string& ecke) {
    kopiereKnoepfe(*spbDarstPositionGross, *spbDarstPosition);
    kopiereKnoepfe(*spbDarstEckeGross, *spbDarstEcke);
    kopiereKnoepfe(*spbDarstHeizraumGross, *spbDarstHeizraum);
    PositionButtonGroup& haupt = &gruppe == spbDarstPositionGross ? *spbDarstPosition
                                 : &gruppe == spbDarstEckeGross   ? *spbDarstEcke
                                                                  : *spbDarstHeizraum;
    haupt.button(ecke)->click();
    kopiereKnoepfe(*spbDarstPosition, *spbDarstPositionGross);
    kopiereKnoepfe(*spbDarstEcke, *spbDarstEckeGross);
    kopiereKnoepfe(*spbDarstHeizraum, *spbDarstHeizraumGross);
    zeichneGrafikGross();
}

// --- the plan image and free positioning ---

TGrafik* TfrmGrund::grafikVon(const PlanImageView* bild) const {
    return bild == imgGrafik ? Daten->Grafik() : GrafikGross.get();
}

void TfrmGrund::onImgGrafikClick() {
    if (!bewegungsKlick(imgGrafik)) {
        oeffneGrafikGross();
    }
}

void TfrmGrund::onTankPositioningToggled(bool down) {
    if (down) {
        FImgOldHint2 = imgGrafik->toolTip();
        imgGrafik->setToolTip(kHintPositionieren);
    } else {
        imgGrafik->setToolTip(FImgOldHint2);
    }
}

void TfrmGrund::onImgMouseDown(PlanImageView* bild, Qt::MouseButton button,
                               Qt::KeyboardModifiers modifiers) {
    const bool knopfUnten = spbTankPositioning->isChecked();
    if (button != Qt::LeftButton || FMoveTank || !(knopfUnten || nurStrg(modifiers))) {
        return;
    }
    FMoveTank = pickUpTank(*Daten);
    if (!FMoveTank) {
        return;
    }
    FMoveBild = bild;
    ignoreMoveTank = true;
    // Only a button that Ctrl pressed comes up again after the move; one the user pressed
    // stays down (with its hint).
    FMoveTankFromStrg = !knopfUnten;
    if (FMoveTankFromStrg) {
        spbTankPositioning->setChecked(true);
    }
    FImgOldHint = bild->toolTip();
    bild->setToolTip(kHintPositionieren);
    imgLupe->hide();
    qApp->installEventFilter(bewegungsFilter.get());
}

void TfrmGrund::onImgMouseMove(PlanImageView* bild, QPoint position) {
    if (!FMoveTank) {
        if (bild == imgGrafik) {
            if (!spbTankPositioning->isChecked()) {
                imgLupe->move(imgGrafik->geometry().bottomRight() -
                              QPoint(kLupeSize + 4, kLupeSize + 4));
                imgLupe->raise();
            }
            imgLupe->setVisible(!spbTankPositioning->isChecked());
        }
        return;
    }
    if (ignoreMoveTank || bild != FMoveBild) {
        return;
    }
    TGrafik* grafik = grafikVon(bild);
    const bool gueltig =
        moveTankTo(*Daten, *FMoveTank, grafik->getPositionAtCoord(position.x(), position.y()));
    Daten->erstelleGrafik(grafik, true, gueltig);
    bild->update();
}

bool TfrmGrund::bewegungsKlick(PlanImageView* bild) {
    if (!FMoveTank || bild != FMoveBild) {
        return false;
    }
    if (ignoreMoveTank) {
        ignoreMoveTank = false;
        return true;
    }
    beendeTankBewegung(true);
    return true;
}

void TfrmGrund::beendeTankBewegung(bool absetzen) {
    PlanImageView* bild = FMoveBild;
    qApp->removeEventFilter(bewegungsFilter.get());
    ignoreMoveTank = true;
    if (absetzen && !putDownTank(*Daten, *FMoveTank)) {
        host().showError("Die Tankanlage kann an dieser Stelle nicht positioniert werden.");
    }
    FMoveTank.reset();
    FMoveBild = nullptr;
    bild->setToolTip(FImgOldHint);
    Daten->erstelleGrafik(grafikVon(bild), false, true);
    bild->update();
    ignoreMoveTank = false;
    if (FMoveTankFromStrg) {
        spbTankPositioning->setChecked(false);
        FMoveTankFromStrg = false;
    }
}

}  // namespace velmora
