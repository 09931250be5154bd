#include "app/PlanRestore.h"

#include <algorithm>
#include <memory>

#include "app/TDaten.h"
#include "app/TankMove.h"
#include "base/AsciiCase.h"

namespace velmora {

namespace {

// The variants the search tries for the product numbered artNr, in its order: the product's
// own, then its group's. Empty when the catalogue has no such product.
std::vector<const TAufstellvariante*> katalogVarianten(const TDaten& daten,
                                                       const std::string& artNr) {
    std::vector<const TAufstellvariante*> varianten;
    for (const auto& gruppe : daten.getProduktgruppenListe()) {
        for (const auto& produkt : gruppe->getProduktListe()) {
            if (!equalsIgnoringAsciiCase(produkt->getArtikelNr(), artNr)) {
                continue;
            }
            for (const auto& variante : produkt->getAufstellvariantenListe()) {
                varianten.push_back(variante.get());
            }
            for (const auto& variante : gruppe->getAufstellvariantenListe()) {
                varianten.push_back(variante.get());
            }
            return varianten;
        }
    }
    return varianten;
}

bool gleicheArt(const TAufstellvariante& variante, const PlanInstallation& installation) {
    return variante.getVariante() == installation.variant &&
           (!installation.secondRowCrosswise ||
            variante.getZwReihWaag() == *installation.secondRowCrosswise);
}

// The catalogue's variant the installation names: the occurrence-th of its name and kind of
// row; the first of its name when the catalogue has changed and that one is gone. Null when
// the name is gone too.
const TAufstellvariante* katalogVariante(const std::vector<const TAufstellvariante*>& varianten,
                                         const PlanInstallation& installation) {
    int gezaehlt = 0;
    for (const TAufstellvariante* variante : varianten) {
        if (gleicheArt(*variante, installation) && gezaehlt++ == installation.occurrence) {
            return variante;
        }
    }
    for (const TAufstellvariante* variante : varianten) {
        if (variante->getVariante() == installation.variant) {
            return variante;
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
void waehleGenaueAufstellung(TDaten& daten, const TAufstellvariante* variante,
                             const PlanInstallation& gespeichert, bool searchReported,
                             std::vector<std::string>& notes) {
    const TProdukt& produkt = *daten.getAktuellesProdukt();
    const auto& liste = produkt.getMoeglicheAufstellVarianten();
    bool andersMoeglich = false;
    for (std::size_t i = 0; i < liste.size(); ++i) {
        if (liste[i]->getVariante() != variante) {
            continue;
        }
        if (liste[i]->getHorizontal() == gespeichert.horizontal) {
            if (liste[i].get() != produkt.getAktuelleAufstellVariante()) {
                daten.aendereAufstellung(i, false);
            }
            return;
        }
        andersMoeglich = true;
    }
    if (andersMoeglich) {
        notes.push_back("Die Aufstellung \"" + gespeichert.variant + "\" ist nur noch " +
                        ausrichtung(!gespeichert.horizontal) + " möglich.");
    } else if (!searchReported) {
        notes.push_back("Die Aufstellung \"" + gespeichert.variant +
                        "\" gibt es nicht mehr; gezeigt wird eine andere.");
    }
}

// A plan that named its installation by name alone, where the catalogue holds several
// variants of that name: the first is taken, and the user is told.
void pruefeEindeutig(const std::vector<const TAufstellvariante*>& varianten,
                     const PlanInstallation& installation, std::vector<std::string>& notes) {
    if (installation.secondRowCrosswise) {
        return;
    }
    const auto gleichnamig = std::count_if(varianten.begin(), varianten.end(), [&](auto* v) {
        return v->getVariante() == installation.variant;
    });
    if (gleichnamig > 1) {
        notes.push_back("Die Plandatei nennt die Aufstellung \"" + installation.variant +
                        "\" nur mit ihrem Namen, den mehrere Aufstellungen tragen; gezeigt "
                        "wird die erste. Speichern Sie den Plan neu, um die gewählte zu "
                        "behalten.");
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
        const TAufstellvariante& variante = *aufstellung->getVariante();
        PlanInstallation installation{variante.getVariante(), aufstellung->getHorizontal(),
                                      variante.getZwReihWaag(), 0};
        // The list the search tried, which a shown product has: no look-up in the catalogue on
        // every recorded step.
        for (const TAufstellvariante* frueher : produkt->getTempAufstellvariantenListe()) {
            if (frueher == &variante) {
                break;
            }
            if (gleicheArt(*frueher, installation)) {
                ++installation.occurrence;
            }
        }
        selection.installation = std::move(installation);
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
    std::string text = suche.Warnungen.empty() ? "" : suche.Warnungen.front();
    for (std::size_t i = 1; i < suche.Warnungen.size(); ++i) {
        text += "\r\n" + suche.Warnungen[i];
    }
    for (const std::string& note : notes) {
        text += (text.empty() ? "" : "\r\n") + note;
    }
    return text;
}

PlanRestoreReport restorePlan(TDaten& daten, const PlanFile& plan, int Dec) {
    PlanRestoreReport report;
    // A product the catalogue no longer has is said as such; searched for, it would only
    // read as a product that does not fit.
    const bool produktVorhanden =
        plan.selection && daten.getKatalogProdukt(plan.selection->artNr) != nullptr;
    if (plan.selection && !produktVorhanden) {
        report.notes.push_back("Den Artikel " + plan.selection->artNr +
                               " gibt es im Katalog nicht mehr; der Plan wurde ohne ihn "
                               "geöffnet. Bitte wählen Sie eine der gefundenen Lösungen.");
    }
    // A group the catalogue no longer has: all tanks are searched, as the window's type list
    // then shows "Alle Tanks".
    PlanFile gesucht = plan;
    const auto& gruppen = daten.getProduktgruppenListe();
    if (!plan.productGroup.empty() &&
        std::none_of(gruppen.begin(), gruppen.end(), [&](const auto& gruppe) {
            return gruppe->getBezeichnung() == plan.productGroup;
        })) {
        report.notes.push_back("Die Tankart \"" + plan.productGroup +
                               "\" gibt es nicht mehr; gesucht wird unter allen Tanks.");
        gesucht.productGroup.clear();
    }
    TTempData& tempData = daten.getTempData();
    tempData.tmpProdukt = produktVorhanden ? plan.selection->artNr : "";
    tempData.tmpVariante = nullptr;
    tempData.tmpHorizontal = false;
    std::vector<const TAufstellvariante*> varianten;
    const TAufstellvariante* variante = nullptr;
    if (plan.selection && plan.selection->installation) {
        varianten = katalogVarianten(daten, plan.selection->artNr);
        variante = katalogVariante(varianten, *plan.selection->installation);
        // The search keeps it as the installation to show again; it changes nothing in it.
        tempData.tmpVariante = const_cast<TAufstellvariante*>(variante);
        tempData.tmpHorizontal = plan.selection->installation->horizontal;
    }
    daten.setAktuellerProjektName(plan.projectName);

    const bool zeigen = tempData.getFehlermeldungenAnzeigen();
    tempData.showFehlermeldungen(false);
    report.suche = daten.sucheLoesung(suchAuftrag(gesucht, Dec, false));
    tempData.showFehlermeldungen(zeigen);

    TProdukt* produkt = daten.getAktuellesProdukt();
    if (!produktVorhanden || produkt == nullptr) {
        return report;
    }
    if (plan.selection->installation && produkt->getAktuelleAufstellVariante() != nullptr) {
        pruefeEindeutig(varianten, *plan.selection->installation, report.notes);
        // Without the catalogue's variant the search keeps the first installation silently.
        waehleGenaueAufstellung(daten, variante, *plan.selection->installation, variante != nullptr,
                                report.notes);
        if (plan.selection->offset != TPoint{}) {
            verschiebe(daten, plan.selection->offset, report.notes);
        }
    }
    hakeAn(*produkt, plan.selection->tickedAccessories, report.notes);
    return report;
}

}  // namespace velmora
