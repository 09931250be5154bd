#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace velmora::datanorm {

class TDatanorm;

// Common part of every record of a DATANORM file: its kind letter and the reader it
// belongs to (not owned).
class TDatanormbasis {
public:
    explicit TDatanormbasis(std::string kind, const TDatanorm* parent = nullptr)
        : Satzartenkennzeichen(std::move(kind)), Parent(parent) {}

    std::string Satzartenkennzeichen;
    const TDatanorm* Parent = nullptr;
};

// File header ("V").
class TVorlaufsatz : public TDatanormbasis {
public:
    explicit TVorlaufsatz(const TDatanorm* parent = nullptr) : TDatanormbasis("V", parent) {}

    std::string Versionskennung = "V50";
    std::string Datenkennzeichen;
    // Days since 30 December 1899; 0 when the file names no valid date.
    double Datum = 0.0;
    std::string Waehrungskennzeichen;
    std::string Dateninhaltsbeschreibung;
    std::string Copyright;
    std::string Datenersteller;
    std::string Anschrift_datenersteller1;
    std::string Anschrift_datenersteller2;
    std::string Anschrift_datenersteller3;
    std::string Anschrift_datenersteller_strasse;
    std::string Anschrift_datenersteller_land;
    std::string Anschrift_datenersteller_plz;
    std::string Anschrift_datenersteller_ort;
    std::string Informationstext1;
    std::string Informationstext2;
    std::string Informationstext3;
};

// Customer control record ("K"); only the first one of a file is read.
class TKundenkontrollsatz : public TDatanormbasis {
public:
    explicit TKundenkontrollsatz(const TDatanorm* parent = nullptr) : TDatanormbasis("K", parent) {}

    std::string Kundennummer;
    std::string Anschrift_kunde1;
    std::string Anschrift_kunde2;
    std::string Anschrift_kunde3;
    std::string Anschrift_kunde_strasse;
    std::string Anschrift_kunde_land;
    std::string Anschrift_kunde_plz;
    std::string Anschrift_kunde_ort;
    std::string Preispflege;
};

// Article record ("A" with processing flag "N").
class TArtikelsatzA : public TDatanormbasis {
public:
    explicit TArtikelsatzA(const TDatanorm* parent = nullptr) : TDatanormbasis("A", parent) {}

    std::string Verarbeitungsmerker;
    // Normalised: characters of code 32 or less removed, lower-cased.
    std::string Artikelnummer;
    std::string Kurztext1;
    std::string Kurztext2;
    std::string Mengeneinheit;
    std::uint8_t Preiskennzeichen = 0;
    std::int32_t Preiseinheit = 0;
    // As in the file: hundredths of the currency unit.
    double Preis = 0.0;
    std::string Rabattgruppe;
    std::string Hauptwarengruppe;
    std::string Warengruppe;
    std::string Matchcode;
    std::string Alternativ_artikelnummer;
    std::string Ersteller_alternativ_artikelnummer;
    std::string Ersteller_alternativ_herstellernummer;
    std::string Herstellernummer;
    std::string Herstellertype;
    std::string EAN_Nummer;
    std::string Anbindenummer;
    std::int32_t Mindestverpackungsmenge = 0;
    std::string Katalogseite;
    std::uint8_t Textkennzeichen = 0;
    std::string Langtextnummer;
    std::uint8_t Kostenart = 0;
    std::uint8_t Lagermerker = 0;
    std::string Ersteller_referenznummern;
    std::string Referenznummer;
    std::uint8_t Mehrwertsteuermerker = 0;
};

// One line of a long text ("T").
class TTextsatz : public TDatanormbasis {
public:
    explicit TTextsatz(const TDatanorm* parent = nullptr) : TDatanormbasis("T", parent) {}

    std::string Verarbeitungsmerker;
    std::string Textnummer;
    std::int32_t Merker_verwendung = 0;
    std::uint8_t Zeilennummer = 0;
    std::string Textzeile;
    std::uint8_t Zeilennummer2 = 0;
    std::string Langtextzeile2;
};

// One line of a dimension text ("D").
class TDimensionssatz : public TDatanormbasis {
public:
    explicit TDimensionssatz(const TDatanorm* parent = nullptr) : TDatanormbasis("D", parent) {}

    std::string Verarbeitungskennzeichen;
    std::string Dimensionstextnummer;
    std::uint8_t Zeilennummer = 0;
    std::string Unterkennzeichen;
    std::string Textzeile;
    std::string Einfuegetextbausteinnummer;
    std::string Artikelnummer;
    std::string Langtextnummer;
    std::string Langtextnummer2;
    std::string Kennzeichen;
    std::string Langtext;
    std::uint8_t Zeilennummer2 = 0;
    std::string Textzeile2;
};

// Insertion text ("E", DATANORM 4 only).
class TEinfuegetextsatz : public TDatanormbasis {
public:
    explicit TEinfuegetextsatz(const TDatanorm* parent = nullptr) : TDatanormbasis("E", parent) {}

    std::string Verarbeitungsmerker;
    std::string Langtextnummer;
    std::int32_t Zeilennummer1 = 0;
    std::string Einfuegetextzeile1;
    std::int32_t Zeilennummer2 = 0;
    std::string Einfuegetextzeile2;
};

// Graphic link ("G", DATANORM 5 only).
class TGrafikbindungssatz : public TDatanormbasis {
public:
    explicit TGrafikbindungssatz(const TDatanorm* parent = nullptr) : TDatanormbasis("G", parent) {}

    std::string Verarbeitungsmerker;
    std::string Grafikanbindungsnummer;
    std::uint8_t Zeilennummer = 0;
    std::string Anbindeart;
    std::string Dateiname;
    std::string Extension;
    std::string Kurzbeschreibung;
};

// End record; kept for completeness of the model, never filled by loading.
class TDateiendesatz : public TDatanormbasis {
public:
    explicit TDateiendesatz(const TDatanorm* parent = nullptr) : TDatanormbasis("E", parent) {}

    std::int32_t Anzahl_zeilen = 0;
    std::string Bemerkung;
};

}  // namespace velmora::datanorm
