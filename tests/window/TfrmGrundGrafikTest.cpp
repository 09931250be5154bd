#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>

#include <cstdlib>
#include <string>

#include "WindowFixture.h"
#include "app/TDaten.h"
#include "catalogue/TAufstellung.h"
#include "drawing/TGrafik.h"
#include "platform/qt/QtRasterImage.h"
#include "window/PlanFileDialogs.h"
#include "window/PlanImageView.h"

namespace velmora::testing {
namespace {

const std::string kWrongPlace = "Die Tankanlage kann an dieser Stelle nicht positioniert werden.";

// The default room of 3 x 4 m with the three-tank battery of 951100 in the top-left corner.
class PlanViewTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        click("bbnVorgLoesungen");
        select("951100");
        ASSERT_NE(aufstellung(), nullptr);
        plan = find<PlanImageView>("imgGrafik");
        positioning = find<QAbstractButton>("spbTankPositioning");
    }

    TAufstellung* aufstellung() {
        const TProdukt* produkt = window->daten().getAktuellesProdukt();
        return produkt ? produkt->getAktuelleAufstellVariante() : nullptr;
    }

    // The pixel of a room point on the main plan.
    QPoint pixel(double xMm, double yMm) {
        const TGrafik& grafik = *window->daten().Grafik();
        return {grafik.pixelX(xMm), grafik.pixelY(yMm)};
    }

    static void press(QWidget* image, QPoint at, Qt::KeyboardModifiers modifiers) {
        QTest::mousePress(image, Qt::LeftButton, modifiers, at);
    }
    static void release(QWidget* image, QPoint at) {
        QTest::mouseRelease(image, Qt::LeftButton, Qt::NoModifier, at);
    }
    static void clickAt(QWidget* image, QPoint at, Qt::KeyboardModifiers modifiers = {}) {
        press(image, at, modifiers);
        release(image, at);
    }
    // A pointer move without a button, also outside the image (the image holds the mouse).
    static void hover(QWidget* image, QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, image->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(image, &move);
    }

    // Pick-up on the battery, the click that completes it, and one pointer step.
    void pickUpAndMoveTo(QPoint to, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        const QPoint battery = pixel(1000, 3500);
        press(plan, battery, modifiers);
        release(plan, battery);
        hover(plan, to);
    }

    static int redPixels(const PlanImageView& image) { return pixelsOf(image, QColor(255, 0, 0)); }
    static int pixelsOf(const PlanImageView& image, QColor colour) {
        int count = 0;
        const QImage& pixels = image.image();
        for (int y = 0; y < pixels.height(); ++y) {
            for (int x = 0; x < pixels.width(); ++x) {
                count += pixels.pixelColor(x, y) == colour ? 1 : 0;
            }
        }
        return count;
    }

    static void savePicture(QWidget& widget, const char* name) {
        const QByteArray folder = qgetenv("VELMORA_WINDOW_PICTURES");
        if (!folder.isEmpty()) {
            QDir().mkpath(QString::fromLocal8Bit(folder));
            widget.grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/") +
                               QString::fromLatin1(name) + QStringLiteral(".png"));
        }
    }

    PlanImageView* plan = nullptr;
    QAbstractButton* positioning = nullptr;
};

TEST_F(PlanViewTest, CtrlMovePressesThePositioningButtonAndPutsDownOnAValidPlace) {
    const TPoints placed = aufstellung()->getTankPosition();
    ASSERT_FALSE(positioning->isChecked());
    pickUpAndMoveTo(pixel(1500, 2000));
    EXPECT_TRUE(positioning->isChecked());
    EXPECT_EQ(plan->toolTip().toStdString(), "Zum Positionieren bitte klicken.");
    EXPECT_EQ(redPixels(*plan), 0) << "a valid place is not hatched";
    EXPECT_NE(aufstellung()->TankPositionMoving(), placed);
    EXPECT_EQ(aufstellung()->getTankPosition(), placed) << "nothing committed while moving";

    clickAt(plan, pixel(1500, 2000));
    EXPECT_TRUE(host.errors.empty());
    EXPECT_NE(aufstellung()->getTankPosition(), placed);
    EXPECT_NE(aufstellung()->CurrentOffset(), (TPoint{0, 0}));
    EXPECT_FALSE(positioning->isChecked());
    EXPECT_EQ(plan->toolTip().toStdString(), "Zum Vergrößern bitte klicken.");
    EXPECT_FALSE(find<QGroupBox>("gboGrafikGross")->isVisible()) << "the put-down opens nothing";
}

