#include "catalogue/TTempData.h"

#include <algorithm>
#include <utility>

#include <cmath>

#include "base/Host.h"
#include "base/LenientNumber.h"
#include "base/NumberFormat.h"

namespace velmora {

namespace {

// Same top or bottom wall, same left or right wall, for the corner codes of the state.
bool isBeside(const std::string& a, const std::string& b) {
    return nebeneinander(eckeAusKuerzel(a), eckeAusKuerzel(b));
}

bool isBelow(const std::string& a, const std::string& b) {
    return untereinander(eckeAusKuerzel(a), eckeAusKuerzel(b));
}

const char* const kEinbringText =
    "Die Einbringmaße sind für den Raum zu groß. Die Größe wird angepasst.";
const char* const kHeizraumZuGrossText =
    "Der Heizraum ist an der ausgewählten Position zu groß. Die Größe wird angepasst.";
const char* const kHeizraumKeinPlatzText =
    "Für den Heizraum ist an der Position kein Platz. Er wird gelöscht.";
const char* const kEckeText =
    "Die Ecke ist an der ausgewählten Position zu groß. Die Größe wird angepasst.";
const char* const kProduktText =
    "Das ausgewählte Produkt kann an dieser Position nicht platziert werden. Bitte wählen Sie "
    "ein anderes Produkt aus.";
const char* const kLoesungText =
    "An dieser Position ist leider keine Lösung vorhanden. Bitte wählen Sie eine andere "
    "Tankposition aus oder ändern Sie Ihre Vorgaben.";
const char* const kAufstellungText =
    "Die gewünschte Aufstellung ist an dieser Position nicht möglich. Es wird eine andere "
    "Aufstellungsvariante für Sie vorgeschlagen.";

}  // namespace

TTempData::TTempData(bool FehlermeldungenAnzeigen)
    : fehlerMeldungenAnzeigen(FehlermeldungenAnzeigen) {}

void TTempData::uebernimm(const Suchvorgaben& Suche) {
    Vorgaben = Suche;
    loesTankart = Suche.Tankart;
    loesSollVolumen = std::to_string(Suche.SollVolumen);
    loesRaumBreite = std::to_string(Suche.RaumBreite);
    loesRaumLaenge = std::to_string(Suche.RaumLaenge);
    loesRaumHoehe = std::to_string(Suche.RaumHoehe);
    loesEckeBreite = std::to_string(Suche.EckeBreite);
    loesEckeLaenge = std::to_string(Suche.EckeLaenge);
    loesHeizraumBreite = std::to_string(Suche.HeizraumBreite);
    loesHeizraumLaenge = std::to_string(Suche.HeizraumLaenge);
    einbringBreite = std::to_string(Suche.EinbringBreite);
    einbringHoehe = std::to_string(Suche.EinbringHoehe);
    TankPosition = kuerzel(Suche.TankPosition);
    EckePosition = kuerzel(Suche.EckePosition);
    HeizraumPosition = kuerzel(Suche.HeizraumPosition);
    eckeVorhanden = Suche.EckePosition != Ecke::Keine;
    heizraumVorhanden = Suche.Heizraum && Suche.HeizraumPosition != Ecke::Keine;
    heizraum = Suche.Heizraum;
    safeKessel = Suche.SafeKessel;
    zehnCm = Suche.ZehnCm;
}

bool TTempData::eckeDaneben() const {
    return eckeVorhanden && isBeside(EckePosition, TankPosition);
}

bool TTempData::eckeDarunter() const {
    return eckeVorhanden && isBelow(EckePosition, TankPosition);
}

bool TTempData::eckeNebenHeizraum() const {
    return eckeVorhanden && isBeside(EckePosition, HeizraumPosition);
}

bool TTempData::eckeUnterHeizraum() const {
    return eckeVorhanden && isBelow(EckePosition, HeizraumPosition);
}

bool TTempData::heizraumDaneben() const {
    return heizraum && isBeside(HeizraumPosition, TankPosition);
}

bool TTempData::heizraumDarunter() const {
    return heizraum && isBelow(HeizraumPosition, TankPosition);
}

int TTempData::getAbstandHeizraum() const {
    return abstandHeizraum(heizraum, safeKessel, zehnCm);
}

void TTempData::appendMessage(const std::string& text) {
    if (!error.empty()) {
        error += "\r\n";
    }
    error += text;
}

void TTempData::fehlerHeizraum() {
    appendMessage(heizraum ? kHeizraumZuGrossText : kHeizraumKeinPlatzText);
}

void TTempData::fehlerEcke() {
    appendMessage(kEckeText);
}

void TTempData::fehlerEinbring() {
    appendMessage(kEinbringText);
}

void TTempData::fehlerProdukt() {
    appendMessage(produktRaumText.empty() ? kProduktText : produktRaumText);
}

void TTempData::raumZuKleinFuer(const std::string& Bezeichnung, const ZuKleineRaummasse& Masse) {
    std::vector<std::string> masse;
    for (const auto& [zuKlein, name] :
         {std::pair{Masse.Breite, "die Raumbreite"}, std::pair{Masse.Laenge, "die Raumlänge"},
          std::pair{Masse.Hoehe, "die Raumhöhe"}}) {
        if (zuKlein) {
            masse.emplace_back(name);
        }
    }
    if (masse.empty()) {
        return;
    }
    std::string aufzaehlung = masse.front();
    for (std::size_t i = 1; i < masse.size(); ++i) {
        aufzaehlung += (i + 1 == masse.size() ? " und " : ", ") + masse[i];
    }
    produktRaumText = "Der Raum ist für das ausgewählte Produkt \"" + Bezeichnung +
                      "\" zu klein: " + aufzaehlung + (masse.size() == 1 ? " reicht" : " reichen") +
                      " nicht aus. Bitte wählen Sie ein anderes Produkt aus oder ändern Sie die "
                      "Raummaße.";
}

void TTempData::fehlerLoesung() {
    appendMessage(kLoesungText);
}

void TTempData::fehlerAufstellung() {
    appendMessage(kAufstellungText);
}

void TTempData::fehlerMeldungen() {
    if (einbringFehler) {
        fehlerEinbring();
    }
    if (heizraumFehler) {
        fehlerHeizraum();
    }
    if (eckeFehler) {
        fehlerEcke();
    }
    if (produktFehler) {
        fehlerProdukt();
    }
    if (loesungFehler) {
        fehlerLoesung();
    }
    if (!error.empty()) {
        fehlerMeldung();
    }
}

std::vector<std::string> TTempData::getMeldungen() const {
    std::vector<std::string> meldungen;
    for (std::size_t anfang = 0; anfang < error.size();) {
        const std::size_t ende = std::min(error.find("\r\n", anfang), error.size());
        meldungen.push_back(error.substr(anfang, ende - anfang));
        anfang = ende + 2;
    }
    return meldungen;
}

void TTempData::fehlerMeldung() {
    if (fehlerMeldungenAnzeigen) {
        host().showInformation(error);
    }
}

void TTempData::showFehlermeldungen(bool AValue) {
    fehlerMeldungenAnzeigen = AValue;
}

bool TTempData::getFehlermeldungenAnzeigen() const {
    return fehlerMeldungenAnzeigen;
}

void TTempData::setzeZurueck() {
    heizraumFehler = false;
    eckeFehler = false;
    produktFehler = false;
    einbringFehler = false;
    loesungFehler = false;
    produktRaumText.clear();
}

void TTempData::loescheWerte() {
    loesung = false;
    TankPosition.clear();
    EckePosition.clear();
    HeizraumPosition.clear();
    tmpProdukt.clear();
    tmpHorizontal = false;
}

std::string TTempData::setzeNachkommastellen(double tmp, int Laenge) {
    if (Laenge <= 0) {
        return formatFixed(tmp, 0);
    }
    return formatFixed(tmp, Laenge >= 3 ? 3 : Laenge);
}

std::string TTempData::setzeTausendertrennzeichen(double tmp, bool Preis) {
    if (Preis) {
        return formatGrouped(tmp, 2);
    }
    std::string text = formatFixed(tmp, 3);
    const double withDecimals = parseLenient(text);
    const std::string whole = formatFixed(tmp, 0);
    // Compared by magnitude, so a negative value keeps its decimals as a positive one does.
    if (std::fabs(withDecimals) - std::fabs(parseLenient(whole)) <= 0) {
        text = whole;
    }

    const char decimalSeparator = numberFormat().decimalSeparator;
    const std::string::size_type split = text.find(decimalSeparator);
    std::string integerPart = text.substr(0, split);
    const std::string decimalPart = split == std::string::npos ? "" : text.substr(split);
    const char thousandsSeparator = decimalSeparator == ',' ? '.' : ' ';

    std::string sign;
    if (!integerPart.empty() && integerPart.front() == '-') {
        sign = "-";
        integerPart.erase(0, 1);
    }
    std::string grouped;
    for (std::string::size_type i = 0; i < integerPart.size(); ++i) {
        if (i > 0 && (integerPart.size() - i) % 3 == 0) {
            grouped += thousandsSeparator;
        }
        grouped += integerPart[i];
    }
    return sign + grouped + decimalPart;
}

}  // namespace velmora
