#include "DatanormReport.h"

#include "base/JsonWriter.h"
#include "datanorm/FieldValues.h"

namespace velmora::datanorm {

std::string dateiZeile(const TDatanorm& datanorm) {
    const TVorlaufsatz& kopf = datanorm.getVorlaufsatz();
    const THauptwarengruppensatz* warengruppen = datanorm.getHauptwarengruppensatz();
    JsonWriter json;
    json.beginObject();
    json.key("version").value(datanorm.getVersion());
    json.key("datum");
    if (kopf.Datum == 0.0) {
        json.null();
    } else {
        json.value(formatIsoDate(kopf.Datum));
    }
    json.key("waehrung").value(kopf.Waehrungskennzeichen);
    json.key("informationstext")
        .values({kopf.Informationstext1, kopf.Informationstext2, kopf.Informationstext3});
    json.key("artikel").value(static_cast<std::int64_t>(datanorm.getArtikelanzahl()));
    json.key("textsaetze").value(datanorm.getSatzzahlen().laenge_textsatz);
    json.key("dimensionssaetze").value(datanorm.getSatzzahlen().laenge_dimensionssatz);
    json.key("grossModus").value(datanorm.isGrosseDateien());
    json.key("warengruppen")
        .value(static_cast<std::int64_t>(
            warengruppen == nullptr ? 0 : warengruppen->Hauptwarengruppensaetze.size()));
    json.key("rabattgruppen").value(static_cast<std::int64_t>(datanorm.getRabattsaetze().size()));
    json.endObject();
    return json.str();
}

std::string artikelZeile(const TProdukt& produkt) {
    JsonWriter json;
    json.beginObject();
    json.key("artNr").value(produkt.Artikelnummer);
    json.key("kurztext1").value(produkt.Kurztext1);
    json.key("kurztext2").value(produkt.Kurztext2);
    json.key("preis").value(produkt.Preis);
    json.key("mengeneinheit").value(produkt.Mengeneinheit);
    json.key("warengruppe").value(produkt.Warengruppe);
    json.key("rabattgruppe").value(produkt.Rabattgruppe);
    json.key("matchcode").value(produkt.Matchcode);
    json.key("ean").value(produkt.EAN);
    json.key("langtext").values(produkt.Langtext);
    json.key("dimensionstext").values(produkt.Dimensionstext);
    json.endObject();
    return json.str();
}

}  // namespace velmora::datanorm