TEST_F(PlanViewTest, InvalidPutDownReportsAndKeepsOutlinesAndOffset) {
    const TPoints tank = aufstellung()->getTankPosition();
    const TPoints gap = aufstellung()->getGapPosition();
    pickUpAndMoveTo(pixel(2900, 2000));
    EXPECT_GT(redPixels(*plan), 0) << "an invalid place is hatched red";
    // Leaving the image does not end the move: the battery follows over the rest of the
    // window, whose controls wait meanwhile.
    const TPoints inside = aufstellung()->TankPositionMoving();
    auto* loesungen = find<QAbstractButton>("bbnVorgLoesungen");
    hover(loesungen, QPoint(5, 5));
    EXPECT_NE(aufstellung()->TankPositionMoving(), inside);
    markRows();
    QTest::mouseClick(loesungen, Qt::LeftButton);
    EXPECT_FALSE(searchedSinceMark()) << "no search while carrying";

    // The message comes while the refused battery is still drawn where it was put down.
    int redBehindMessage = 0;
    host.whileShown = [&] { redBehindMessage = redPixels(*plan); };
    hover(plan, pixel(2900, 2000));
    clickAt(plan, pixel(2900, 2000));
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_EQ(host.errors.front(), kWrongPlace);
    EXPECT_GT(redBehindMessage, 0);
    EXPECT_EQ(aufstellung()->getTankPosition(), tank);
    EXPECT_EQ(aufstellung()->getGapPosition(), gap);
    EXPECT_EQ(aufstellung()->CurrentOffset(), (TPoint{0, 0}));
    EXPECT_EQ(redPixels(*plan), 0) << "redrawn at the placed position";
    EXPECT_FALSE(positioning->isChecked());
}

TEST_F(PlanViewTest, OnlyCtrlAloneOrTheDownButtonStartsAMove) {
    const QPoint battery = pixel(1000, 3500);
    for (const Qt::KeyboardModifiers modifiers :
         {Qt::KeyboardModifiers(Qt::ControlModifier | Qt::ShiftModifier),
          Qt::KeyboardModifiers(Qt::ControlModifier | Qt::AltModifier),
          Qt::KeyboardModifiers(Qt::ShiftModifier)}) {
        press(plan, battery, modifiers);
        EXPECT_FALSE(positioning->isChecked());
        release(plan, battery);
        // Without a move the click opens the enlarged view.
        EXPECT_TRUE(find<QGroupBox>("gboGrafikGross")->isVisible());
        find<QAbstractButton>("bbnGrafikGross")->click();
        EXPECT_FALSE(find<QGroupBox>("gboGrafikGross")->isVisible());
    }

    // With the button down a mouse-down picks the battery up, with or without Ctrl, and the
    // button stays down with its hint.
    positioning->click();
    EXPECT_EQ(plan->toolTip().toStdString(), "Zum Positionieren bitte klicken.");
    for (const Qt::KeyboardModifiers modifiers :
         {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ControlModifier)}) {
        pickUpAndMoveTo(pixel(1500, 2000), modifiers);
        clickAt(plan, pixel(1500, 2000));
        EXPECT_NE(aufstellung()->CurrentOffset(), (TPoint{0, 0}));
        EXPECT_TRUE(positioning->isChecked());
        EXPECT_EQ(plan->toolTip().toStdString(), "Zum Positionieren bitte klicken.");
    }
    positioning->click();
    EXPECT_EQ(plan->toolTip().toStdString(), "Zum Vergrößern bitte klicken.");
}

