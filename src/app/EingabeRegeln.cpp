#include "app/EingabeRegeln.h"

#include "base/LenientNumber.h"
#include "base/Rounding.h"
#include "catalogue/TTempData.h"

namespace velmora {

namespace {

struct Vergleich {
    int gespeichert;
    double skala;
};

Vergleich vergleichFuer(Eingabefeld Feld, const Suchvorgaben& LetzteSuche) {
    constexpr double kMeterInMm = 1000.0;
    switch (Feld) {
        case Eingabefeld::RaumBreite:
            return {LetzteSuche.RaumBreite, kMeterInMm};
        case Eingabefeld::RaumLaenge:
            return {LetzteSuche.RaumLaenge, kMeterInMm};
        case Eingabefeld::RaumHoehe:
            return {LetzteSuche.RaumHoehe, kMeterInMm};
        case Eingabefeld::EckeBreite:
            return {LetzteSuche.EckeBreite, kMeterInMm};
        case Eingabefeld::EckeLaenge:
            return {LetzteSuche.EckeLaenge, kMeterInMm};
        case Eingabefeld::SollVolumen:
            return {LetzteSuche.SollVolumen, 1.0};
        case Eingabefeld::HeizraumBreite:
            return {LetzteSuche.HeizraumBreite, kMeterInMm};
        case Eingabefeld::HeizraumLaenge:
            return {LetzteSuche.HeizraumLaenge, kMeterInMm};
        case Eingabefeld::EinbringHoehe:
            return {LetzteSuche.EinbringHoehe, kMeterInMm};
        case Eingabefeld::EinbringBreite:
            break;
    }
    return {LetzteSuche.EinbringBreite, kMeterInMm};
}

}  // namespace

bool weichtVonLetzterSucheAb(Eingabefeld Feld, const std::string& Eingabe,
                             const std::string& AndereEcke, const TTempData& LetzteSuche) {
    const bool eckfeld = Feld == Eingabefeld::EckeBreite || Feld == Eingabefeld::EckeLaenge;
    if (eckfeld && parseLenient(AndereEcke) == 0.0) {
        return false;
    }
    const Vergleich vergleich = vergleichFuer(Feld, LetzteSuche.Vorgaben);
    return roundHalfAwayFromZero(parseLenient(Eingabe) * vergleich.skala) != vergleich.gespeichert;
}

std::string standardEcke(const std::string& Belegt1, const std::string& Belegt2) {
    for (const char* ecke : {"OL", "OR", "UR"}) {
        if (Belegt1 != ecke && Belegt2 != ecke) {
            return ecke;
        }
    }
    return std::string();
}

std::optional<double> paarwertNachSuche(const std::string& Feld, const std::string& AnderesFeld,
                                        const std::string& Neu) {
    const double neu = parseLenient(Neu);
    if (Feld.empty() || parseLenient(AnderesFeld) == 0.0 || neu == 0.0) {
        return std::nullopt;
    }
    return neu;
}

std::optional<double> kesselmassBeimEinschalten(const std::string& Feld) {
    return parseLenient(Feld) == 0.0 ? std::optional(1.0) : std::nullopt;
}

}  // namespace velmora
