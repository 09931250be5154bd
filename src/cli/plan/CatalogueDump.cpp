#include "cli/plan/CatalogueDump.h"

#include "app/TDaten.h"
#include "base/JsonWriter.h"

namespace velmora {

namespace {

void writeRect(JsonWriter& json, const TRect& rect) {
    json.beginArray().value(rect.Left).value(rect.Top).value(rect.Right).value(rect.Bottom);
    json.endArray();
}

void writePoint(JsonWriter& json, const TPoint& point) {
    json.beginArray().value(point.X).value(point.Y).endArray();
}

void writeVariants(JsonWriter& json, const std::vector<std::unique_ptr<TAufstellvariante>>& list) {
    json.beginArray();
    for (const auto& v : list) {
        json.beginObject();
        json.key("name").value(v->getVariante());
        json.key("produktArtNr").value(v->ProduktArtNr());
        json.key("reihe1").value(v->getReihe1());
        json.key("reihe2").value(v->getReihe2());
        json.key("hp").value(v->getHp());
        json.key("ep").value(v->getEp());
        json.key("up").value(v->getUp());
        json.key("upSonder").value(v->getUpSonder());
        json.key("zwReihWaag").value(v->getZwReihWaag());
        json.key("normRelevant").value(v->isNormrelevant());
        json.key("hasNormAlternative").value(v->HasNormAlternative());
        json.key("gapOut");
        writeRect(json, v->getGapOut(false));
        json.key("gapOutNormIgnore");
        writeRect(json, v->getGapOut(true));
        json.key("gapIn");
        writePoint(json, v->getGapIn(false));
        json.key("gapInNormIgnore");
        writePoint(json, v->getGapIn(true));
        json.endObject();
    }
    json.endArray();
}

// An article text the DATANORM file lacks is dumped as an empty list.
const std::vector<std::string>& zeilen(const Artikeltext& text) {
    static const std::vector<std::string> keine;
    return text ? *text : keine;
}

void writeAccessories(JsonWriter& json, const std::vector<std::unique_ptr<TZubehoer>>& list) {
    json.beginArray();
    for (const auto& a : list) {
        json.beginObject();
        json.key("artNr").value(a->getArtNr());
        json.key("bezeichnung").value(a->getBezeichnung());
        json.key("preis").value(a->getKatalogPreis());
        json.key("optional").value(a->getOptional());
        json.key("produktbeschreibung").values(zeilen(a->getProduktbeschreibung()));
        json.key("dimensionstext").values(zeilen(a->getDimensionstext()));
        json.endObject();
    }
    json.endArray();
}

void writeProduct(JsonWriter& json, const TProdukt& p) {
    json.beginObject();
    json.key("artNr").value(p.getArtikelNr());
    json.key("bezeichnung").value(p.getBezeichnung());
    json.key("bezeichnung2").value(p.getBezeichnung_kt2());
    json.key("preis").value(p.getKatalogPreis());
    json.key("inhalt").value(p.getInhalt());
    json.key("breite").value(p.getBreite());
    json.key("laenge").value(p.getLaenge());
    json.key("hoehe").value(p.getHoehe());
    json.key("aufstellvariationen").value(p.getAufstellvariation());
    json.key("zusBreite").value(p.getZusBreite());
    json.key("zusLaenge").value(p.getZusLaenge());
    json.key("zusSpezLaenge").value(p.getZusSpezLaenge());
    json.key("bild").value(p.getBild());
    json.key("grafik").value(p.getGrafik());
    json.key("rohrStart");
    writePoint(json, p.getRohrStart());
    json.key("rohrEnde");
    writePoint(json, p.getRohrEnde());
    json.key("rohrStartReihe2");
    writePoint(json, p.getRohrStartReihe2());
    json.key("rohrEndeReihe2");
    writePoint(json, p.getRohrEndeReihe2());
    json.key("aufsatzGegenueber").value(p.getAufsatzGegenueber());
    json.key("abstaende").beginObject();
    json.key("einreihig").values(p.getAbstaendeEinreihig());
    json.key("zweireihig").values(p.getAbstaendeZweireihig());
    json.key("zweireihigMitEinzeltank").values(p.getAbstaendeZweireihigMitEinzeltank());
    json.key("zweireihigNormIgnore").values(p.getAbstaendeZweireihigNormIgn());
    json.endObject();
    json.key("zusHoehen").beginArray();
    for (const auto& hoehe : p.getZusAufstellhoehen()) {
        json.beginArray().value(hoehe->getAnzahl()).value(hoehe->getHoehe()).endArray();
    }
    json.endArray();
    json.key("produktbeschreibung").values(zeilen(p.getProduktbeschreibung()));
    json.key("dimensionstext").values(zeilen(p.getDimensionstext()));
    json.key("variants");
    writeVariants(json, p.getAufstellvariantenListe());
    json.key("accessories");
    writeAccessories(json, p.getZubehoerListe());
    json.endObject();
}

void writeSettings(JsonWriter& json, const TDaten& daten) {
    json.beginObject();
    json.key("standardRaumBreite").value(daten.getStandardRaumBreite());
    json.key("standardRaumLaenge").value(daten.getStandardRaumLaenge());
    json.key("standardRaumHoehe").value(daten.getStandardRaumHoehe());
    json.key("standardVolumen").value(daten.getStandardVolumen());
    json.key("standardEinbringHoehe").value(daten.getStandardEinbringHoehe());
    json.key("standardEinbringBreite").value(daten.getStandardEinbringBreite());
    json.key("maxRaumBreite").value(daten.getMaxRaumBreite());
    json.key("maxRaumLaenge").value(daten.getMaxRaumLaenge());
    json.key("maxRaumHoehe").value(daten.getMaxRaumHoehe());
    json.key("maxVolumenBeiHeizraum").value(daten.getMaxVolumenBeiHeizraum());
    json.key("volumenVarianz").value(daten.getVolumenVarianz());
    json.key("standardProjektName").value(daten.getStandardProjektName());
    json.endObject();
}

}  // namespace

std::string catalogueDumpJson(const TDaten& daten) {
    JsonWriter json(2);
    json.beginObject();
    json.key("errors").values(daten.getFehlendeDateien());
    json.key("settings");
    writeSettings(json, daten);
    json.key("groups").beginArray();
    for (const auto& gruppe : daten.getProduktgruppenListe()) {
        json.beginObject();
        json.key("code").value(gruppe->getWGBezeichnung());
        json.key("name").value(gruppe->getBezeichnung());
        json.key("variants");
        writeVariants(json, gruppe->getAufstellvariantenListe());
        json.key("accessories");
        writeAccessories(json, gruppe->getZubehoerListe());
        json.key("products").beginArray();
        for (const auto& produkt : gruppe->getProduktListe()) {
            writeProduct(json, *produkt);
        }
        json.endArray();
        json.endObject();
    }
    json.endArray();
    json.endObject();
    return json.str();
}

}  // namespace velmora