TEST_F(PlanViewTest, EscapeCancelsAMoveAndKeysWaitForItsEnd) {
    const TPoints placed = aufstellung()->getTankPosition();
    pickUpAndMoveTo(pixel(1500, 2000));
    key(Qt::Key_3);  // no new tank position
    EXPECT_TRUE(find<QAbstractButton>("spbDarstPositionOL")->isChecked());
    key(Qt::Key_Escape, Qt::NoModifier);
    EXPECT_FALSE(positioning->isChecked());
    EXPECT_EQ(aufstellung()->getTankPosition(), placed);
    EXPECT_TRUE(host.errors.empty());
    // The next click opens the enlarged view again.
    clickAt(plan, pixel(1500, 2000));
    EXPECT_TRUE(find<QGroupBox>("gboGrafikGross")->isVisible());
}

TEST_F(PlanViewTest, MagnifierShowsOverThePlanWhileThePositioningButtonIsUp) {
    auto* lupe = find<QLabel>("imgLupe");
    EXPECT_FALSE(lupe->isVisible());
    hover(plan, QPoint(20, 20));
    EXPECT_TRUE(lupe->isVisible());
    savePicture(*window, "9-magnifier");
    EXPECT_EQ(lupe->toolTip().toStdString(), "Zum Vergrößern bitte klicken.");
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(plan, &leave);
    EXPECT_FALSE(lupe->isVisible());

    positioning->click();
    hover(plan, QPoint(20, 20));
    EXPECT_FALSE(lupe->isVisible());
    positioning->click();

    hover(plan, QPoint(20, 20));
    QTest::mouseClick(lupe, Qt::LeftButton);
    EXPECT_TRUE(find<QGroupBox>("gboGrafikGross")->isVisible());
}

