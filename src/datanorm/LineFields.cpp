#include "datanorm/LineFields.h"

#include "base/CodePage.h"

namespace velmora::datanorm {

void LineFields::zerlege(std::string_view line) {
    if (!istAscii(line)) {
        FDecodiert.clear();
        appendUtf8(FDecodiert, line, CodePage::Cp850);
        line = FDecodiert;
    }
    FAnzahl = forEachField(
        line, kMaxArtikelFelder,
        [this, i = std::size_t{0}](std::string_view wert) mutable { FFelder[i++] = wert; });
}

}  // namespace velmora::datanorm
