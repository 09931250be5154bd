#include "app/CatalogueRecords.h"

#include "catalogue/files/CatalogueLines.h"
#include "catalogue/files/xmlNodeHelper.h"
#include "datanorm/TDatanorm.h"

namespace velmora {

using namespace xmlNodeHelper;

namespace {

// The four texts abstand1 ... abstand4 of the named child element.
std::vector<std::string> abstaende(pugi::xml_node produkt, std::string_view name) {
    int index = 0;
    const pugi::xml_node node = getChildNode(produkt, name, index);
    return {getAttribute(node, "abstand1"), getAttribute(node, "abstand2"),
            getAttribute(node, "abstand3"), getAttribute(node, "abstand4")};
}

std::vector<std::unique_ptr<TZusaetzlicheAufstellHoehe>> zusHoehen(pugi::xml_node produkt) {
    int index = 0;
    const pugi::xml_node hoehen = getChildNode(produkt, "zusHoehen", index);
    std::vector<std::unique_ptr<TZusaetzlicheAufstellHoehe>> result;
    for (const pugi::xml_node variante : getChildNodes(hoehen, "variante")) {
        result.push_back(std::make_unique<TZusaetzlicheAufstellHoehe>(
            getAttributeInt(variante, "anzahl"), getAttributeInt(variante, "hoehe")));
    }
    return result;
}

// A count of the variant name: one to three decimal digits, nothing else.
std::optional<int> tankCount(std::string_view text) {
    if (text.empty() || text.size() > 3 ||
        text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    return xmlNodeHelper::parseInteger(text);
}

bool isVariantenName(std::string_view name) {
    const auto plus = name.find('+');
    const std::optional<int> reihe1 = tankCount(name.substr(0, plus));
    if (!reihe1 || *reihe1 < 1) {
        return false;
    }
    return plus == std::string_view::npos || tankCount(name.substr(plus + 1)).has_value();
}

}  // namespace

ProduktRecord produktFromElement(pugi::xml_node produkt) {
    ProduktRecord r;
    r.artNr = getAttribute(produkt, "artNr");
    r.warenGruppe = getAttribute(produkt, "warenGruppe");
    r.inhalt = getAttributeInt(produkt, "inhalt");
    r.breite = getAttributeInt(produkt, "breite");
    r.laenge = getAttributeInt(produkt, "laenge");
    r.hoehe = getAttributeInt(produkt, "hoehe");
    r.aufstellungsvariation = getAttributeBool(produkt, "aufstellungsvariation");
    r.zusBreite = getAttributeInt(produkt, "zusBreite");
    r.zusLaenge = getAttributeInt(produkt, "zusLaenge");
    r.zusSpezLaenge = getAttributeInt(produkt, "zusLaengeQueraufstellung");
    r.produktbild = getAttribute(produkt, "produktbild");
    r.tankgrafik = getAttribute(produkt, "tankgrafik");
    const int rohrStartX = getAttributeInt(produkt, "rohrStartX");
    const int rohrEndeX = getAttributeInt(produkt, "rohrEndeX");
    r.rohrStart = {rohrStartX, getAttributeInt(produkt, "rohrStartY")};
    r.rohrEnde = {rohrEndeX, getAttributeInt(produkt, "rohrEndeY")};
    r.rohrStartReihe2 = {rohrStartX, getAttributeInt(produkt, "rohrStartYReihe2")};
    r.rohrEndeReihe2 = {rohrEndeX, getAttributeInt(produkt, "rohrEndeYReihe2")};
    r.aufsatzGegenueber = getAttributeBool(produkt, "aufsatzGegenueber");
    r.abstaendeEinreihig = abstaende(produkt, "abstandEinreihig");
    r.abstaendeZweireihig = abstaende(produkt, "abstandZweireihig");
    r.abstaendeZweireihigMitEinzeltank = abstaende(produkt, "abstandZweireihigMitEinzeltank");
    r.abstaendeZweireihigNormIgnore = abstaende(produkt, "abstandZweireihigNormIgnore");
    r.zusHoehen = zusHoehen(produkt);
    return r;
}

std::unique_ptr<TAufstellvariante> aufstellvarianteFromElement(pugi::xml_node variante) {
    std::string name = getAttribute(variante, "n");
    if (!isVariantenName(name)) {
        return nullptr;
    }
    const TRect gapOut{getAttributeInt(variante, "gL"), getAttributeInt(variante, "gT"),
                       getAttributeInt(variante, "gR"), getAttributeInt(variante, "gB")};
    const TRect gapOutNormIgnore{getAttributeInt(variante, "gNiL", gapOut.Left),
                                 getAttributeInt(variante, "gNiT", gapOut.Top),
                                 getAttributeInt(variante, "gNiR", gapOut.Right),
                                 getAttributeInt(variante, "gNiB", gapOut.Bottom)};
    const TPoint gapIn{getAttributeInt(variante, "giX"), getAttributeInt(variante, "giY")};
    const TPoint gapInNormIgnore{getAttributeInt(variante, "giNiX", gapIn.X),
                                 getAttributeInt(variante, "giNiY", gapIn.Y)};
    return std::make_unique<TAufstellvariante>(
        std::move(name), getAttribute(variante, "p"), getAttributeInt(variante, "hp"),
        getAttributeInt(variante, "ep"), getAttributeInt(variante, "up"),
        getAttributeInt(variante, "upSonder"), getAttributeBool(variante, "zwReihWaag"),
        getAttributeBool(variante, "normRel"), !getAttributeBool(variante, "ignNorm"), gapOut,
        gapOutNormIgnore, gapIn, gapInNormIgnore);
}

std::optional<ZubehoerRecord> zubehoerFromLine(std::string_view line) {
    const std::vector<std::string> fields = splitCatalogueFields(line);
    if (fields.size() < 3) {
        return std::nullopt;
    }
    return ZubehoerRecord{fields[0], fields[1], fields[2], restAfterFields(line, 3) == "true"};
}

std::unordered_map<std::string, std::string> produktgruppenNamen(std::string_view wgText) {
    std::unordered_map<std::string, std::string> namen;
    for (const std::string& line : splitCatalogueLines(wgText)) {
        const std::vector<std::string> fields = splitCatalogueFields(line);
        if (!fields.empty()) {
            namen.emplace(fields[0], restAfterFields(line, 1));
        }
    }
    return namen;
}

bool istImKennzeichenAbgeschnitten(std::string_view line) {
    constexpr std::string_view kOptional = "true";
    const std::string rest = restAfterFields(line, 3);
    return !rest.empty() && rest.size() < kOptional.size() && kOptional.starts_with(rest);
}

ArtikelTexte findeArtikel(datanorm::TDatanorm& reader, const std::string& artNr) {
    const std::unique_ptr<datanorm::TProdukt> artikel = reader.finde_produkt(artNr);
    if (!artikel) {
        return {false, "Noch keine Beschreibung vorhanden.", "", 0.0, std::nullopt, std::nullopt};
    }
    return {true,           artikel->Kurztext1,           artikel->Kurztext2,
            artikel->Preis, std::move(artikel->Langtext), std::move(artikel->Dimensionstext)};
}

}  // namespace velmora
