#include <sstream>

#include "app/TDaten.h"
#include "base/NumberFormat.h"
#include "catalogue/AnlagenPreis.h"
#include "catalogue/PreisText.h"
#include "catalogue/TankImRaum.h"
#include "cli/plan/PlanFacts.h"
#include "cli/plan/PlanReport.h"

namespace velmora {

namespace {

std::string preis(double euro) {
    return TTempData::setzeTausendertrennzeichen(euro, true) + " €";
}

std::string liter(double litres) {
    return formatGrouped(litres, 0) + " l";
}

void writeInputs(std::ostream& out, const PlanInputs& in) {
    out << "Vorgaben\n"
        << "  Raum (B x L x H):     " << in.roomWidth << " x " << in.roomLength << " x "
        << in.roomHeight << " m\n"
        << "  Sollvolumen:          " << in.volume << " l\n"
        << "  Einbringung (B x H):  " << in.openingWidth << " x " << in.openingHeight << " m\n"
        << "  Ecke (B x L):         " << in.cornerWidth << " x " << in.cornerLength << " m\n"
        << "  Heizraum (B x L):     " << in.boilerWidth << " x " << in.boilerLength << " m\n";
}

void writeSolutions(std::ostream& out, const TDaten& daten) {
    const auto* liste = daten.getLoesungsListe();
    if (liste == nullptr || liste->empty()) {
        out << "Keine Lösung.\n";
        return;
    }
    out << "Lösungen\n";
    for (const TProdukt* produkt : *liste) {
        const auto& aufstellungen = produkt->getMoeglicheAufstellVarianten();
        const TAufstellvariante* erste =
            aufstellungen.empty() ? nullptr : aufstellungen.front()->getVariante();
        const int tanks = erste == nullptr ? 1 : erste->getAnzahlTanks();
        const double richtpreis =
            produkt->getPreis() * tanks +
            (erste == nullptr ? 0.0 : produkt->getVariantenZubehoerPreis(erste));
        const bool vollstaendig =
            produkt->hatPreis() && (erste == nullptr || produkt->hatVariantenZubehoerPreis(erste));
        out << "  " << produkt->getArtikelNr() << "  " << produkt->getBezeichnung() << "  " << tanks
            << " Tank(s), " << liter(tanks * produkt->getInhalt()) << ", "
            << summenText(vollstaendig, preis(richtpreis)) << '\n';
    }
}

void writeCurrent(std::ostream& out, const TDaten& daten) {
    const TProdukt* produkt = daten.getAktuellesProdukt();
    if (produkt == nullptr) {
        return;
    }
    const TTempData& t = daten.getTempData();
    const TAufstellung* aktuell = produkt->getAktuelleAufstellVariante();
    out << "Auswahl: " << produkt->getArtikelNr() << "  " << produkt->getBezeichnung() << '\n';
    if (aktuell != nullptr) {
        out << "  Aufstellung:          " << aktuell->getVariante()->getVariante()
            << (aktuell->getHorizontal() ? " (waagerecht)" : " (senkrecht)") << ", Variante "
            << daten.getAktuelleVariante() << " von " << daten.getGesamtVararianten() << '\n';
    } else if (!produkt->getAufstellvariation()) {
        out << "  Aufstellung:          " << kEinzeltank << ", " << kKeineBatterieaufstellung
            << '\n';
    }
    out << "  Anzahl Tanks:         " << produkt->getAnzahlTanks() << '\n'
        << "  Gesamtvolumen:        " << liter(produkt->getGesamtInhalt()) << '\n'
        << "  Abmessungen (B x L x H): " << produkt->getGesamtBreite() << " x "
        << produkt->getGesamtLaenge() << " x " << produkt->getGesamtHoehe() << " mm\n"
        << "  Mindestabstände:      "
        << (produkt->getAufstellvariation()
                ? produkt->getMindestAbstand(10, t.TankPosition, t.HeizraumPosition) + " cm"
                : kKeineWandabstaende)
        << '\n'
        << "  Richtpreis:           "
        << summenText(produkt->hatGesamtPreis(), preis(produkt->getGesamtPreis())) << '\n'
        << "  Anlagenpreis:         "
        << summenText(hatAnlagenPreis(*produkt),
                      preis(getAnlagenNettoPreis(*produkt, daten.getOptZubehoerPreis())))
        << '\n'
        << "  Material\n";
    for (std::size_t i = 0; i < produkt->getZubehoerOptionalListeCount(); ++i) {
        const TZubehoerItem& zeile = produkt->getZubehoerOptionalListe(i);
        out << "    [" << (zeile.isChecked() ? 'x' : ' ') << "] " << zeile.getAnzahl() << " x "
            << zeile.getZubehoer()->getArtNr() << "  " << zeile.getZubehoer()->getBezeichnung()
            << "  "
            << einzelpreisText(zeile.getZubehoer()->hatPreis(),
                               preis(zeile.getZubehoer()->getPreis()))
            << '\n';
    }
}

}  // namespace

std::string planReportText(const TDaten& daten, const PlanInputs& inputs,
                           const std::optional<PlanMove>& move) {
    std::ostringstream out;
    writeInputs(out, inputs);
    for (const std::string& message : planMessages(daten.getTempData())) {
        out << "Hinweis: " << message << '\n';
    }
    writeSolutions(out, daten);
    writeCurrent(out, daten);
    if (move) {
        out << "Freie Position " << formatFixed(move->to.X, 0) << "; " << formatFixed(move->to.Y, 0)
            << " mm: "
            << (move->valid ? "übernommen" : "nicht möglich, die Tankanlage bleibt an ihrem Platz")
            << '\n';
    }
    return out.str();
}

}  // namespace velmora
