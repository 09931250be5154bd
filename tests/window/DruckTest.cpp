#include <QApplication>
#include <QPointer>
#include <QTimer>

#include "WindowFixture.h"
#include "app/TDaten.h"
#include "printing/TAusdruck.h"
#include "printing/ui/Tfrm_prnpreview.h"

namespace velmora::testing {
namespace {

using DruckTest = WindowFixture;

Tfrm_prnpreview* vorschau(TDaten& daten) {
    return dynamic_cast<Tfrm_prnpreview*>(daten.getAusdruck().getDruckvorschau());
}

TEST_F(DruckTest, PrintButtonsShowTheShownSolutionInThePreview) {
    click("bbnVorgLoesungen");
    select("951100");
    host.textAnswers = {"Neubau Meier", std::nullopt};

    click("bbnDrucken");
    Tfrm_prnpreview* blatt = vorschau(window->daten());
    ASSERT_NE(blatt, nullptr);
    EXPECT_TRUE(blatt->isVisible());
    EXPECT_EQ(blatt->windowTitle().toStdString(), "Druck Velmora");
    EXPECT_EQ(blatt->document().pageCount(), 3);
    EXPECT_EQ(window->daten().getAktuellerProjektName(), "Neubau Meier");

    // Cancelling the project name leaves the preview as it is.
    click("bbnDatanormDrucken");
    EXPECT_EQ(vorschau(window->daten()), blatt);
    EXPECT_EQ(host.inputPrompts.size(), 2u);
}

// While a preview records its pages, the window paints on but waits: a second printout would
// throw away the preview being recorded, another product would pull the printed one away.
TEST_F(DruckTest, PrintCommandsWaitWhileAPrintoutIsRecorded) {
    click("bbnVorgLoesungen");
    select("951100");
    bool geprueft = false;
    QTimer::singleShot(0, window.get(), [this, &geprueft] {
        geprueft = true;
        Tfrm_prnpreview* inArbeit = vorschau(window->daten());
        EXPECT_FALSE(find<QWidget>("bbnDrucken")->isEnabled());
        EXPECT_FALSE(find<QWidget>("bbnDatanormDrucken")->isEnabled());
        EXPECT_FALSE(find<QWidget>("lviLoesungsanzeige")->isEnabled());
        click("bbnDatanormDrucken");
        QTest::keySequence(window.get(), QKeySequence(Qt::CTRL | Qt::Key_P));
        EXPECT_EQ(vorschau(window->daten()), inArbeit);
    });
    click("bbnDrucken");
    ASSERT_TRUE(geprueft) << "the preview pumps events while it records";
    EXPECT_EQ(host.inputPrompts.size(), 1u);
    EXPECT_EQ(vorschau(window->daten())->document().pageCount(), 3);
    EXPECT_TRUE(find<QWidget>("bbnDrucken")->isEnabled()) << "back after the recording";
}

// The preview belongs to the window: closing the window closes it, so the program ends.
TEST_F(DruckTest, ClosingTheWindowClosesThePreview) {
    click("bbnVorgLoesungen");
    select("951100");
    click("bbnDrucken");
    QPointer<Tfrm_prnpreview> blatt = vorschau(window->daten());
    ASSERT_TRUE(blatt && blatt->isVisible());

    host.unsavedAnswers = {UnsavedAnswer::Cancel};
    window->close();
    EXPECT_TRUE(blatt->isVisible()) << "Abbrechen keeps everything open";
    host.unsavedAnswers = {UnsavedAnswer::Discard};
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(blatt.isNull() || !blatt->isVisible());
    for (QWidget* fenster : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(fenster->isVisible()) << fenster->objectName().toStdString();
    }
}

}  // namespace
}  // namespace velmora::testing
