// Start-up loading of the catalogue: the DATANORM article file, the five ".dta" files and
// the one message that names every file that could not be read or is damaged.

#include <algorithm>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <iterator>
#include <stdexcept>
#include <system_error>
#include <utility>

#include "app/CatalogueRecords.h"
#include "app/Einstellungszahlen.h"
#include "app/TDaten.h"
#include "base/Host.h"
#include "base/LenientNumber.h"
#include "base/NumberFormat.h"
#include "catalogue/files/CatalogueLines.h"
#include "catalogue/files/ScrambledXml.h"
#include "catalogue/files/TMurvel.h"
#include "catalogue/files/xmlNodeHelper.h"
#include "datanorm/DatanormErrors.h"
#include "datanorm/TDatanorm.h"

namespace velmora {

namespace {

// An accessory's price is kept rounded to cents, as the catalogue shows it.
double aufCentGerundet(double preis) {
    return parseLenient(formatFixed(preis, 2));
}

// A catalogue cut at a record boundary looks whole: its damage shows as articles missing.
std::string katalogUnvollstaendigText(const std::string& Datanorm,
                                      const std::vector<std::string>& artikel) {
    if (artikel.empty()) {
        return {};
    }
    constexpr std::size_t kGenannt = 5;
    std::string nummern;
    for (std::size_t i = 0; i < std::min(artikel.size(), kGenannt); ++i) {
        nummern += (i == 0 ? "" : ", ") + artikel[i];
    }
    if (artikel.size() > kGenannt) {
        nummern += ", …";
    }
    return "Der Katalog \"" + Datanorm + "\" ist unvollständig: " + std::to_string(artikel.size()) +
           " Artikel ohne Preis (" + nummern +
           ").\r\nFür diese Artikel wird \"Preis fehlt\" angezeigt.";
}

}  // namespace

void TDaten::ladeDaten() {
    ladeProdukte();
    ladeAufstellvarianten();
    ladeZubehoer();
    ladeSettings();
    pruefeDateifehler();
}

bool TDaten::ladeDatanorm(datanorm::TDatanorm& Reader) {
    try {
        Reader.LoadFromFile(pfad(Dateien->getDatanorm()), datanorm::kDatanormInMemoryLimit, false);
        if (!Reader.getArtikelnummern().empty()) {
            return true;
        }
        // A DATANORM file without a single article (a price-change file, say) cannot be
        // the catalogue's: every product would read as unknown at price 0.
        errorDatanorm = true;
        markiereBeschaedigt(Dateien->getDatanorm());
    } catch (const datanorm::EDatanormFileError&) {
        errorDatanorm = true;
    } catch (const datanorm::EDatanormError&) {
        // The file is there, but its content is no DATANORM article file.
        errorDatanorm = true;
        markiereBeschaedigt(Dateien->getDatanorm());
    } catch (const std::exception&) {
        // Whatever else stopped the load, the article data counts as missing.
        errorDatanorm = true;
    }
    return false;
}

std::string TDaten::ladeZeilendatei(const std::string& Datei, std::size_t Trenner, bool& Error) {
    std::string text;
    TMurvel::Create(pfad(Datei), true, text, Error);
    if (!Error && !isCatalogueLineFile(text, Trenner)) {
        Error = true;
        markiereBeschaedigt(Datei);
        text.clear();
    }
    return text;
}

void TDaten::markiereBeschaedigt(const std::string& Datei) {
    if (std::ranges::find(FBeschaedigteDateien, Datei) == FBeschaedigteDateien.end()) {
        FBeschaedigteDateien.push_back(Datei);
    }
}

TProduktgruppe& TDaten::addProduktgruppe(const std::string& WG) {
    const std::size_t index = getProduktgruppenIndex(WG);
    if (index < ProduktgruppenListe.size()) {
        return *ProduktgruppenListe[index];
    }
    if (!FProduktgruppenNamen) {
        FProduktgruppenNamen =
            produktgruppenNamen(ladeZeilendatei(Dateien->getWarengruppe(), 1, errorWG));
    }
    std::string name;
    if (!errorProdukte && !errorWG) {
        if (const auto it = FProduktgruppenNamen->find(WG); it != FProduktgruppenNamen->end()) {
            name = it->second;
        }
    }
    ProduktgruppenListe.push_back(std::make_unique<TProduktgruppe>(std::move(name), WG));
    return *ProduktgruppenListe.back();
}

TProdukt* TDaten::findeKatalogProdukt(const std::string& WG, const std::string& ArtNr) const {
    const std::size_t index = getProduktgruppenIndex(WG);
    if (index == ProduktgruppenListe.size()) {
        return nullptr;
    }
    try {
        return &ProduktgruppenListe[index]->getProdukt(ArtNr);
    } catch (const std::out_of_range&) {
        // A record naming a product its group does not have is skipped.
        return nullptr;
    }
}

void TDaten::ladeProdukte() {
    datanorm::TDatanorm reader;
    const bool datanormGeladen = ladeDatanorm(reader);
    // Read also without article data, so that the start-up message names every missing file.
    pugi::xml_document document;
    const pugi::xml_node root = loadScrambledXml(pfad(Dateien->getProdukte()), document);
    errorProdukte = !root;
    if (!datanormGeladen || errorProdukte) {
        return;
    }
    for (const pugi::xml_node element : xmlNodeHelper::getChildNodes(root, "produkt")) {
        ProduktRecord r = produktFromElement(element);
        ArtikelTexte artikel = findeArtikel(reader, r.artNr);
        if (!artikel.gefunden) {
            merkeArtikelOhnePreis(r.artNr);
        }
        addProduktgruppe(r.warenGruppe)
            .addProdukt(TProduktDaten{.Bezeichnung = std::move(artikel.kurztext1),
                                      .Bezeichnung_kt2 = std::move(artikel.kurztext2),
                                      .ArtNr = std::move(r.artNr),
                                      .Inhalt = r.inhalt,
                                      .Preis = artikel.preis,
                                      .PreisFehlt = !artikel.gefunden,
                                      .Breite = r.breite,
                                      .Laenge = r.laenge,
                                      .Hoehe = r.hoehe,
                                      .Aufstellvariationen = r.aufstellungsvariation,
                                      .ZusBreite = r.zusBreite,
                                      .ZusLaenge = r.zusLaenge,
                                      .ZusSpezLaenge = r.zusSpezLaenge,
                                      .Bild = std::move(r.produktbild),
                                      .Grafik = std::move(r.tankgrafik),
                                      .AbstaendeEinreihig = std::move(r.abstaendeEinreihig),
                                      .AbstaendeZweireihig = std::move(r.abstaendeZweireihig),
                                      .AbstaendeZweireihigMitEinzeltank =
                                          std::move(r.abstaendeZweireihigMitEinzeltank),
                                      .AbstaendeZweireihigNormIgn =
                                          std::move(r.abstaendeZweireihigNormIgnore),
                                      .Produktbeschreibung = std::move(artikel.langtext),
                                      .Dimensionstext = std::move(artikel.dimensionstext),
                                      .RohrStart = r.rohrStart,
                                      .RohrEnde = r.rohrEnde,
                                      .RohrStartReihe2 = r.rohrStartReihe2,
                                      .RohrEndeReihe2 = r.rohrEndeReihe2,
                                      .AufsatzGegenueber = r.aufsatzGegenueber,
                                      .Aufstellhoehen = std::move(r.zusHoehen)},
                        TempData, &FCustomPrices);
    }
}

void TDaten::ladeAufstellvarianten() {
    pugi::xml_document document;
    const pugi::xml_node root = loadScrambledXml(pfad(Dateien->getAufstellvarianten()), document);
    errorAufstellvarianten = !root;
    for (const pugi::xml_node gruppe : xmlNodeHelper::getChildNodes(root, "warengruppe")) {
        const std::string typ = xmlNodeHelper::getAttribute(gruppe, "typ");
        for (const pugi::xml_node element : xmlNodeHelper::getChildNodes(gruppe, "variante")) {
            std::unique_ptr<TAufstellvariante> variante = aufstellvarianteFromElement(element);
            if (!variante) {
                continue;
            }
            if (variante->ProduktArtNr().empty()) {
                addProduktgruppe(typ).addAufstellvariante(std::move(variante));
            } else if (TProdukt* produkt = findeKatalogProdukt(typ, variante->ProduktArtNr())) {
                produkt->addAufstellvariante(std::move(variante));
            }
        }
    }
}

void TDaten::ladeZubehoer() {
    datanorm::TDatanorm reader;
    ladeDatanorm(reader);
    const std::string text = ladeZeilendatei(Dateien->getZubehoer(), 3, errorZubehoer);
    if (!errorZubehoer &&
        std::ranges::any_of(splitCatalogueLines(text), istImKennzeichenAbgeschnitten)) {
        errorZubehoer = true;
        markiereBeschaedigt(Dateien->getZubehoer());
    }
    if (errorDatanorm || errorProdukte || errorZubehoer) {
        return;
    }
    for (const std::string& line : splitCatalogueLines(text)) {
        const std::optional<ZubehoerRecord> record = zubehoerFromLine(line);
        if (!record) {
            continue;
        }
        TProdukt* produkt = nullptr;
        if (!record->produktArtNr.empty()) {
            produkt = findeKatalogProdukt(record->warenGruppe, record->produktArtNr);
            if (!produkt) {
                continue;
            }
        }
        ArtikelTexte artikel = findeArtikel(reader, record->artNr);
        std::string bezeichnung = artikel.gefunden ? artikel.kurztext1 + " " + artikel.kurztext2
                                                   : std::move(artikel.kurztext1);
        const double preis = artikel.gefunden ? aufCentGerundet(artikel.preis) : 0.0;
        TZubehoer& zubehoer =
            produkt ? produkt->addZubehoer(std::move(bezeichnung), record->artNr, preis,
                                           record->optional, std::move(artikel.langtext),
                                           std::move(artikel.dimensionstext))
                    : addProduktgruppe(record->warenGruppe)
                          .addZubehoer(std::move(bezeichnung), record->artNr, preis,
                                       record->optional, std::move(artikel.langtext),
                                       std::move(artikel.dimensionstext), &FCustomPrices);
        if (!artikel.gefunden) {
            zubehoer.markierePreisFehlt();
            merkeArtikelOhnePreis(record->artNr);
        }
    }
}

void TDaten::ladeSettings() {
    const std::string text = ladeZeilendatei(Dateien->getSettings(), 0, errorSettings);
    if (errorSettings) {
        return;
    }
    const std::vector<std::string> lines = splitCatalogueLines(text);
    const std::optional<Einstellungszahlen> gelesen = leseEinstellungszahlen(lines);
    if (!gelesen) {
        errorSettings = true;
        markiereBeschaedigt(Dateien->getSettings());
        return;
    }
    double* const zahlen[] = {
        &StandardRaumBreite,    &StandardRaumLaenge,     &StandardRaumHoehe, &StandardVolumen,
        &StandardEinbringHoehe, &StandardEinbringBreite, &MaxRaumBreite,     &MaxRaumLaenge,
        &MaxRaumHoehe,          &maxVolumenBeiHeizraum,  &VolumenVarianz};
    static_assert(std::size(zahlen) == kEinstellungszahlen);
    for (std::size_t i = 0; i < kEinstellungszahlen; ++i) {
        *zahlen[i] = (*gelesen)[i];
    }
    if (lines.size() > kEinstellungszahlen) {
        StandardProjektName = lines[kEinstellungszahlen];
    }
}

void TDaten::merkeArtikelOhnePreis(const std::string& ArtNr) {
    if (std::ranges::find(FArtikelOhnePreis, ArtNr) == FArtikelOhnePreis.end()) {
        FArtikelOhnePreis.push_back(ArtNr);
    }
}

void TDaten::pruefeDateifehler() {
    const std::pair<bool, const std::string&> dateien[] = {
        {errorDatanorm, Dateien->getDatanorm()},
        {errorProdukte, Dateien->getProdukte()},
        {errorAufstellvarianten, Dateien->getAufstellvarianten()},
        {errorZubehoer, Dateien->getZubehoer()},
        {errorSettings, Dateien->getSettings()},
        {errorWG, Dateien->getWarengruppe()},
    };
    std::string meldung;
    for (const auto& [fehler, name] : dateien) {
        if (fehler) {
            FFehlendeDateien.push_back(name);
            const bool beschaedigt =
                std::ranges::find(FBeschaedigteDateien, name) != FBeschaedigteDateien.end();
            // A file that is there but could not be read (a special file, one too large, one
            // without permission) is no missing file.
            std::error_code fehlerCode;
            const bool vorhanden = std::filesystem::symlink_status(pfad(name), fehlerCode).type() !=
                                   std::filesystem::file_type::not_found;
            meldung +=
                (meldung.empty() ? "" : "\r\n") + ("Datei \"" + name + "\"" +
                                                   (beschaedigt ? " ist beschädigt."
                                                    : vorhanden ? " kann nicht gelesen werden."
                                                                : " nicht gefunden."));
        }
    }
    if (meldung.empty()) {
        meldung = katalogUnvollstaendigText(Dateien->getDatanorm(), FArtikelOhnePreis);
    } else if (FFehlermeldungenAnzeigen) {
        meldung += "\r\nDas Programm wird geschlossen.";
    }
    Dateien.reset();
    FProduktgruppenNamen.reset();
    FLadefehler = std::move(meldung);
}

void TDaten::meldeLadefehler() {
    if (FLadefehler.empty()) {
        return;
    }
    host().showError(std::exchange(FLadefehler, std::string()));
    // Without a price for some articles the program still plans.
    if (FFehlermeldungenAnzeigen && !FFehlendeDateien.empty()) {
        host().requestQuit();
    }
}

}  // namespace velmora
