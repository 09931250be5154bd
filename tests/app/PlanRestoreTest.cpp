#include "app/PlanRestore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/CatalogueDirectory.h"
#include "app/TDaten.h"
#include "support/ScriptedHost.h"

namespace velmora {
namespace {

using testing::CatalogueDirectory;
using testing::ScriptedHost;

const std::string kGruppe = "Batterietanks |||mit Rest";

// A big room for group X of the test catalogue: product 1001 with its variants "3+2" and "4".
PlanFile raumPlan() {
    PlanFile plan;
    plan.inputs = {"10", "12", "2,2", "4000", "1,9", "0,8", "", "", "", ""};
    plan.productGroup = kGruppe;
    plan.tankPosition = "OL";
    return plan;
}

void suche(TDaten& daten, const PlanFile& plan) {
    SuchAuftrag auftrag = suchAuftrag(plan.inputs, 2);
    auftrag.Tankart = plan.productGroup;
    auftrag.TankPosition = plan.tankPosition;
    auftrag.EckePosition = plan.cornerPosition;
    auftrag.HeizraumPosition = plan.boilerPosition;
    auftrag.VorgHeizraum = plan.boilerRoom;
    auftrag.VorgKessel = plan.protectedBoiler;
    auftrag.VorgKessel10 = plan.tenCm;
    auftrag.ZurueckSetzen = false;
    auftrag.ARefreshGraphic = false;
    daten.sucheLoesung(auftrag);
}

class PlanRestore : public ::testing::Test {
protected:
    // The last installation of 1001, moved by (300, -200), the optional accessory ticked.
    PlanFile gespeichert() {
        TDaten daten(verzeichnis, false);
        PlanFile plan = raumPlan();
        suche(daten, plan);
        daten.setProdukt("1001", false);
        TProdukt& p = *daten.getAktuellesProdukt();
        daten.aendereAufstellung(p.getMoeglicheAufstellVarianten().size() - 1, false);
        TAufstellung& a = *p.getAktuelleAufstellVariante();
        placed = a.getTankPosition();
        a.setTankPositionFromMove(verschoben(a.getGapPosition(), {300, -200}),
                                  verschoben(a.getTankPosition(), {300, -200}), {300, -200}, false);
        for (std::size_t i = 0; i < p.getZubehoerOptionalListeCount(); ++i) {
            p.getZubehoerOptionalListe(i).setChecked(true);
        }
        plan.selection = currentPlanSelection(daten);
        return plan;
    }

    static TPoints verschoben(TPoints punkte, TPoint offset) {
        for (TPoint& p : punkte) {
            p.X += offset.X;
            p.Y += offset.Y;
        }
        return punkte;
    }

    PlanRestoreReport restore(const PlanFile& plan) {
        return restorePlan(daten, plan, [&] { suche(daten, plan); });
    }

    ScriptedHost host;
    CatalogueDirectory catalogue;
    std::string verzeichnis = catalogue.write();
    TDaten daten{verzeichnis, true};
    TPoints placed;
};

TEST_F(PlanRestore, SavedChoiceComesBackWhole) {
    const PlanFile plan = gespeichert();
    ASSERT_TRUE(plan.selection);
    EXPECT_EQ(plan.selection->offset, (TPoint{300, -200}));
    EXPECT_EQ(plan.selection->tickedAccessories, std::vector<std::string>{"9002"});

    const PlanRestoreReport report = restore(plan);
    EXPECT_EQ(report.message(), "");
    EXPECT_EQ(currentPlanSelection(daten), plan.selection);
    const TAufstellung& a = *daten.getAktuellesProdukt()->getAktuelleAufstellVariante();
    EXPECT_EQ(a.getTankPosition(), verschoben(placed, {300, -200}));
    // The window's setting stays: the search showed nothing while it ran.
    EXPECT_TRUE(daten.getTempData().getFehlermeldungenAnzeigen());
}

TEST_F(PlanRestore, WhatCannotComeBackIsNamedAndTheRestStays) {
    PlanFile plan = gespeichert();
    plan.selection->offset = {-100000, 0};
    plan.selection->tickedAccessories.push_back("7777");
    const PlanRestoreReport report = restore(plan);
    EXPECT_EQ(report.notes,
              (std::vector<std::string>{
                  "Die frei gewählte Position der Tankanlage passt nicht mehr in den Raum; die "
                  "Tankanlage steht in ihrer Ecke.",
                  "Das Zubehör 7777 ist für diese Aufstellung nicht mehr wählbar."}));
    const TAufstellung& a = *daten.getAktuellesProdukt()->getAktuelleAufstellVariante();
    EXPECT_EQ(a.getTankPosition(), placed);
    EXPECT_EQ(a.CurrentOffset(), TPoint{});
    EXPECT_EQ(currentPlanSelection(daten)->tickedAccessories, std::vector<std::string>{"9002"});
}

TEST_F(PlanRestore, GoneInstallationOrProductFallsBackWithOneMessage) {
    PlanFile plan = gespeichert();
    plan.selection->installation->variant = "9+9";
    PlanRestoreReport report = restore(plan);
    EXPECT_EQ(report.message(),
              "Die Aufstellung \"9+9\" gibt es nicht mehr; gezeigt wird eine andere.");
    EXPECT_EQ(daten.getAktuellesProdukt()->getAktuelleAufstellVariante(),
              daten.getAktuellesProdukt()->getMoeglicheAufstellVarianten().front().get());

    plan.selection->artNr = "2001";
    report = restore(plan);
    EXPECT_EQ(daten.getAktuellesProdukt(), nullptr);
    EXPECT_EQ(report.message(),
              "Das ausgewählte Produkt kann an dieser Position nicht platziert werden. Bitte "
              "wählen Sie ein anderes Produkt aus.");
    EXPECT_TRUE(host.errors.empty());
}

}  // namespace
}  // namespace velmora
