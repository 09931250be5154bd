#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "app/TDaten.h"
#include "printing/RecordingPrintTarget.h"
#include "printing/TAusdruck.h"
#include "support/ScriptedHost.h"

namespace velmora {
namespace {

using testing::clipOf;
using testing::RecordingPrintTarget;

// The demo catalogue beside the programs, searched for a 5000 l battery in a 3,5 x 4 m
// cellar; the printouts go to recording targets.
class TDatenDruck : public ::testing::Test {
protected:
    TDatenDruck() {
        daten.getAusdruck().setDruckvorschau([this] {
            auto ziel = std::make_unique<RecordingPrintTarget>();
            letztes = ziel.get();
            ++ziele;
            return ziel;
        });
    }

    void sucheUndWaehle() {
        daten.sucheLoesung({.TankPosition = "OL",
                            .RaumBreite = {"3,5"},
                            .RaumLaenge = {"4"},
                            .RaumHoehe = {"2,2"},
                            .SollVolumen = {"5000", 0},
                            .EinbringHoehe = {"1,9"},
                            .EinbringBreite = {"0,8"},
                            .ARefreshGraphic = false});
        ASSERT_NE(daten.getLoesungsListe(), nullptr);
        ASSERT_FALSE(daten.getLoesungsListe()->empty());
        daten.setProdukt(daten.getLoesungsListe()->front()->getArtikelNr(), false);
    }

    testing::ScriptedHost host;
    TDaten daten{std::getenv("VELMORA_BIN") ? std::getenv("VELMORA_BIN") : ".", false};
    RecordingPrintTarget* letztes = nullptr;
    int ziele = 0;
};

TEST_F(TDatenDruck, WithoutSolutionNothingIsAsked) {
    daten.druckeLoesung();
    daten.druckeDatanorm();
    EXPECT_TRUE(host.inputPrompts.empty());
    EXPECT_EQ(ziele, 0);
}

TEST_F(TDatenDruck, CancelledProjectNamePrintsNothing) {
    sucheUndWaehle();
    host.textAnswers = {std::nullopt};
    daten.druckeLoesung();
    EXPECT_EQ(
        host.inputPrompts,
        (std::vector<std::string>{
            "Projektnamen eingeben|Bitte geben Sie eine Projektbezeichnung ein.|Tankanlage"}));
    EXPECT_EQ(ziele, 0);
    EXPECT_EQ(daten.getAktuellerProjektName(), "Tankanlage");
}

TEST_F(TDatenDruck, EnteredNameIsPrintedAndOfferedNextTime) {
    sucheUndWaehle();
    host.textAnswers = {"Neubau Meier", ""};
    daten.druckeLoesung();
    ASSERT_EQ(ziele, 1);
    EXPECT_EQ(letztes->calls.front(), "begin Druck Velmora");
    EXPECT_EQ(letztes->calls.back(), "end");
    EXPECT_NE(clipOf(letztes->log(1), "Projekt: Neubau Meier"), "");
    EXPECT_EQ(daten.getAktuellerProjektName(), "Neubau Meier");

    // An empty name brings the default back; the DATANORM printout shows it.
    daten.druckeDatanorm();
    EXPECT_EQ(host.inputPrompts.back(),
              "Projektnamen eingeben|Bitte geben Sie eine Projektbezeichnung ein.|Neubau Meier");
    ASSERT_EQ(ziele, 2);
    EXPECT_EQ(letztes->calls.front(), "begin Datanorm-Druck Velmora");
    EXPECT_NE(clipOf(letztes->log(1), "Projekt: Tankanlage"), "");
    EXPECT_EQ(daten.getAusdruck().getDruckvorschau(), letztes);
}

}  // namespace
}  // namespace velmora
