#include "catalogue/Suchvorgaben.h"

#include <array>
#include <utility>

namespace velmora {

namespace {

constexpr std::array<std::pair<Ecke, std::string_view>, 4> kKuerzel{
    {{Ecke::OL, "OL"}, {Ecke::UL, "UL"}, {Ecke::UR, "UR"}, {Ecke::OR, "OR"}}};

}  // namespace

Ecke eckeAusKuerzel(std::string_view Kuerzel) {
    for (const auto& [ecke, text] : kKuerzel) {
        if (text == Kuerzel) {
            return ecke;
        }
    }
    return Ecke::Keine;
}

std::string_view kuerzel(Ecke Position) {
    for (const auto& [ecke, text] : kKuerzel) {
        if (ecke == Position) {
            return text;
        }
    }
    return {};
}

bool nebeneinander(Ecke a, Ecke b) {
    return (a == Ecke::OL && b == Ecke::OR) || (a == Ecke::OR && b == Ecke::OL) ||
           (a == Ecke::UL && b == Ecke::UR) || (a == Ecke::UR && b == Ecke::UL);
}

bool untereinander(Ecke a, Ecke b) {
    return (a == Ecke::OL && b == Ecke::UL) || (a == Ecke::UL && b == Ecke::OL) ||
           (a == Ecke::OR && b == Ecke::UR) || (a == Ecke::UR && b == Ecke::OR);
}

bool diagonal(Ecke a, Ecke b) {
    return a != Ecke::Keine && b != Ecke::Keine && a != b && !nebeneinander(a, b) &&
           !untereinander(a, b);
}

int abstandHeizraum(bool Heizraum, bool SafeKessel, bool ZehnCm) {
    if (!Heizraum) {
        return 0;
    }
    if (!SafeKessel) {
        return 1000;
    }
    return ZehnCm ? 100 : 400;
}

}  // namespace velmora
