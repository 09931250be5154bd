// The side files of a DATANORM delivery: product groups ("wrg"), discount groups ("rab")
// and the reader's own discount cache ("erab").
#include <cstdio>

#include "base/CodePage.h"
#include "datanorm/DatanormFiles.h"
#include "datanorm/FieldValues.h"
#include "datanorm/TDatanorm.h"
#include "datanorm/TextCase.h"

namespace velmora::datanorm {

namespace {

constexpr std::size_t kSuffixCut = 3;

// A side file carries its own version: "V" with "050" at characters 3 to 5 is DATANORM 5.
int seitendateiVersion(std::string_view ersteZeile) {
    return ersteZeile.size() >= 5 && ersteZeile[0] == 'V' && ersteZeile.substr(2, 3) == "050" ? 5
                                                                                              : 4;
}

// Splits the lines of a side file: the first like the article file's first line, the
// others at ";". A line of more fields than a side file allows makes the file malformed.
template <typename Malformed>
std::vector<FieldRow> splitSeitendatei(const std::vector<std::string_view>& zeilen,
                                       int artikelVersion, Malformed malformed) {
    std::vector<FieldRow> rows;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        if (i == 0) {
            rows.push_back(splitKopfzeile(zeilen[i], artikelVersion));
            continue;
        }
        std::size_t anzahl = 0;
        splitFields(zeilen[i], kMaxSeitendateiFelder, &anzahl);
        if (anzahl > kMaxSeitendateiFelder) {
            malformed();
            break;
        }
        rows.push_back(splitConverted(zeilen[i], kMaxSeitendateiFelder));
    }
    return rows;
}

std::unique_ptr<TWarengruppensatz> parseWarengruppensatz(const FieldRow& row, int version,
                                                         const TDatanorm* parent) {
    auto satz = std::make_unique<TWarengruppensatz>(parent);
    if (version == 5) {
        if (feld(row, 4).empty()) {
            return nullptr;
        }
        satz->Hauptwarengruppe = feld(row, 2);
        satz->Bezeichnung = feld(row, 4) == " " ? feld(row, 3) : feld(row, 4);
        return satz;
    }
    if (feld(row, 3).empty()) {
        return nullptr;
    }
    satz->Hauptwarengruppe = feld(row, 3);
    const bool hatBezeichnung = !istLeerOderBlank(feld(row, 4));
    if (feld(row, 5).empty()) {
        satz->Bezeichnung = hatBezeichnung ? feld(row, 4) : feld(row, 3);
    } else {
        satz->Warengruppe = feld(row, 5);
        satz->Bezeichnung = hatBezeichnung ? feld(row, 4) : feld(row, 6);
    }
    return satz;
}

double skalierterRabatt(int art, double wert) {
    return art == 1 || art == 3 ? wert / 100.0 : wert / 1000.0;
}

bool istRabattdatei(const std::string& Datei) {
    const std::string name = toLowerText(Datei);
    return name.ends_with("rab") && !name.ends_with("erab");
}

}  // namespace

void TDatanorm::readSideFiles(const std::vector<std::string>& warengruppen) {
    const std::string wrg = begleitdatei(dateiname, kSuffixCut, "wrg");
    get_warengruppensatz(wrg, dateiExistiert(wrg) ? std::vector<std::string>{} : warengruppen);

    std::string rabattdatei;
    for (std::string_view suffix : {"erab", "rab"}) {
        if (suffix == "erab" && !UseErab) {
            continue;
        }
        const std::string name = begleitdatei(dateiname, kSuffixCut, suffix);
        if (dateiExistiert(name)) {
            rabattdatei = name;
            break;
        }
    }
    get_rabattsaetze(rabattdatei);
}

void TDatanorm::get_warengruppensatz(const std::string& Datei, const std::vector<std::string>& sl) {
    if (!dateiExistiert(Datei)) {
        if (sl.empty()) {
            return;
        }
        Hauptwarengruppensatz = std::make_unique<THauptwarengruppensatz>();
        for (const std::string& schluessel : sl) {
            auto satz = std::make_unique<TWarengruppensatz>(this);
            satz->Hauptwarengruppe = schluessel;
            satz->Bezeichnung = schluessel;
            Hauptwarengruppensatz->Hauptwarengruppensaetze.push_back(std::move(satz));
        }
        return;
    }
    // A file that cannot be read fails the load with the reason, naming the file.
    const std::string inhalt = readWholeFile(Datei, kMaxSeitendateiBytes);
    const std::vector<std::string_view> zeilen = splitLines(inhalt);
    Hauptwarengruppensatz = std::make_unique<THauptwarengruppensatz>();
    if (zeilen.empty()) {
        return;
    }
    for (std::string_view zeile : zeilen) {
        Hauptwarengruppensatz->Warengruppenliste.push_back(toUtf8(zeile, CodePage::Cp850));
    }
    const int version = seitendateiVersion(zeilen.front());
    const std::vector<FieldRow> rows =
        splitSeitendatei(zeilen, Version, [] { throw EWarengruppensatzException(); });
    for (const FieldRow& row : rows) {
        if (feld(row, 1) == "S") {
            if (auto satz = parseWarengruppensatz(row, version, this)) {
                Hauptwarengruppensatz->Hauptwarengruppensaetze.push_back(std::move(satz));
            }
        }
    }
}

