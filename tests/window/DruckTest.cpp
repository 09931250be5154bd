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
    EXPECT_EQ(blatt->document().pageCount(), 2);
    EXPECT_EQ(window->daten().getAktuellerProjektName(), "Neubau Meier");

    // Cancelling the project name leaves the preview as it is.
    click("bbnDatanormDrucken");
    EXPECT_EQ(vorschau(window->daten()), blatt);
    EXPECT_EQ(host.inputPrompts.size(), 2u);
}

}  // namespace
}  // namespace velmora::testing
