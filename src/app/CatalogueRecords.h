#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <pugixml.hpp>

#include "base/GeometryTypes.h"
#include "catalogue/Artikeltext.h"
#include "catalogue/TAufstellvariante.h"
#include "catalogue/TZusaetzlicheAufstellHoehe.h"

namespace velmora {

namespace datanorm {
class TDatanorm;
}

// The values of one `produkt` element of "produkte.dta"; absent attributes and elements
// give 0, false and empty texts, each clearance list always has four entries.
struct ProduktRecord {
    std::string artNr;
    std::string warenGruppe;
    int inhalt = 0;
    int breite = 0;
    int laenge = 0;
    int hoehe = 0;
    bool aufstellungsvariation = false;
    int zusBreite = 0;
    int zusLaenge = 0;
    int zusSpezLaenge = 0;
    std::string produktbild;
    std::string tankgrafik;
    TPoint rohrStart;
    TPoint rohrEnde;
    TPoint rohrStartReihe2;
    TPoint rohrEndeReihe2;
    bool aufsatzGegenueber = false;
    std::vector<std::string> abstaendeEinreihig;
    std::vector<std::string> abstaendeZweireihig;
    std::vector<std::string> abstaendeZweireihigMitEinzeltank;
    std::vector<std::string> abstaendeZweireihigNormIgnore;
    std::vector<std::unique_ptr<TZusaetzlicheAufstellHoehe>> zusHoehen;
};
ProduktRecord produktFromElement(pugi::xml_node produkt);

// The variant of one `variante` element of "aufstellvarianten.dta"; null when its name `n`
// is not a tank count of 1 to 999, optionally followed by "+" and a second count of 0 to
// 999: such a record describes no battery and is skipped.
std::unique_ptr<TAufstellvariante> aufstellvarianteFromElement(pugi::xml_node variante);

// One line of "zubehoer.dta"; no value when the line lacks one of its three separators.
struct ZubehoerRecord {
    std::string warenGruppe;
    // Empty: the accessory belongs to every product of the group.
    std::string produktArtNr;
    std::string artNr;
    bool optional = false;
};
std::optional<ZubehoerRecord> zubehoerFromLine(std::string_view line);

// The display names of the groups in the text of "wg.dta", by code: the rest of the first
// line whose first field is the code.
std::unordered_map<std::string, std::string> produktgruppenNamen(std::string_view wgText);

// Texts and price of a catalogue article as the DATANORM file gives them; the placeholder
// "Noch keine Beschreibung vorhanden." and price 0 for an article the file lacks.
struct ArtikelTexte {
    bool gefunden = false;
    std::string kurztext1;
    std::string kurztext2;
    double preis = 0.0;
    Artikeltext langtext;
    Artikeltext dimensionstext;
};
// Whether a line of "zubehoer.dta" ends inside its optional flag ("t", "tr", "tru"): the file
// was cut there, and the accessory would turn from optional into required.
bool istImKennzeichenAbgeschnitten(std::string_view line);

ArtikelTexte findeArtikel(datanorm::TDatanorm& reader, const std::string& artNr);

}  // namespace velmora