void TDatanorm::get_rabattsaetze(const std::string& Datei) {
    if (istRabattdatei(Datei)) {
        readDiscountFile(Datei);
        return;
    }
    if (!UseErab) {
        return;
    }
    const std::string erab = begleitdatei(dateiname, kSuffixCut, "erab");
    if (dateiExistiert(erab)) {
        TCSVFile cache;
        std::optional<double> datum;
        try {
            cache.LoadFromFile(erab);
            datum = parseShortDate(cache.getCell(0, 0));
        } catch (const EDatanormFileError&) {
            datum.reset();
        }
        if (datum && !(Vorlaufsatz.Datum > *datum)) {
            RabattCSV = std::move(cache);
            uebernimmRabattCSV();
            return;
        }
        std::remove(erab.c_str());
    }
    const std::string rab = begleitdatei(dateiname, kSuffixCut, "rab");
    if (dateiExistiert(rab)) {
        readDiscountFile(rab);
        return;
    }
    RabattCSV.Clear();
    RabattCSV.setCell(0, 0, formatShortDate(Vorlaufsatz.Datum));
    for (const std::string& gruppe : FRabattgruppen) {
        const std::size_t row = RabattCSV.getRowCount();
        RabattCSV.setCell(0, row, gruppe);
        RabattCSV.setCell(4, row, "");
    }
    try {
        RabattCSV.SaveToFile(erab, false);
    } catch (const EDatanormFileError&) {
        // Without its cache the discount table is not taken over; the rates stay as they were.
        return;
    }
    uebernimmRabattCSV();
}

void TDatanorm::readDiscountFile(const std::string& rab) {
    Rabattsaetze.clear();
    RabattCSV.Clear();
    RabattCSV.setCell(0, 0, formatShortDate(Vorlaufsatz.Datum));
    try {
        const std::string inhalt = readWholeFile(rab, kMaxSeitendateiBytes);
        const std::vector<std::string_view> zeilen = splitLines(inhalt);
        const int version = zeilen.empty() ? Version : seitendateiVersion(zeilen.front());
        const std::size_t erstesFeld = version == 5 ? 2 : 3;
        // A malformed line ends the table; the groups before it stay.
        for (const FieldRow& row : splitSeitendatei(zeilen, Version, [] {})) {
            if (feld(row, 1) != "R" || feld(row, erstesFeld).empty()) {
                continue;
            }
            TRabattgruppensatz satz(this);
            satz.Rabattgruppe = feld(row, erstesFeld);
            satz.Rabattkennzeichen = parseInteger(feld(row, erstesFeld + 1));
            satz.Rabatt =
                skalierterRabatt(satz.Rabattkennzeichen, parseDecimal(feld(row, erstesFeld + 2)));
            satz.Rabattgruppenbezeichnung = feld(row, erstesFeld + 3);
            const std::size_t tabellenzeile = RabattCSV.getRowCount();
            RabattCSV.setCell(0, tabellenzeile, satz.Rabattgruppe);
            RabattCSV.setCell(1, tabellenzeile, satz.Rabattgruppenbezeichnung);
            RabattCSV.setCell(2, tabellenzeile, feld(row, erstesFeld + 1));
            RabattCSV.setCell(3, tabellenzeile, feld(row, erstesFeld + 2));
            Rabattsaetze.push_back(std::move(satz));
        }
    } catch (const EDatanormFileError&) {
        // An unreadable discount file leaves no discount groups.
    }
    if (UseErab) {
        try {
            RabattCSV.SaveToFile(begleitdatei(rab, kSuffixCut, "erab"), true);
        } catch (const EDatanormFileError&) {
            // A cache that cannot be saved is simply not written.
        }
    }
}

void TDatanorm::uebernimmRabattCSV() {
    Rabattsaetze.clear();
    for (std::size_t row = 1; row < RabattCSV.getRowCount(); ++row) {
        TRabattgruppensatz satz(this);
        satz.Rabattgruppe = RabattCSV.getCell(0, row);
        satz.Rabattgruppenbezeichnung = RabattCSV.getCell(1, row);
        satz.Rabattkennzeichen = parseInteger(RabattCSV.getCell(2, row));
        satz.Rabatt =
            skalierterRabatt(satz.Rabattkennzeichen, parseDecimal(RabattCSV.getCell(3, row)));
        Rabattsaetze.push_back(std::move(satz));
    }
}

}  // namespace velmora::datanorm
