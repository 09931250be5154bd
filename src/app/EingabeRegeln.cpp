#include "app/EingabeRegeln.h"

#include "base/LenientNumber.h"
#include "base/Rounding.h"
#include "catalogue/TTempData.h"

namespace velmora {

namespace {

struct Vergleich {
    const std::string& gespeichert;
    double skala;
};

Vergleich vergleichFuer(Eingabefeld Feld, const TTempData& LetzteSuche) {
    constexpr double kMeterInMm = 1000.0;
    switch (Feld) {
        case Eingabefeld::RaumBreite:
            return {LetzteSuche.loesRaumBreite, kMeterInMm};
        case Eingabefeld::RaumLaenge:
            return {LetzteSuche.loesRaumLaenge, kMeterInMm};
        case Eingabefeld::RaumHoehe:
            return {LetzteSuche.loesRaumHoehe, kMeterInMm};
        case Eingabefeld::EckeBreite:
            return {LetzteSuche.loesEckeBreite, kMeterInMm};
        case Eingabefeld::EckeLaenge:
            return {LetzteSuche.loesEckeLaenge, kMeterInMm};
        case Eingabefeld::SollVolumen:
            return {LetzteSuche.loesSollVolumen, 1.0};
        case Eingabefeld::HeizraumBreite:
            return {LetzteSuche.loesHeizraumBreite, kMeterInMm};
        case Eingabefeld::HeizraumLaenge:
            return {LetzteSuche.loesHeizraumLaenge, kMeterInMm};
        case Eingabefeld::EinbringHoehe:
            return {LetzteSuche.einbringHoehe, kMeterInMm};
        case Eingabefeld::EinbringBreite:
            break;
    }
    return {LetzteSuche.einbringBreite, kMeterInMm};
}

}  // namespace

bool weichtVonLetzterSucheAb(Eingabefeld Feld, const std::string& Eingabe,
                             const std::string& AndereEcke, const TTempData& LetzteSuche) {
    const bool eckfeld = Feld == Eingabefeld::EckeBreite || Feld == Eingabefeld::EckeLaenge;
    if (eckfeld && parseLenient(AndereEcke) == 0.0) {
        return false;
    }
    const Vergleich vergleich = vergleichFuer(Feld, LetzteSuche);
    return roundHalfAwayFromZero(parseLenient(Eingabe) * vergleich.skala) !=
           roundHalfAwayFromZero(parseLenient(vergleich.gespeichert));
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

}  // namespace velmora
