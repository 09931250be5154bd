#include "catalogue/TTempData.h"

#include <algorithm>
#include <utility>

#include <cmath>

#include "base/Host.h"
#include "base/LenientNumber.h"
#include "base/NumberFormat.h"
#include "base/Rounding.h"

namespace velmora {

namespace {

bool isEmptyOrZero(const std::string& text) {
    return text.empty() || parseLenient(text) == 0;
}

// Same top or bottom wall: OL-OR, UL-UR.
bool isBeside(const std::string& a, const std::string& b) {
    return (a == "OL" && b == "OR") || (a == "OR" && b == "OL") || (a == "UL" && b == "UR") ||
           (a == "UR" && b == "UL");
}

// Same left or right wall: OL-UL, OR-UR.
bool isBelow(const std::string& a, const std::string& b) {
    return (a == "OL" && b == "UL") || (a == "UL" && b == "OL") || (a == "OR" && b == "UR") ||
           (a == "UR" && b == "OR");
}

bool isCorner(const std::string& code) {
    return code == "OL" || code == "UL" || code == "UR" || code == "OR";
}

bool isDiagonal(const std::string& a, const std::string& b) {
    return isCorner(a) && isCorner(b) && a != b && !isBeside(a, b) && !isBelow(a, b);
}

// 0.8 of the free space, whole millimetres with halves to even, as a "%0.0f" text.
std::string reducedSize(double freeSpace) {
    return std::to_string(roundHalfToEven(0.8 * freeSpace));
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

void TTempData::setTankPosition(const std::string& Position) {
    TankPosition = Position.empty() ? "OL" : Position;
}

void TTempData::setEckePosition(const std::string& Position) {
    std::string position = Position;
    if (isEmptyOrZero(loesEckeBreite) || isEmptyOrZero(loesEckeLaenge) || position.empty()) {
        position.clear();
        loesEckeBreite = "0";
        loesEckeLaenge = "0";
    }
    EckePosition = position;
    // The boiler fit that follows must see this search's cut-out, not the last one's.
    eckeVorhanden = !EckePosition.empty();
}

void TTempData::setHeizraumPosition(const std::string& Position) {
    std::string position = Position;
    if (isEmptyOrZero(loesHeizraumBreite) || isEmptyOrZero(loesHeizraumLaenge) ||
        position.empty() || position == EckePosition) {
        position.clear();
        loesHeizraumBreite = "0";
        loesHeizraumLaenge = "0";
    }
    HeizraumPosition = position;
    if (HeizraumPosition.empty()) {
        return;
    }

    const double freeWidth = parseLenient(loesRaumBreite) - parseLenient(loesEckeBreite);
    const double freeLength = parseLenient(loesRaumLaenge) - parseLenient(loesEckeLaenge);
    const double width = parseLenient(loesHeizraumBreite);
    const double length = parseLenient(loesHeizraumLaenge);
    if (eckeNebenHeizraum()) {
        if (width > freeWidth) {
            heizraumFehler = true;
            loesHeizraumBreite = reducedSize(freeWidth);
        }
    } else if (eckeUnterHeizraum()) {
        if (length > freeLength) {
            heizraumFehler = true;
            loesHeizraumLaenge = reducedSize(freeLength);
        }
    } else if (eckeVorhanden && isDiagonal(EckePosition, HeizraumPosition)) {
        if (length > freeLength && width > freeWidth) {
            heizraumFehler = true;
            loesHeizraumBreite = reducedSize(freeWidth);
            loesHeizraumLaenge = reducedSize(freeLength);
        }
    }

    // A boiler left without size is removed entirely, so no stale size outlives it.
    if (parseLenient(loesHeizraumBreite) <= 0 || parseLenient(loesHeizraumLaenge) <= 0) {
        HeizraumPosition.clear();
        loesHeizraumBreite = "0";
        loesHeizraumLaenge = "0";
    }
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

bool TTempData::getTankAufEcke() const {
    return (!TankPosition.empty() && TankPosition == EckePosition) ||
           TankPosition == HeizraumPosition;
}

int TTempData::getAbstandHeizraum() const {
    if (!heizraum) {
        return 0;
    }
    if (!safeKessel) {
        return 1000;
    }
    return zehnCm ? 100 : 400;
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
