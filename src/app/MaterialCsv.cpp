#include "app/MaterialCsv.h"

#include <charconv>
#include <stdexcept>
#include <vector>

#include "app/TDaten.h"
#include "base/AtomicFile.h"
#include "base/FileName.h"
#include "catalogue/AnlagenPreis.h"
#include "catalogue/PreisText.h"

namespace velmora {

namespace {

constexpr const char* kImAnlagenpreis = "im Anlagenpreis enthalten";

std::string field(const std::string& text) {
    if (text.find_first_of(";\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

// Two decimals with a comma, whatever the user's locale: the file is for German programs.
std::string euro(double value) {
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    std::string text = error == std::errc() ? std::string(buffer, end) : "0.00";
    text[text.find('.')] = ',';
    return text == "-0,00" ? "0,00" : text;
}

void row(std::string& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            out += ';';
        }
        out += field(fields[i]);
    }
    out += "\r\n";
}

}  // namespace

std::string materialCsv(const TProdukt& Produkt, double OptZubehoerPreis) {
    std::string out = "\xEF\xBB\xBF";
    row(out, {"Art.-Nr.", "Bezeichnung", "Anzahl", "Einzelpreis", "Gesamtpreis"});
    const int tanks = Produkt.getAnzahlTanks();
    const bool tankPreis = Produkt.hatPreis();
    row(out, {Produkt.getArtikelNr(), Produkt.getBezeichnung(), std::to_string(tanks),
              einzelpreisText(tankPreis, euro(Produkt.getPreis())),
              einzelpreisText(tankPreis, euro(tanks * Produkt.getPreis()))});
    for (std::size_t i = 0; i < Produkt.getZubehoerOptionalListeCount(); ++i) {
        const TZubehoerItem& zeile = Produkt.getZubehoerOptionalListe(i);
        if (!zeile.isChecked()) {
            continue;
        }
        const TZubehoer& zubehoer = *zeile.getZubehoer();
        // A required accessory other than the fittings adds nothing to the net: it comes
        // with the battery, which the line says rather than showing a total of 0.
        const bool preis = zubehoer.hatPreis();
        std::string gesamt = kImAnlagenpreis;
        if (zeile.isEnabled()) {
            gesamt = einzelpreisText(preis, euro(zubehoer.getPreis()));
        } else if (zubehoer.getFittingKind()) {
            gesamt = einzelpreisText(preis, euro(zeile.getAnzahl() * zubehoer.getPreis()));
        }
        row(out, {zubehoer.getArtNr(), zubehoer.getBezeichnung(), std::to_string(zeile.getAnzahl()),
                  einzelpreisText(preis, euro(zubehoer.getPreis())), gesamt});
    }
    const double netto = getAnlagenNettoPreis(Produkt, OptZubehoerPreis);
    const bool vollstaendig = hatAnlagenPreis(Produkt);
    row(out, {"", "Netto", "", "", summenText(vollstaendig, euro(netto))});
    row(out, {"", "Brutto (incl. MwSt)", "", "",
              summenText(vollstaendig, euro(getAnlagenBruttoPreis(netto)))});
    return out;
}

bool writeMaterialCsv(const std::filesystem::path& path, const TDaten& daten, std::string& error) {
    const TProdukt* produkt = daten.getAktuellesProdukt();
    if (produkt == nullptr) {
        throw std::logic_error("writeMaterialCsv: no current product");
    }
    const WriteResult written =
        writeFileAtomically(path, materialCsv(*produkt, daten.getOptZubehoerPreis()));
    if (!written) {
        error = "Die Datei " + quotedFileName(path) +
                " kann nicht gespeichert werden: " + written.error + ".";
    }
    return static_cast<bool>(written);
}

}  // namespace velmora
