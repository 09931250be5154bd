#include "app/Einstellungszahlen.h"

#include "base/LenientNumber.h"

namespace velmora {

namespace {

enum Zeile : std::size_t {
    kRaumBreite,
    kRaumLaenge,
    kRaumHoehe,
    kVolumen,
    kEinbringHoehe,
    kEinbringBreite,
    kMaxRaumBreite,
    kMaxRaumLaenge,
    kMaxRaumHoehe,
    kMaxVolumenBeiHeizraum,
    kVolumenVarianz,
};

// Far beyond any cellar or tank battery, so that only nonsense is refused.
constexpr double kGroessteLaenge = 1000.0;   // m
constexpr double kGroesstesVolumen = 1.0e7;  // l

bool beginntMitZahl(const std::string& zeile) {
    const std::size_t anfang = zeile.find_first_not_of(" \t");
    return anfang != std::string::npos && zeile[anfang] >= '0' && zeile[anfang] <= '9';
}

bool imBereich(double wert, double von, double bis, bool nullErlaubt) {
    return (nullErlaubt ? wert >= von : wert > von) && wert <= bis;
}

}  // namespace

std::optional<Einstellungszahlen> leseEinstellungszahlen(const std::vector<std::string>& zeilen) {
    // The project name follows the numbers: without its line the file was cut short.
    if (zeilen.size() <= kEinstellungszahlen) {
        return std::nullopt;
    }
    Einstellungszahlen z{};
    for (std::size_t i = 0; i < kEinstellungszahlen; ++i) {
        if (!beginntMitZahl(zeilen[i])) {
            return std::nullopt;
        }
        z[i] = parseLenient(zeilen[i]);
    }
    const auto laenge = [](double wert, double grenze) {
        return imBereich(wert, 0.0, grenze, false);
    };
    const bool gueltig =
        laenge(z[kMaxRaumBreite], kGroessteLaenge) && laenge(z[kMaxRaumLaenge], kGroessteLaenge) &&
        laenge(z[kMaxRaumHoehe], kGroessteLaenge) && laenge(z[kRaumBreite], z[kMaxRaumBreite]) &&
        laenge(z[kRaumLaenge], z[kMaxRaumLaenge]) && laenge(z[kRaumHoehe], z[kMaxRaumHoehe]) &&
        laenge(z[kEinbringHoehe], kGroessteLaenge) && laenge(z[kEinbringBreite], kGroessteLaenge) &&
        imBereich(z[kVolumen], 0.0, kGroesstesVolumen, false) &&
        imBereich(z[kMaxVolumenBeiHeizraum], 0.0, kGroesstesVolumen, true) &&
        imBereich(z[kVolumenVarianz], 0.0, kGroesstesVolumen, true);
    return gueltig ? std::optional(z) : std::nullopt;
}

}  // namespace velmora
