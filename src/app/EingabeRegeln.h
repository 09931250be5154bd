#pragma once

#include <optional>
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
// litres) differs from the value of the last search in whole millimetres or litres (all 0
// before the first search). A corner field changes only while AndereEcke, the other corner
// field's text, holds a number other than 0.
bool weichtVonLetzterSucheAb(Eingabefeld Feld, const std::string& Eingabe,
                             const std::string& AndereEcke, const TTempData& LetzteSuche);

// After a search, a field of a pair (the corner cut-out's or the boiler room's width and
// length) takes the search's rewritten value neu only where the pair describes a thing: the
// field was not empty, and neither the other field nor neu is 0. None: the field keeps its
// text (an empty boiler field stays empty rather than showing 0,00).
std::optional<double> paarwertNachSuche(const std::string& Feld, const std::string& AnderesFeld,
                                        const std::string& Neu);

// A boiler-room measure (metres) as its field shows it once the boiler room is ticked: 1 m
// where the field is empty or 0, since a boiler room without size would not be searched;
// otherwise none, and the field keeps what the user typed.
std::optional<double> kesselmassBeimEinschalten(const std::string& Feld);

// The corner a group of position buttons presses when it becomes enabled: the first of "OL",
// "OR", "UR" that neither of the other two things occupies ("UL" is never a default).
std::string standardEcke(const std::string& Belegt1, const std::string& Belegt2);

}  // namespace velmora
