#pragma once

#include <string>

namespace velmora {

class TTempData;

// The input fields of the window whose change re-runs the search.
enum class Eingabefeld {
    RaumBreite,
    RaumLaenge,
    RaumHoehe,
    EckeBreite,
    EckeLaenge,
    SollVolumen,
    HeizraumBreite,
    HeizraumLaenge,
    EinbringHoehe,
    EinbringBreite,
};

// The change test on leaving an input: whether Eingabe (the field's text as typed, metres or
// litres) differs from the value of the last search in whole millimetres or litres (an empty
// stored value counts as 0). A corner field changes only while AndereEcke, the other corner
// field's text, holds a number other than 0.
bool weichtVonLetzterSucheAb(Eingabefeld Feld, const std::string& Eingabe,
                             const std::string& AndereEcke, const TTempData& LetzteSuche);

// The corner a group of position buttons presses when it becomes enabled: the first of "OL",
// "OR", "UR" that neither of the other two things occupies ("UL" is never a default).
std::string standardEcke(const std::string& Belegt1, const std::string& Belegt2);

}  // namespace velmora
