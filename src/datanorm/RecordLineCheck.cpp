#include "datanorm/RecordLineCheck.h"

#include "datanorm/DatanormErrors.h"

namespace velmora::datanorm {

namespace {

bool istAsciiBuchstabe(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

bool istDatensatzzeile(std::string_view zeile, bool ersteZeile) {
    if (zeile == "\x1A") {
        return true;
    }
    if (zeile.size() < 2 || !istAsciiBuchstabe(zeile[0])) {
        return false;
    }
    return zeile[1] == ';' || (ersteZeile && zeile[0] == 'V' && zeile[1] == ' ');
}

void pruefeDatensatzzeile(std::string_view zeile, bool ersteZeile, const std::string& Datei) {
    if (!istDatensatzzeile(zeile, ersteZeile)) {
        throw EDatanormBeschaedigt(Datei);
    }
}

}  // namespace velmora::datanorm
