#include "datanorm/RecordParser.h"

#include "datanorm/FieldValues.h"
#include "datanorm/TextCase.h"

namespace velmora::datanorm {

void parseArtikelsatz(const LineFields& row, int version, TArtikelsatzA& satz) {
    row.text(2, satz.Verarbeitungsmerker);
    row.text(3, satz.Artikelnummer);
    normalisiereArtikelnummerInPlace(satz.Artikelnummer);
    satz.Preiskennzeichen = parseByte(row.feld(7));
    satz.Preiseinheit = parseInteger(row.feld(8));
    if (version == 5) {
        row.text(4, satz.Kurztext1);
        row.text(5, satz.Kurztext2);
        row.text(6, satz.Mengeneinheit);
        satz.Preis = parseDecimal(row.feld(9));
        row.text(10, satz.Rabattgruppe);
        row.text(11, satz.Hauptwarengruppe);
        row.text(12, satz.Warengruppe);
        row.text(13, satz.Matchcode);
        row.text(14, satz.Ersteller_alternativ_artikelnummer);
        row.text(15, satz.Alternativ_artikelnummer);
        row.text(16, satz.Ersteller_alternativ_herstellernummer);
        row.text(17, satz.Herstellernummer);
        row.text(18, satz.Herstellertype);
        row.text(19, satz.EAN_Nummer);
        row.text(20, satz.Anbindenummer);
        satz.Mindestverpackungsmenge = parseInteger(row.feld(21));
        row.text(22, satz.Katalogseite);
        satz.Textkennzeichen = parseByte(row.feld(23));
        row.text(24, satz.Langtextnummer);
        satz.Kostenart = parseByte(row.feld(25));
        satz.Lagermerker = parseByte(row.feld(26));
        row.text(27, satz.Ersteller_referenznummern);
        row.text(28, satz.Referenznummer);
        satz.Mehrwertsteuermerker = parseByte(row.feld(29));
    } else {
        satz.Textkennzeichen = parseByte(row.feld(4));
        row.text(5, satz.Kurztext1);
        row.text(6, satz.Kurztext2);
        row.text(9, satz.Mengeneinheit);
        satz.Preis = parseDecimal(row.feld(10));
        row.text(11, satz.Rabattgruppe);
        row.text(12, satz.Hauptwarengruppe);
        row.text(13, satz.Langtextnummer);
    }
}

void parseTextsatz(const LineFields& row, int version, TTextsatz& satz) {
    row.text(2, satz.Verarbeitungsmerker);
    row.text(3, satz.Textnummer);
    satz.Zeilennummer = parseByte(row.feld(5));
    if (version == 5) {
        row.text(1, satz.Satzartenkennzeichen);
        satz.Merker_verwendung = parseInteger(row.feld(4));
        row.text(6, satz.Textzeile);
        satz.Zeilennummer2 = parseByte(row.feld(7));
        row.text(8, satz.Langtextzeile2);
    } else {
        row.text(7, satz.Textzeile);
        satz.Zeilennummer2 = parseByte(row.feld(8));
        row.text(10, satz.Langtextzeile2);
    }
}

void parseDimensionssatz(const LineFields& row, int version, TDimensionssatz& satz) {
    row.text(2, satz.Verarbeitungskennzeichen);
    satz.Zeilennummer = parseByte(row.feld(4));
    row.text(5, satz.Unterkennzeichen);
    satz.Zeilennummer2 = parseByte(row.feld(8));
    row.text(9, satz.Kennzeichen);
    row.text(11, satz.Textzeile2);
    if (version == 5) {
        row.text(1, satz.Satzartenkennzeichen);
        row.text(3, satz.Dimensionstextnummer);
        row.text(6, satz.Textzeile);
        row.text(7, satz.Einfuegetextbausteinnummer);
        row.text(row.feld(10).empty() ? 3 : 10, satz.Langtextnummer2);
    } else {
        row.text(3, satz.Artikelnummer);
        row.text(6, satz.Langtextnummer);
        row.text(7, satz.Textzeile);
        row.text(10, satz.Langtextnummer2);
    }
}

TEinfuegetextsatz parseEinfuegetextsatz(const LineFields& row, const TDatanorm* parent) {
    TEinfuegetextsatz satz(parent);
    row.text(2, satz.Verarbeitungsmerker);
    row.text(3, satz.Langtextnummer);
    satz.Zeilennummer1 = parseInteger(row.feld(5));
    row.text(7, satz.Einfuegetextzeile1);
    satz.Zeilennummer2 = parseInteger(row.feld(8));
    row.text(10, satz.Einfuegetextzeile2);
    return satz;
}

TGrafikbindungssatz parseGrafikbindungssatz(const LineFields& row, bool mitKurzbeschreibung,
                                            const TDatanorm* parent) {
    TGrafikbindungssatz satz(parent);
    row.text(2, satz.Verarbeitungsmerker);
    row.text(3, satz.Grafikanbindungsnummer);
    satz.Zeilennummer = parseByte(row.feld(4));
    row.text(5, satz.Anbindeart);
    row.text(6, satz.Dateiname);
    row.text(7, satz.Extension);
    if (mitKurzbeschreibung) {
        row.text(8, satz.Kurzbeschreibung);
    }
    return satz;
}

void parseKundenkontrollsatz(const LineFields& row, TKundenkontrollsatz& satz) {
    row.text(2, satz.Kundennummer);
    row.text(11, satz.Anschrift_kunde1);
    row.text(12, satz.Anschrift_kunde2);
    row.text(13, satz.Anschrift_kunde3);
    row.text(14, satz.Anschrift_kunde_strasse);
    row.text(15, satz.Anschrift_kunde_land);
    row.text(16, satz.Anschrift_kunde_plz);
    row.text(17, satz.Anschrift_kunde_ort);
}

void parseVorlaufsatz(const FieldRow& kopf, int version, bool grosseDatei, TVorlaufsatz& satz) {
    if (version == 4) {
        if (feld(kopf, 1) != "V") {
            return;
        }
        satz.Datum = parseDatumTTMMJJ(feld(kopf, 2));
        satz.Informationstext1 = feld(kopf, 3);
        satz.Informationstext2 = feld(kopf, 4);
        satz.Informationstext3 = feld(kopf, 5);
        satz.Versionskennung = feld(kopf, 6);
        satz.Waehrungskennzeichen = feld(kopf, 7);
        return;
    }
    satz.Versionskennung = feld(kopf, 2);
    satz.Datum = parseDatumJJJJMMTT(feld(kopf, 4));
    satz.Waehrungskennzeichen = feld(kopf, 5);
    const bool vSatz = feld(kopf, 1) == "V";
    if (!vSatz || grosseDatei) {
        satz.Informationstext1 = feld(kopf, 6);
        satz.Informationstext2 = feld(kopf, 7);
        satz.Informationstext3 = feld(kopf, 8);
    }
    if (!vSatz) {
        return;
    }
    satz.Datenkennzeichen = feld(kopf, 3);
    satz.Dateninhaltsbeschreibung = feld(kopf, 6);
    satz.Copyright = feld(kopf, 7);
    satz.Datenersteller = feld(kopf, 8);
    satz.Anschrift_datenersteller1 = feld(kopf, 9);
    satz.Anschrift_datenersteller2 = feld(kopf, 10);
    satz.Anschrift_datenersteller3 = feld(kopf, 11);
    satz.Anschrift_datenersteller_strasse = feld(kopf, 12);
    satz.Anschrift_datenersteller_land = feld(kopf, 13);
    satz.Anschrift_datenersteller_plz = feld(kopf, 14);
    satz.Anschrift_datenersteller_ort = feld(kopf, 15);
}

}  // namespace velmora::datanorm
