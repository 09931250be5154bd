#include <algorithm>
#include <array>
#include <functional>

#include "base/NumberFormat.h"
#include "catalogue/TProdukt.h"
#include "catalogue/TTempData.h"

namespace velmora {

BatteryMeasures TProdukt::getMasse(const TAufstellvariante& Variante) const {
    return batteryMeasures({Breite, Laenge, ZusBreite, ZusLaenge, ZusSpezLaenge}, Variante);
}

int TProdukt::getGesamtBreite() const {
    const TAufstellung* aktuell = MoeglicheAufstellVariante;
    if (!Aufstellvariationen || aktuell == nullptr ||
        aktuell->getVariante()->getVariante().empty()) {
        return Breite;
    }
    return clampToInt(getMasse(*aktuell->getVariante()).W);
}

int TProdukt::getGesamtLaenge() const {
    if (!Aufstellvariationen || MoeglicheAufstellVariante == nullptr) {
        return Laenge;
    }
    return clampToInt(getMasse(*MoeglicheAufstellVariante->getVariante()).D);
}

int TProdukt::getGesamtHoehe() const {
    if (!Aufstellvariationen || MoeglicheAufstellVariante == nullptr) {
        return Hoehe;
    }
    return getGesamtHoeheAufstellung(*MoeglicheAufstellVariante->getVariante(),
                                     MoeglicheAufstellVariante->getIgnoreNorm());
}

double TProdukt::getGesamtInhalt() const {
    if (MoeglicheAufstellVariante == nullptr) {
        return Inhalt;
    }
    return getGesamtInhaltVariante(*MoeglicheAufstellVariante->getVariante());
}

double TProdukt::getGesamtInhaltVariante(const TAufstellvariante& Variante) const {
    return Aufstellvariationen ? Inhalt * Variante.getAnzahlTanks() : Inhalt;
}

int TProdukt::getZusAufstellHoehe(const TAufstellvariante& Variante, bool IgnoreNorm) const {
    // Key 0 is the height the norm prescribes; otherwise the height for the tank count.
    const bool normIgnoriert = !Variante.isNormrelevant() || IgnoreNorm;
    const int anzahl = normIgnoriert ? Variante.getAnzahlTanks() : 0;
    for (const auto& hoehe : FZusAufstellhoehen) {
        if (hoehe->getAnzahl() == anzahl) {
            return hoehe->getHoehe();
        }
    }
    return 0;
}

int TProdukt::getGesamtHoeheAufstellung(const TAufstellvariante& Variante, bool IgnoreNorm) const {
    if (!Aufstellvariationen) {
        return Hoehe;
    }
    return clampToInt(static_cast<long long>(Hoehe) + getZusAufstellHoehe(Variante, IgnoreNorm));
}

namespace {

std::array<int, 3> sortierteAbmessungen(int a, int b, int c) {
    std::array<int, 3> werte{a, b, c};
    std::ranges::sort(werte);
    return werte;
}

}  // namespace

int TProdukt::getKleinsteAbmessung() const {
    return sortierteAbmessungen(Breite, Laenge, Hoehe)[0];
}

int TProdukt::getZweitkleinsteAbmessung() const {
    return sortierteAbmessungen(Breite, Laenge, Hoehe)[1];
}

bool TProdukt::passtDurchEinbringung(int AEinbringHoehe, int AEinbringBreite) const {
    const int kleinste = getKleinsteAbmessung();
    const int mittlere = getZweitkleinsteAbmessung();
    return (AEinbringBreite >= kleinste && AEinbringHoehe >= mittlere) ||
           (AEinbringHoehe >= kleinste && AEinbringBreite >= mittlere);
}

std::string TProdukt::getHeizraumAbstandSeite(bool Horizontal) const {
    if (!TempData.heizraum) {
        return "";
    }
    const std::string& tp = TempData.TankPosition;
    const bool gleich = TempData.HeizraumPosition == tp;
    const bool links = tp == "OL" || tp == "UL";
    const bool rechts = tp == "OR" || tp == "UR";
    const bool oben = tp == "OL" || tp == "OR";
    const bool unten = tp == "UL" || tp == "UR";
    const bool daneben = !gleich && TempData.heizraumDaneben();
    const bool darunter = !gleich && TempData.heizraumDarunter();
    if ((rechts && daneben) || (gleich && links && Horizontal)) {
        return "l";
    }
    if ((links && daneben) || (gleich && rechts && Horizontal)) {
        return "r";
    }
    if ((unten && darunter) || (gleich && oben && !Horizontal)) {
        return "o";
    }
    if ((oben && darunter) || (gleich && unten && !Horizontal)) {
        return "u";
    }
    return "";
}

TRect TProdukt::getMindestAbstaende(bool AHorizontal) const {
    if (MoeglicheAufstellVariante == nullptr) {
        return {};
    }
    TRect abstaende = MoeglicheAufstellVariante->GapReal();
    const std::string seite = getHeizraumAbstandSeite(AHorizontal);
    int* betroffen = seite == "l"   ? &abstaende.Left
                     : seite == "o" ? &abstaende.Top
                     : seite == "r" ? &abstaende.Right
                     : seite == "u" ? &abstaende.Bottom
                                    : nullptr;
    if (betroffen != nullptr) {
        *betroffen = std::max(*betroffen, TempData.getAbstandHeizraum());
    }
    return abstaende;
}

std::string TProdukt::getMindestAbstand(double Teiler, const std::string& /*TankPosition*/,
                                        const std::string& /*HeizraumPosition*/) const {
    if (MoeglicheAufstellVariante == nullptr) {
        return "";
    }
    const TRect a = getMindestAbstaende(MoeglicheAufstellVariante->getHorizontal());
    std::array<int, 4> werte{a.Left, a.Top, a.Right, a.Bottom};
    std::ranges::sort(werte, std::greater<>());
    const double teiler = Teiler == 0 ? 1 : Teiler;
    std::string text;
    for (std::size_t i = 0; i < werte.size();) {
        std::size_t j = i;
        while (j < werte.size() && werte[j] == werte[i]) {
            ++j;
        }
        if (!text.empty()) {
            text += "; ";
        }
        text += std::to_string(j - i) + " x " + formatFixed(werte[i] / teiler, 0);
        i = j;
    }
    return text;
}

}  // namespace velmora
