#include "app/PlanRestore.h"

#include <memory>

#include "app/TDaten.h"
#include "app/TankMove.h"
#include "base/AsciiCase.h"

namespace velmora {

namespace {

// The catalogue's variant of that name for the product numbered artNr: its own variants
// first, then its group's, as the search tries them. Null when there is none.
TAufstellvariante* katalogVariante(const TDaten& daten, const std::string& artNr,
                                   const std::string& name) {
    for (const auto& gruppe : daten.getProduktgruppenListe()) {
        for (const auto& produkt : gruppe->getProduktListe()) {
            if (!equalsIgnoringAsciiCase(produkt->getArtikelNr(), artNr)) {
                continue;
            }
            for (const auto& variante : produkt->getAufstellvariantenListe()) {
                if (variante->getVariante() == name) {
                    return variante.get();
                }
            }
            for (const auto& variante : gruppe->getAufstellvariantenListe()) {
                if (variante->getVariante() == name) {
                    return variante.get();
                }
            }
        }
    }
    return nullptr;
}

std::string ausrichtung(bool horizontal) {
    return horizontal ? "waagerecht" : "senkrecht";
}

// Chooses the stored installation itself when the product still has it.
// searchReported: the search's own rule had the stored variant and has warned when it found
// nothing like it.
void waehleGenaueAufstellung(TDaten& daten, const PlanInstallation& gespeichert,
                             bool searchReported, std::vector<std::string>& notes) {
    const TProdukt& produkt = *daten.getAktuellesProdukt();
    const auto& liste = produkt.getMoeglicheAufstellVarianten();
    bool nameVorhanden = false;
    for (std::size_t i = 0; i < liste.size(); ++i) {
        if (liste[i]->getVariante()->getVariante() != gespeichert.variant) {
            continue;
        }
        nameVorhanden = true;
        if (liste[i]->getHorizontal() == gespeichert.horizontal) {
            if (liste[i].get() != produkt.getAktuelleAufstellVariante()) {
                daten.aendereAufstellung(i, false);
            }
            return;
        }
    }
    if (nameVorhanden) {
        notes.push_back("Die Aufstellung \"" + gespeichert.variant + "\" ist nur noch " +
                        ausrichtung(!gespeichert.horizontal) + " möglich.");
    } else if (!searchReported) {
        notes.push_back("Die Aufstellung \"" + gespeichert.variant +
                        "\" gibt es nicht mehr; gezeigt wird eine andere.");
    }
}

// The free position as one move from the placed battery, committed only where it fits.
void verschiebe(TDaten& daten, TPoint offset, std::vector<std::string>& notes) {
    const std::unique_ptr<TMoveTank> move = pickUpTank(daten);
    move->offset(offset.X, offset.Y);
    if (!putDownTank(daten, *move)) {
        notes.push_back(
            "Die frei gewählte Position der Tankanlage passt nicht mehr in den Raum; die "
            "Tankanlage steht in ihrer Ecke.");
    }
}

void hakeAn(const TProdukt& produkt, const std::vector<std::string>& artikel,
            std::vector<std::string>& notes) {
    for (const std::string& artNr : artikel) {
        bool gefunden = false;
        for (std::size_t i = 0; i < produkt.getZubehoerOptionalListeCount() && !gefunden; ++i) {
            TZubehoerItem& zeile = produkt.getZubehoerOptionalListe(i);
            if (zeile.isEnabled() &&
                equalsIgnoringAsciiCase(zeile.getZubehoer()->getArtNr(), artNr)) {
                zeile.setChecked(true);
                gefunden = true;
            }
        }
        if (!gefunden) {
            notes.push_back("Das Zubehör " + artNr +
                            " ist für diese Aufstellung nicht mehr wählbar.");
        }
    }
}

}  // namespace

std::optional<PlanSelection> currentPlanSelection(const TDaten& daten) {
    const TProdukt* produkt = daten.getAktuellesProdukt();
    if (produkt == nullptr) {
        return std::nullopt;
    }
    PlanSelection selection;
    selection.artNr = produkt->getArtikelNr();
    if (const TAufstellung* aufstellung = produkt->getAktuelleAufstellVariante()) {
        selection.installation = PlanInstallation{aufstellung->getVariante()->getVariante(),
                                                  aufstellung->getHorizontal()};
        selection.offset = aufstellung->CurrentOffset();
    }
    for (std::size_t i = 0; i < produkt->getZubehoerOptionalListeCount(); ++i) {
        const TZubehoerItem& zeile = produkt->getZubehoerOptionalListe(i);
        if (zeile.isEnabled() && zeile.isChecked()) {
            selection.tickedAccessories.push_back(zeile.getZubehoer()->getArtNr());
        }
    }
    return selection;
}

std::string PlanRestoreReport::message() const {
    std::string text = searchWarnings;
    for (const std::string& note : notes) {
        text += (text.empty() ? "" : "\r\n") + note;
    }
    return text;
}

PlanRestoreReport restorePlan(TDaten& daten, const PlanFile& plan,
                              const std::function<void()>& search) {
    TTempData& tempData = daten.getTempData();
    tempData.tmpProdukt = plan.selection ? plan.selection->artNr : "";
    tempData.tmpVariante = nullptr;
    tempData.tmpHorizontal = false;
    if (plan.selection && plan.selection->installation) {
        tempData.tmpVariante =
            katalogVariante(daten, plan.selection->artNr, plan.selection->installation->variant);
        tempData.tmpHorizontal = plan.selection->installation->horizontal;
    }
    // Without the catalogue's variant the search keeps the first installation silently.
    const bool searchKnowsVariant = tempData.tmpVariante != nullptr;
    daten.setAktuellerProjektName(plan.projectName);

    const bool zeigen = tempData.getFehlermeldungenAnzeigen();
    tempData.showFehlermeldungen(false);
    search();
    tempData.showFehlermeldungen(zeigen);

    PlanRestoreReport report;
    report.searchWarnings = tempData.error;
    TProdukt* produkt = daten.getAktuellesProdukt();
    if (!plan.selection || produkt == nullptr) {
        return report;
    }
    if (plan.selection->installation && produkt->getAktuelleAufstellVariante() != nullptr) {
        waehleGenaueAufstellung(daten, *plan.selection->installation, searchKnowsVariant,
                                report.notes);
        if (plan.selection->offset != TPoint{}) {
            verschiebe(daten, plan.selection->offset, report.notes);
        }
    }
    hakeAn(*produkt, plan.selection->tickedAccessories, report.notes);
    return report;
}

}  // namespace velmora