TEST_F(PlanViewTest, EnlargedViewCoversInputsAndSolutionAndClosesByDoubleClick) {
    clickAt(plan, QPoint(10, 10));
    auto* gross = find<QGroupBox>("gboGrafikGross");
    auto* bild = find<PlanImageView>("imgGrafikGross");
    auto* schliessen = find<QAbstractButton>("bbnGrafikGross");
    ASSERT_TRUE(gross->isVisible());
    EXPECT_TRUE(schliessen->hasFocus());
    const QRect vorgaben = find<QWidget>("gboVorgaben")->geometry();
    EXPECT_EQ(gross->geometry().topLeft(), vorgaben.topLeft());
    EXPECT_EQ(gross->width(), vorgaben.width());
    EXPECT_EQ(gross->geometry().bottom(), find<QWidget>("pnlLoesung")->geometry().bottom());
    EXPECT_EQ(schliessen->geometry(), QRect(gross->width() - 60, gross->height() - 45, 50, 35));
    const QRect darst = find<QWidget>("gboDarstGross")->geometry();
    EXPECT_EQ(darst.bottom(), gross->height() - 6);
    EXPECT_LE(std::abs(darst.left() - (schliessen->x() - darst.right() - 1)), 1) << "centred";
    EXPECT_EQ(bild->pos(), plan->pos());
    EXPECT_EQ(bild->width(), gross->width() - 2 * plan->x());
    EXPECT_EQ(bild->geometry().bottom() + 1 + 10, darst.top());
    EXPECT_EQ(bild->toolTip().toStdString(), "Zum Verkleinern bitte doppelklicken.");
    savePicture(*window, "5-enlarged");

    QTest::mouseClick(bild, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_TRUE(gross->isVisible()) << "a click in the enlarged view does nothing";
    QTest::mouseDClick(bild, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_FALSE(gross->isVisible());
    EXPECT_TRUE(find<QAbstractButton>("bbnVorgLoesungen")->hasFocus());

    // Number-block plus opens it again, number-block minus closes it.
    key(Qt::Key_Plus);
    EXPECT_TRUE(gross->isVisible());
    key(Qt::Key_Minus);
    EXPECT_FALSE(gross->isVisible());
}

TEST_F(PlanViewTest, EnlargedPositionButtonsActThroughTheMainOnesAndRedraw) {
    clickAt(plan, QPoint(10, 10));
    auto* bild = find<PlanImageView>("imgGrafikGross");
    const QImage vorher = bild->image().copy();
    EXPECT_TRUE(find<QAbstractButton>("spbDarstPositionGrossOL")->isChecked());
    EXPECT_FALSE(find<QAbstractButton>("spbDarstEckeGrossOL")->isEnabled());

    find<QAbstractButton>("spbDarstPositionGrossUR")->click();
    EXPECT_TRUE(find<QAbstractButton>("spbDarstPositionUR")->isChecked());
    EXPECT_TRUE(find<QAbstractButton>("spbDarstPositionGrossUR")->isChecked());
    EXPECT_EQ(window->daten().getTempData().TankPosition, "UR");
    EXPECT_NE(bild->image(), vorher) << "the enlarged plan is redrawn";
}

TEST_F(PlanViewTest, EnlargedViewSwitchesToTheSideViewAndBack) {
    // The side view's front tanks.
    const auto tankPixels = [](const PlanImageView& image) {
        return pixelsOf(image, QColor(240, 228, 176));
    };
    clickAt(plan, QPoint(10, 10));
    auto* bild = find<PlanImageView>("imgGrafikGross");
    auto* ansicht = find<QAbstractButton>("bbnSeitenansichtGross");
    EXPECT_EQ(ansicht->text().toStdString(), "Seitenansicht");
    EXPECT_FALSE(ansicht->geometry().intersects(find<QWidget>("gboDarstGross")->geometry()));
    EXPECT_FALSE(ansicht->geometry().intersects(find<QWidget>("bbnGrafikGross")->geometry()));
    // The plan's tank pictures hold a few such pixels at most.
    EXPECT_LT(tankPixels(*bild), 100);

    ansicht->click();
    EXPECT_EQ(ansicht->text().toStdString(), "Draufsicht");
    const int seitenansicht = tankPixels(*bild);
    EXPECT_GT(seitenansicht, 1000);
    savePicture(*window, "5-enlarged-side-view");
    // A new corner keeps the side view, which does not depend on it.
    find<QAbstractButton>("spbDarstPositionGrossUR")->click();
    EXPECT_EQ(tankPixels(*bild), seitenansicht);

    ansicht->click();
    EXPECT_EQ(ansicht->text().toStdString(), "Seitenansicht");
    EXPECT_LT(tankPixels(*bild), 100);

    // Closed in the side view, it opens again on the plan.
    ansicht->click();
    find<QAbstractButton>("bbnGrafikGross")->click();
    clickAt(plan, QPoint(10, 10));
    EXPECT_EQ(ansicht->text().toStdString(), "Seitenansicht");
    EXPECT_LT(tankPixels(*bild), 100);
}

// "Abbrechen" in the close question leaves everything as it was, a move in progress too.
TEST_F(PlanViewTest, CancellingTheCloseQuestionKeepsTheMoveRunning) {
    pickUpAndMoveTo(pixel(1500, 2000));
    ASSERT_TRUE(positioning->isChecked());
    EXPECT_FALSE(window->close());
    EXPECT_EQ(host.unsavedQuestions.size(), 1U);
    EXPECT_TRUE(positioning->isChecked());
    QTest::keyClick(find<QWidget>("bbnVorgLoesungen"), Qt::Key_Escape);
    EXPECT_FALSE(positioning->isChecked());
}

TEST_F(PlanViewTest, MoveOnTheEnlargedViewRedrawsBothViews) {
    const QImage hauptVorher = plan->image().copy();
    clickAt(plan, QPoint(10, 10));
    auto* bild = find<PlanImageView>("imgGrafikGross");
    // The enlarged view's mapping, from a surface of the same size.
    QtRasterImage abbild(bild->width(), bild->height());
    TGrafik abbildung(window->daten().getAppPath(), abbild.canvas(), bild->width(), bild->height(),
                      false, colors::white, colors::black);
    window->daten().erstelleGrafik(&abbildung, false, true);
    const auto gross = [&](double x, double y) {
        return QPoint(abbildung.pixelX(x), abbildung.pixelY(y));
    };

    press(bild, gross(1000, 3500), Qt::ControlModifier);
    release(bild, gross(1000, 3500));
    hover(bild, gross(2900, 2000));
    EXPECT_GT(redPixels(*bild), 0);
    savePicture(*window, "6-drag-invalid");
    hover(bild, gross(1500, 1500));
    EXPECT_EQ(redPixels(*bild), 0);
    savePicture(*window, "7-drag-valid");
    clickAt(bild, gross(1500, 1500));
    EXPECT_TRUE(host.errors.empty());
    EXPECT_TRUE(bild->isVisible()) << "the put-down click is no double-click";
    EXPECT_EQ(bild->toolTip().toStdString(), "Zum Verkleinern bitte doppelklicken.");

    EXPECT_NE(plan->image(), hauptVorher) << "the main plan shows the new place at once";
    find<QAbstractButton>("bbnGrafikGross")->click();
    savePicture(*window, "8-after-move");
}

// While the battery is carried, no other command acts: the keys of opening and saving a plan
// and of the help are no commands then, and no other core change can catch the move.
TEST_F(PlanViewTest, CommandsWaitWhileTheBatteryIsCarried) {
    int dialoge = 0;
    const auto zaehle = [&dialoge](QWidget*, const QString&) {
        ++dialoge;
        return QString();
    };
    window->setPlanFileDialogs(PlanFileDialogs{zaehle, zaehle, zaehle, zaehle});
    const TPoints placed = aufstellung()->getTankPosition();
    pickUpAndMoveTo(pixel(1500, 2000));

    for (const QKeySequence& taste :
         {QKeySequence(Qt::CTRL | Qt::Key_O), QKeySequence(Qt::CTRL | Qt::Key_S),
          QKeySequence(Qt::Key_F1), QKeySequence(Qt::CTRL | Qt::Key_P)}) {
        QTest::keySequence(window.get(), taste);
    }
    EXPECT_EQ(dialoge, 0);
    EXPECT_TRUE(host.inputPrompts.empty()) << "no printout asked for its project";
    EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("frmHilfe")), nullptr);
    for (const char* befehl : {"bbnPlanOeffnen", "bbnPlanSpeichern", "bbnDrucken",
                               "bbnVorgLoesungen", "bbnVarianteRight"}) {
        EXPECT_FALSE(find<QWidget>(befehl)->isEnabled()) << befehl;
    }

    // Escape ends the move where it started; the commands are back.
    QTest::keyClick(find<QWidget>("bbnVorgLoesungen"), Qt::Key_Escape);
    EXPECT_EQ(aufstellung()->getTankPosition(), placed);
    EXPECT_FALSE(positioning->isChecked());
    EXPECT_TRUE(find<QWidget>("bbnPlanOeffnen")->isEnabled());
    host.unsavedAnswers = {UnsavedAnswer::Discard};
    QTest::keySequence(window.get(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(host.unsavedQuestions.size(), 1U);
    EXPECT_EQ(dialoge, 1);
}

// A change of the core that reaches the window during a move ends the move: it never puts the
// old battery's outlines into another installation.
TEST_F(PlanViewTest, ACoreChangeEndsTheMove) {
    pickUpAndMoveTo(pixel(1500, 2000));
    find<QAbstractButton>("spbDarstPositionUR")->click();  // let through by no filter: scripted
    EXPECT_EQ(window->daten().getTempData().TankPosition, "UR");
    EXPECT_FALSE(positioning->isChecked()) << "the Ctrl move ended";
    clickAt(plan, pixel(1500, 2000));
    EXPECT_TRUE(host.errors.empty());
    EXPECT_EQ(aufstellung()->CurrentOffset(), (TPoint{0, 0})) << "nothing was put down";
}

// A drag is a click too: press on the battery, drag and release picks it up, and a put-down
// click that slips a few pixels puts it down.
TEST_F(PlanViewTest, DragAndSlipCountAsClicks) {
    const TPoints placed = aufstellung()->getTankPosition();
    const QPoint battery = pixel(1000, 3500);
    press(plan, battery, Qt::ControlModifier);
    hover(plan, battery + QPoint(30, 20));
    release(plan, battery + QPoint(30, 20));
    hover(plan, pixel(1500, 2000));
    EXPECT_NE(aufstellung()->TankPositionMoving(), placed) << "the battery follows the pointer";

    press(plan, pixel(1500, 2000), {});
    release(plan, pixel(1500, 2000) + QPoint(15, 0));
    EXPECT_TRUE(host.errors.empty());
    EXPECT_NE(aufstellung()->getTankPosition(), placed) << "put down despite the slip";
    EXPECT_FALSE(positioning->isChecked());
}

}  // namespace
}  // namespace velmora::testing
