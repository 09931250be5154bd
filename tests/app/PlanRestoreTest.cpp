#include "app/PlanRestore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
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
    daten.sucheLoesung(suchAuftrag(plan, 2, true));
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

    PlanRestoreReport restore(const PlanFile& plan) { return restorePlan(daten, plan); }

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

    plan.selection->artNr = "7777";
    report = restore(plan);
    EXPECT_EQ(daten.getAktuellesProdukt(), nullptr);
    EXPECT_EQ(report.message(),
              "Den Artikel 7777 gibt es im Katalog nicht mehr; der Plan wurde ohne ihn geöffnet. "
              "Bitte wählen Sie eine der gefundenen Lösungen.");
    EXPECT_TRUE(host.errors.empty());
}

// A catalogue whose product 1001 has three variants named "3+2": its own straight and
// crosswise ones and its group's straight one, which only their kind of row and their order
// tell apart.
std::string gleichnamigeVarianten(CatalogueDirectory& catalogue) {
    catalogue.files["aufstellvarianten.dta"] =
        "<aufstellvarianten>"
        "<warengruppe typ=\"X\">"
        "<variante n=\"3+2\" p=\"1001\" gL=\"50\" gT=\"400\" gR=\"50\" gB=\"400\"/>"
        "<variante n=\"3+2\" p=\"1001\" zwReihWaag=\"true\" gL=\"50\" gT=\"400\"/>"
        "<variante n=\"3+2\" gL=\"300\" gT=\"100\" gR=\"300\" gB=\"100\"/>"
        "<variante n=\"4\" zwReihWaag=\"true\"/>"
        "</warengruppe>"
        "</aufstellvarianten>";
    return catalogue.write();
}

// Every installation of every solution of the plan's search, saved and opened again, comes
// back as itself: the same entry of the list, the same outline, the same plan. Returns how
// many installations shared their name with another of their product's.
int pruefeJedeAufstellung(const std::string& verzeichnis, PlanFile plan) {
    TDaten gespeichert(verzeichnis, false);
    suche(gespeichert, plan);
    TDaten geoeffnet(verzeichnis, false);
    int gleichnamige = 0;
    std::vector<std::string> produkte;
    if (const std::vector<TProdukt*>* loesungen = gespeichert.getLoesungsListe()) {
        for (const TProdukt* produkt : *loesungen) {
            produkte.push_back(produkt->getArtikelNr());
        }
    }
    EXPECT_FALSE(produkte.empty());
    for (const std::string& artNr : produkte) {
        gespeichert.setProdukt(artNr, false);
        const auto& liste = gespeichert.getAktuellesProdukt()->getMoeglicheAufstellVarianten();
        for (std::size_t index = 0; index < liste.size(); ++index) {
            gespeichert.aendereAufstellung(index, false);
            const TAufstellung& aufstellung = *liste[index];
            gleichnamige += std::count_if(liste.begin(), liste.end(), [&](const auto& andere) {
                                return andere->getVariante() != aufstellung.getVariante() &&
                                       andere->getVariante()->getVariante() ==
                                           aufstellung.getVariante()->getVariante();
                            }) > 0;
            plan.selection = currentPlanSelection(gespeichert);
            const PlanFileReadResult read = parsePlanFile(planFileJson(plan));
            EXPECT_TRUE(read.plan) << read.error;
            if (!read.plan) {
                continue;
            }
            const PlanRestoreReport report = restorePlan(geoeffnet, *read.plan);
            const std::string fall = artNr + " #" + std::to_string(index);
            EXPECT_EQ(report.message(), "") << fall;
            EXPECT_EQ(geoeffnet.getVarianteIndex(), index) << fall;
            EXPECT_EQ(currentPlanSelection(geoeffnet), plan.selection) << fall;
            EXPECT_EQ(
                geoeffnet.getAktuellesProdukt()->getAktuelleAufstellVariante()->getGapPosition(),
                aufstellung.getGapPosition())
                << fall;
        }
    }
    return gleichnamige;
}

TEST(PlanRestoreExact, EveryInstallationOfSameNamedVariantsComesBack) {
    ScriptedHost host;
    CatalogueDirectory catalogue;
    PlanFile plan = raumPlan();
    plan.inputs.volume = "5000";
    EXPECT_GE(pruefeJedeAufstellung(gleichnamigeVarianten(catalogue), plan), 3);
}

TEST(PlanRestoreExact, EveryInstallationOfTheDemoCatalogueComesBack) {
    const char* bin = std::getenv("VELMORA_BIN");
    if (bin == nullptr) {
        GTEST_SKIP() << "VELMORA_BIN names the directory of the demo catalogue";
    }
    ScriptedHost host;
    int gleichnamige = 0;
    for (const char* volumen : {"3000", "5000", "8000"}) {
        PlanFile plan;
        plan.inputs = {"8", "7", "2,5", volumen, "1,9", "0,8", "", "", "", ""};
        gleichnamige += pruefeJedeAufstellung(bin, plan);
    }
    EXPECT_GT(gleichnamige, 0) << "the demo catalogue has straight and crosswise variants";
}

// A plan of the first format named the installation by name and orientation alone: the first
// variant of that name is shown, and the report says so.
TEST(PlanRestoreExact, FirstFormatTakesTheFirstOfANameAndSaysSo) {
    ScriptedHost host;
    CatalogueDirectory catalogue;
    const std::string verzeichnis = gleichnamigeVarianten(catalogue);
    PlanFile plan = raumPlan();
    plan.inputs.volume = "5000";
    plan.selection = PlanSelection{"1001", PlanInstallation{"3+2", true, std::nullopt, 0}, {}, {}};
    TDaten daten(verzeichnis, false);
    const PlanRestoreReport report = restorePlan(daten, plan);
    EXPECT_EQ(report.message(),
              "Die Plandatei nennt die Aufstellung \"3+2\" nur mit ihrem Namen, den mehrere "
              "Aufstellungen tragen; gezeigt wird die erste. Speichern Sie den Plan neu, um die "
              "gewählte zu behalten.");
    EXPECT_EQ(currentPlanSelection(daten)->installation, (PlanInstallation{"3+2", true, false, 0}));
}

}  // namespace
}  // namespace velmora
