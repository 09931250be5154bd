#include "datanorm/RecordParser.h"

#include "datanorm/FieldValues.h"
#include "datanorm/TextCase.h"

namespace velmora::datanorm {

void parseArtikelsatz(FieldRow& row, int version, TArtikelsatzA& satz) {
    nimm(row, 2, satz.Verarbeitungsmerker);
    satz.Artikelnummer = normalisiereArtikelnummer(feld(row, 3));
    satz.Preiskennzeichen = parseByte(feld(row, 7));
    satz.Preiseinheit = parseInteger(feld(row, 8));
    if (version == 5) {
        nimm(row, 4, satz.Kurztext1);
        nimm(row, 5, satz.Kurztext2);
        nimm(row, 6, satz.Mengeneinheit);
        satz.Preis = parseDecimal(feld(row, 9));
        nimm(row, 10, satz.Rabattgruppe);
        nimm(row, 11, satz.Hauptwarengruppe);
        nimm(row, 12, satz.Warengruppe);
        nimm(row, 13, satz.Matchcode);
        nimm(row, 14, satz.Ersteller_alternativ_artikelnummer);
        nimm(row, 15, satz.Alternativ_artikelnummer);
        nimm(row, 16, satz.Ersteller_alternativ_herstellernummer);
        nimm(row, 17, satz.Herstellernummer);
        nimm(row, 18, satz.Herstellertype);
        nimm(row, 19, satz.EAN_Nummer);
        nimm(row, 20, satz.Anbindenummer);
        satz.Mindestverpackungsmenge = parseInteger(feld(row, 21));
        nimm(row, 22, satz.Katalogseite);
        satz.Textkennzeichen = parseByte(feld(row, 23));
        nimm(row, 24, satz.Langtextnummer);
        satz.Kostenart = parseByte(feld(row, 25));
        satz.Lagermerker = parseByte(feld(row, 26));
        nimm(row, 27, satz.Ersteller_referenznummern);
        nimm(row, 28, satz.Referenznummer);
        satz.Mehrwertsteuermerker = parseByte(feld(row, 29));
    } else {
        satz.Textkennzeichen = parseByte(feld(row, 4));
        nimm(row, 5, satz.Kurztext1);
        nimm(row, 6, satz.Kurztext2);
        nimm(row, 9, satz.Mengeneinheit);
        satz.Preis = parseDecimal(feld(row, 10));
        nimm(row, 11, satz.Rabattgruppe);
        nimm(row, 12, satz.Hauptwarengruppe);
        nimm(row, 13, satz.Langtextnummer);
    }
}

void parseTextsatz(FieldRow& row, int version, TTextsatz& satz) {
    nimm(row, 2, satz.Verarbeitungsmerker);
    nimm(row, 3, satz.Textnummer);
    satz.Zeilennummer = parseByte(feld(row, 5));
    if (version == 5) {
        nimm(row, 1, satz.Satzartenkennzeichen);
        satz.Merker_verwendung = parseInteger(feld(row, 4));
        nimm(row, 6, satz.Textzeile);
        satz.Zeilennummer2 = parseByte(feld(row, 7));
        nimm(row, 8, satz.Langtextzeile2);
    } else {
        nimm(row, 7, satz.Textzeile);
        satz.Zeilennummer2 = parseByte(feld(row, 8));
        nimm(row, 10, satz.Langtextzeile2);
    }
}

void parseDimensionssatz(FieldRow& row, int version, TDimensionssatz& satz) {
    nimm(row, 2, satz.Verarbeitungskennzeichen);
    satz.Zeilennummer = parseByte(feld(row, 4));
    nimm(row, 5, satz.Unterkennzeichen);
    satz.Zeilennummer2 = parseByte(feld(row, 8));
    nimm(row, 9, satz.Kennzeichen);
    nimm(row, 11, satz.Textzeile2);
    if (version == 5) {
        nimm(row, 1, satz.Satzartenkennzeichen);
        satz.Dimensionstextnummer = feld(row, 3);
        nimm(row, 6, satz.Textzeile);
        nimm(row, 7, satz.Einfuegetextbausteinnummer);
        satz.Langtextnummer2 = feld(row, 10).empty() ? feld(row, 3) : feld(row, 10);
    } else {
        satz.Artikelnummer = feld(row, 3);
        nimm(row, 6, satz.Langtextnummer);
        nimm(row, 7, satz.Textzeile);
        satz.Langtextnummer2 = feld(row, 10);
    }
}

TEinfuegetextsatz parseEinfuegetextsatz(const FieldRow& row, const TDatanorm* parent) {
    TEinfuegetextsatz satz(parent);
    satz.Verarbeitungsmerker = feld(row, 2);
    satz.Langtextnummer = feld(row, 3);
    satz.Zeilennummer1 = parseInteger(feld(row, 5));
    satz.Einfuegetextzeile1 = feld(row, 7);
    satz.Zeilennummer2 = parseInteger(feld(row, 8));
    satz.Einfuegetextzeile2 = feld(row, 10);
    return satz;
}

TGrafikbindungssatz parseGrafikbindungssatz(const FieldRow& row, bool mitKurzbeschreibung,
                                            const TDatanorm* parent) {
    TGrafikbindungssatz satz(parent);
    satz.Verarbeitungsmerker = feld(row, 2);
    satz.Grafikanbindungsnummer = feld(row, 3);
    satz.Zeilennummer = parseByte(feld(row, 4));
    satz.Anbindeart = feld(row, 5);
    satz.Dateiname = feld(row, 6);
    satz.Extension = feld(row, 7);
    if (mitKurzbeschreibung) {
        satz.Kurzbeschreibung = feld(row, 8);
    }
    return satz;
}

void parseKundenkontrollsatz(const FieldRow& row, TKundenkontrollsatz& satz) {
    satz.Kundennummer = feld(row, 2);
    satz.Anschrift_kunde1 = feld(row, 11);
    satz.Anschrift_kunde2 = feld(row, 12);
    satz.Anschrift_kunde3 = feld(row, 13);
    satz.Anschrift_kunde_strasse = feld(row, 14);
    satz.Anschrift_kunde_land = feld(row, 15);
    satz.Anschrift_kunde_plz = feld(row, 16);
    satz.Anschrift_kunde_ort = feld(row, 17);
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
