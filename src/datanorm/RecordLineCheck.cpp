#include "datanorm/RecordLineCheck.h"

#include <charconv>

#include "datanorm/DatanormErrors.h"

namespace velmora::datanorm {

namespace {

constexpr std::string_view kDateiende = "\x1A";

bool istAsciiBuchstabe(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool istKopfzeile4(std::string_view zeile, bool ersteZeile) {
    return ersteZeile && zeile.size() >= 2 && zeile[0] == 'V' && zeile[1] == ' ';
}

std::string_view ohneRandBlanks(std::string_view text) {
    const std::size_t anfang = text.find_first_not_of(' ');
    if (anfang == std::string_view::npos) {
        return {};
    }
    return text.substr(anfang, text.find_last_not_of(' ') - anfang + 1);
}

}  // namespace

bool istDatensatzzeile(std::string_view zeile, bool ersteZeile) {
    if (zeile == kDateiende) {
        return true;
    }
    if (zeile.size() < 2 || !istAsciiBuchstabe(zeile[0])) {
        return false;
    }
    return zeile[1] == ';' || istKopfzeile4(zeile, ersteZeile);
}

void pruefeDatensatzzeile(std::string_view zeile, bool ersteZeile, const std::string& Datei) {
    if (!istDatensatzzeile(zeile, ersteZeile)) {
        throw EDatanormBeschaedigt(Datei);
    }
}

bool istVollstaendigeZeile(std::string_view zeile, bool ersteZeile) {
    return zeile == kDateiende || zeile.ends_with(';') || istKopfzeile4(zeile, ersteZeile);
}

std::size_t preisfeldNummer(int version) {
    return version == 5 ? 9 : 10;
}

bool istGueltigerArtikelpreis(std::size_t feldanzahl, std::string_view preisfeld, int version) {
    if (feldanzahl < preisfeldNummer(version)) {
        return false;
    }
    const std::string_view ziffern = ohneRandBlanks(preisfeld);
    if (ziffern.empty() || ziffern.front() < '0' || ziffern.front() > '9') {
        return false;
    }
    unsigned long long cent = 0;
    const auto [ende, fehler] =
        std::from_chars(ziffern.data(), ziffern.data() + ziffern.size(), cent);
    return fehler == std::errc() && ende == ziffern.data() + ziffern.size() &&
           cent <= kHoechsterPreisInCent;
}

void pruefeArtikelpreis(std::size_t feldanzahl, std::string_view preisfeld, int version,
                        const std::string& Datei) {
    if (!istGueltigerArtikelpreis(feldanzahl, preisfeld, version)) {
        throw EDatanormBeschaedigt(Datei);
    }
}

void pruefeLetzteZeile(std::string_view zeile, bool ersteZeile, const std::string& Datei) {
    if (!istVollstaendigeZeile(zeile, ersteZeile)) {
        throw EDatanormBeschaedigt(Datei);
    }
}

}  // namespace velmora::datanorm
