#include "app/TDaten.h"
#include "base/Host.h"
#include "printing/TAusdruck.h"

namespace velmora {

std::optional<std::string> TDaten::frageProjektName() {
    std::optional<std::string> name =
        host().inputText("Projektnamen eingeben", "Bitte geben Sie eine Projektbezeichnung ein.",
                         getAktuellerProjektName());
    if (name) {
        // An empty name is stored too: the default applies again.
        AktuellerProjektname = *name;
    }
    return name;
}

void TDaten::druckeLoesung() {
    if (!AktuellesProdukt) {
        return;
    }
    if (const auto name = frageProjektName()) {
        Ausdruck->LoesungDruck(*name, getOptZubehoerPreis(), *AktuellesProdukt, TempData);
    }
}

void TDaten::druckeDatanorm() {
    if (!AktuellesProdukt) {
        return;
    }
    if (frageProjektName()) {
        Ausdruck->DatanormDruck(getAktuellerProjektName(), *AktuellesProdukt);
    }
}

}  // namespace velmora
