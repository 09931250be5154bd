#include "app/PlanFile.h"
#include "app/TDaten.h"
#include "base/JsonWriter.h"
#include "cli/plan/PlanFacts.h"
#include "cli/plan/PlanReport.h"

namespace velmora {

namespace {

void writePoints(JsonWriter& json, const TPoints& points) {
    json.beginArray();
    for (const TPoint& point : points) {
        json.beginArray().value(point.X).value(point.Y).endArray();
    }
    json.endArray();
}

void writeRect(JsonWriter& json, const TRect& rect) {
    json.beginArray().value(rect.Left).value(rect.Top).value(rect.Right).value(rect.Bottom);
    json.endArray();
}

void writePlacement(JsonWriter& json, const TTempData& t) {
    json.key("placement").beginObject();
    json.key("tankart").value(t.loesTankart);
    json.key("sollVolumen").value(t.loesSollVolumen);
    json.key("raumBreite").value(t.loesRaumBreite);
    json.key("raumLaenge").value(t.loesRaumLaenge);
    json.key("raumHoehe").value(t.loesRaumHoehe);
    json.key("eckeBreite").value(t.loesEckeBreite);
    json.key("eckeLaenge").value(t.loesEckeLaenge);
    json.key("heizraumBreite").value(t.loesHeizraumBreite);
    json.key("heizraumLaenge").value(t.loesHeizraumLaenge);
    json.key("einbringBreite").value(t.einbringBreite);
    json.key("einbringHoehe").value(t.einbringHoehe);
    json.key("tankPosition").value(t.TankPosition);
    json.key("eckePosition").value(t.EckePosition);
    json.key("heizraumPosition").value(t.HeizraumPosition);
    json.key("heizraum").value(t.heizraum);
    json.key("safeKessel").value(t.safeKessel);
    json.key("zehnCm").value(t.zehnCm);
    json.key("eckeVorhanden").value(t.eckeVorhanden);
    json.key("heizraumVorhanden").value(t.heizraumVorhanden);
    json.key("abstandHeizraum").value(t.getAbstandHeizraum());
    json.key("loesung").value(t.loesung);
    json.endObject();
}

void writeInstallation(JsonWriter& json, const TProdukt& produkt, const TAufstellung& a) {
    const TAufstellvariante& variante = *a.getVariante();
    json.beginObject();
    json.key("variant").value(variante.getVariante());
    json.key("tanks").value(variante.getAnzahlTanks());
    json.key("volume").value(variante.getAnzahlTanks() * produkt.getInhalt());
    json.key("horizontal").value(a.getHorizontal());
    json.key("gedreht").value(a.getGedreht());
    json.key("ignoreNorm").value(a.getIgnoreNorm());
    json.key("fittingsPrice").value(produkt.getVariantenZubehoerPreis(&variante));
    json.key("tankOutline");
    writePoints(json, a.getTankPosition());
    json.key("gapOutline");
    writePoints(json, a.getGapPosition());
    json.key("gapReal");
    writeRect(json, a.GapReal());
    json.key("abstandWaagerecht").value(a.getAbstandWaagerecht());
    json.key("abstandSenkrecht").value(a.getAbstandSenkrecht());
    json.endObject();
}

void writeSolutions(JsonWriter& json, const TDaten& daten) {
    json.key("solutions").beginArray();
    if (const auto* liste = daten.getLoesungsListe()) {
        for (const TProdukt* produkt : *liste) {
            json.beginObject();
            json.key("artNr").value(produkt->getArtikelNr());
            json.key("bezeichnung").value(produkt->getBezeichnung());
            json.key("gruppe").value(productGroupCode(daten, *produkt));
            json.key("inhalt").value(produkt->getInhalt());
            json.key("aufstellvariationen").value(produkt->getAufstellvariation());
            json.key("installations").beginArray();
            for (const auto& aufstellung : produkt->getMoeglicheAufstellVarianten()) {
                writeInstallation(json, *produkt, *aufstellung);
            }
            json.endArray();
            json.endObject();
        }
    }
    json.endArray();
}

void writeCurrent(JsonWriter& json, const TDaten& daten, std::size_t varianteIndex) {
    json.key("current");
    const TProdukt* produkt = daten.getAktuellesProdukt();
    if (produkt == nullptr) {
        json.null();
        return;
    }
    const TTempData& t = daten.getTempData();
    const TAufstellung* aktuell = produkt->getAktuelleAufstellVariante();
    const bool horizontal = aktuell != nullptr && aktuell->getHorizontal();
    json.beginObject();
    json.key("artNr").value(produkt->getArtikelNr());
    json.key("installation");
    // A product without installation variations has no installation to name.
    if (aktuell != nullptr) {
        const auto& liste = produkt->getMoeglicheAufstellVarianten();
        std::size_t index = 0;
        while (liste[index].get() != aktuell) {
            ++index;
        }
        json.value(static_cast<std::int64_t>(index));
        json.key("variant").value(aktuell->getVariante()->getVariante());
        json.key("horizontal").value(horizontal);
    } else {
        json.null();
        json.key("variant").null();
        json.key("horizontal").null();
    }
    json.key("gesamtBreite").value(produkt->getGesamtBreite());
    json.key("gesamtLaenge").value(produkt->getGesamtLaenge());
    json.key("gesamtHoehe").value(produkt->getGesamtHoehe());
    json.key("gesamtInhalt").value(produkt->getGesamtInhalt());
    json.key("gesamtPreis").value(produkt->getGesamtPreis());
    json.key("optZubehoerPreis").value(daten.getOptZubehoerPreis());
    json.key("mindestAbstaende");
    writeRect(json, produkt->getMindestAbstaende(horizontal));
    json.key("mindestAbstand")
        .value(produkt->getMindestAbstand(10, t.TankPosition, t.HeizraumPosition));
    json.key("heizraumAbstandSeite").value(produkt->getHeizraumAbstandSeite(horizontal));
    json.key("varianteIndex").value(static_cast<std::int64_t>(varianteIndex));
    json.key("aktuelleVariante").value(daten.getAktuelleVariante());
    json.key("gesamtVarianten").value(daten.getGesamtVararianten());
    json.key("accessories").beginArray();
    for (std::size_t i = 0; i < produkt->getZubehoerOptionalListeCount(); ++i) {
        const TZubehoerItem& zeile = produkt->getZubehoerOptionalListe(i);
        json.beginObject();
        json.key("artNr").value(zeile.getZubehoer()->getArtNr());
        json.key("bezeichnung").value(zeile.getZubehoer()->getBezeichnung());
        json.key("anzahl").value(zeile.getAnzahl());
        json.key("preis").value(zeile.getZubehoer()->getPreis());
        json.key("checked").value(zeile.isChecked());
        json.key("enabled").value(zeile.isEnabled());
        json.endObject();
    }
    json.endArray();
    json.key("tankPosition");
    writePoints(json, aktuell ? aktuell->getTankPosition() : TPoints{});
    json.key("gapPosition");
    writePoints(json, aktuell ? aktuell->getGapPosition() : TPoints{});
    const TPoint offset = aktuell ? aktuell->CurrentOffset() : TPoint{};
    json.key("offset").beginArray().value(offset.X).value(offset.Y).endArray();
    json.endObject();
}

}  // namespace

std::string planReportJson(const TDaten& daten, const PlanInputs& inputs, std::size_t varianteIndex,
                           const std::optional<PlanMove>& move) {
    JsonWriter json(2);
    json.beginObject();
    writePlanInputs(json, inputs);
    writePlacement(json, daten.getTempData());
    json.key("messages").values(planMessages(daten.getTempData()));
    json.key("roomOutline");
    writePoints(json, daten.getRoomPosition());
    json.key("hzOutline");
    writePoints(json, daten.getRoomHzValidated());
    writeSolutions(json, daten);
    writeCurrent(json, daten, varianteIndex);
    if (move) {
        json.key("move").beginObject();
        json.key("to").beginArray().value(move->to.X).value(move->to.Y).endArray();
        json.key("valid").value(move->valid);
        json.endObject();
    }
    // Only an incomplete catalogue adds the key, so a complete one answers as before.
    if (!daten.getArtikelOhnePreis().empty()) {
        json.key("missingPrices").values(daten.getArtikelOhnePreis());
    }
    json.endObject();
    return json.str();
}

}  // namespace velmora
