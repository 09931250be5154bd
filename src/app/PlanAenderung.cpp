#include "app/PlanAenderung.h"

#include <algorithm>

namespace velmora {

namespace {

bool gleicheVorgaben(const PlanFile& a, const PlanFile& b) {
    return a.inputs == b.inputs && a.productGroup == b.productGroup &&
           a.boilerRoom == b.boilerRoom && a.protectedBoiler == b.protectedBoiler &&
           a.tenCm == b.tenCm;
}

std::string auswahlAenderung(const PlanSelection& a, const PlanSelection& b) {
    if (a.artNr != b.artNr) {
        return "Lösung gewählt";
    }
    if (a.installation != b.installation) {
        const bool nurGedreht =
            a.installation && b.installation &&
            a.installation->variant == b.installation->variant &&
            a.installation->secondRowCrosswise == b.installation->secondRowCrosswise &&
            a.installation->occurrence == b.installation->occurrence;
        return nurGedreht ? "Tankanlage gedreht" : "Variante gewechselt";
    }
    if (a.offset != b.offset) {
        return "Tankanlage verschoben";
    }
    if (a.tickedAccessories != b.tickedAccessories) {
        return "Zubehör gewählt";
    }
    return {};
}

}  // namespace

std::string planAenderung(const PlanStand& vorher, const PlanStand& nachher) {
    if (vorher.solutionShown != nachher.solutionShown) {
        return nachher.solutionShown ? "Lösungen gesucht" : "Werte gelöscht";
    }
    const PlanFile& a = vorher.plan;
    const PlanFile& b = nachher.plan;
    if (!gleicheVorgaben(a, b)) {
        return "Vorgaben geändert";
    }
    const std::pair<std::string PlanFile::*, const char*> ecken[] = {
        {&PlanFile::tankPosition, "Tankposition geändert"},
        {&PlanFile::cornerPosition, "Eckenposition geändert"},
        {&PlanFile::boilerPosition, "Kesselposition geändert"}};
    for (const auto& [ecke, name] : ecken) {
        if (a.*ecke != b.*ecke) {
            return name;
        }
    }
    if (a.selection && b.selection) {
        if (std::string name = auswahlAenderung(*a.selection, *b.selection); !name.empty()) {
            return name;
        }
    } else if (a.selection != b.selection) {
        // Only a new search of the same inputs drops the shown product.
        return b.selection ? "Lösung gewählt" : "Lösungen gesucht";
    }
    return "Plan geändert";
}

std::string aenderungsListe(const std::vector<std::string>& namen) {
    std::vector<std::string> einmal;
    std::string liste;
    for (const std::string& name : namen) {
        if (std::find(einmal.begin(), einmal.end(), name) == einmal.end()) {
            einmal.push_back(name);
            liste += (liste.empty() ? "" : ", ") + name;
        }
    }
    return liste;
}

}  // namespace velmora
