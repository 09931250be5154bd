#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/PlanAenderung.h"

namespace velmora::testing {
namespace {

PlanStand gezeigt() {
    PlanStand stand;
    stand.solutionShown = true;
    stand.plan.inputs.roomWidth = "3,50";
    stand.plan.tankPosition = "OL";
    stand.plan.selection =
        PlanSelection{"951100", PlanInstallation{"3+2", false, false, 0}, {}, {}};
    return stand;
}

// Each step the window records, named by what the user changed first.
TEST(PlanAenderungTest, NamesTheStepByTheFirstThingTheUserChanged) {
    struct Fall {
        const char* erwartet;
        std::function<void(PlanStand&)> aendere;
    };
    const Fall faelle[] = {
        {"Werte gelöscht", [](PlanStand& s) { s.solutionShown = false; }},
        {"Vorgaben geändert",
         [](PlanStand& s) {
             s.plan.inputs.roomWidth = "4,00";
             s.plan.selection->artNr = "951150";  // what the new search chose
         }},
        {"Vorgaben geändert", [](PlanStand& s) { s.plan.boilerRoom = true; }},
        {"Tankposition geändert",
         [](PlanStand& s) {
             s.plan.tankPosition = "UR";
             s.plan.selection->installation->horizontal = true;
         }},
        {"Kesselposition geändert", [](PlanStand& s) { s.plan.boilerPosition = "UL"; }},
        {"Lösung gewählt", [](PlanStand& s) { s.plan.selection->artNr = "951150"; }},
        // "Lösungen" again: the new search forgets the shown product.
        {"Lösungen gesucht", [](PlanStand& s) { s.plan.selection.reset(); }},
        {"Variante gewechselt",
         [](PlanStand& s) { s.plan.selection->installation->variant = "4+2"; }},
        {"Tankanlage gedreht",
         [](PlanStand& s) { s.plan.selection->installation->horizontal = true; }},
        // The other "3+2" of the catalogue: its second row stands crosswise.
        {"Variante gewechselt",
         [](PlanStand& s) { s.plan.selection->installation->secondRowCrosswise = true; }},
        {"Tankanlage verschoben",
         [](PlanStand& s) {
             s.plan.selection->offset = {100, 0};
         }},
        {"Zubehör gewählt", [](PlanStand& s) { s.plan.selection->tickedAccessories = {"85500"}; }},
    };
    for (const Fall& fall : faelle) {
        PlanStand nachher = gezeigt();
        fall.aendere(nachher);
        EXPECT_EQ(planAenderung(gezeigt(), nachher), fall.erwartet);
    }
    PlanStand leer;
    EXPECT_EQ(planAenderung(leer, gezeigt()), "Lösungen gesucht");
}

TEST(PlanAenderungTest, ListsEachNameOnceInOrder) {
    EXPECT_EQ(aenderungsListe({}), "");
    EXPECT_EQ(aenderungsListe({"Lösungen gesucht", "Tankanlage verschoben", "Lösungen gesucht",
                               "Tankanlage verschoben", "Zubehör gewählt"}),
              "Lösungen gesucht, Tankanlage verschoben, Zubehör gewählt");
}

}  // namespace
}  // namespace velmora::testing
