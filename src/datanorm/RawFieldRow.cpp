#include "datanorm/RawFieldRow.h"

#include "base/CodePage.h"

namespace velmora::datanorm {

void RawFieldRow::zerlege(std::string_view line) {
    FAscii = istAscii(line);
    FAnzahl = forEachField(
        line, kMaxArtikelFelder,
        [this, i = std::size_t{0}](std::string_view feld) mutable { FFelder[i++] = feld; });
}

void RawFieldRow::text(std::size_t n, std::string& ziel) const {
    const std::string_view feld = roh(n);
    if (feld.empty()) {
        ziel.clear();  // many fields are, and assign takes a call into the library
    } else if (FAscii || istAscii(feld)) {
        ziel.assign(feld);
    } else {
        ziel.clear();
        appendUtf8(ziel, feld, CodePage::Cp850);
    }
}

std::string RawFieldRow::text(std::size_t n) const {
    std::string ziel;
    text(n, ziel);
    return ziel;
}

}  // namespace velmora::datanorm
