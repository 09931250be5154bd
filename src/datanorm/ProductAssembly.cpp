#include "datanorm/ProductAssembly.h"

#include <algorithm>

#include "datanorm/TextCase.h"

namespace velmora::datanorm {

std::vector<std::string> setzeLangtext(const std::vector<const TTextsatz*>& zeilen, int version) {
    std::vector<std::string> text;
    for (const TTextsatz* zeile : zeilen) {
        if (version == 4) {
            text.push_back(zeile->Textzeile);
            text.push_back(zeile->Langtextzeile2);
            continue;
        }
        // A line 0 has no place of its own; appending it keeps its text.
        const std::size_t nummer = zeile->Zeilennummer == 0 ? text.size() + 1 : zeile->Zeilennummer;
        if (text.size() < nummer) {
            text.resize(nummer);
        }
        text[nummer - 1] = zeile->Textzeile;
    }
    return text;
}

std::vector<std::string> setzeDimensionstext(const std::vector<const TDimensionssatz*>& zeilen) {
    std::vector<std::string> text;
    text.reserve(zeilen.size());
    for (const TDimensionssatz* zeile : zeilen) {
        const std::size_t position = std::min<std::size_t>(
            zeile->Zeilennummer == 0 ? 0 : zeile->Zeilennummer - 1u, text.size());
        text.insert(text.begin() + static_cast<std::ptrdiff_t>(position), zeile->Textzeile);
    }
    return text;
}

std::string einheitenname(const std::string& einheit, int version) {
    const std::string code = toUpperText(ohneSteuerzeichen(einheit));
    struct Name {
        const char* code;
        const char* name;
    };
    static constexpr Name kDatanorm5[] = {
        {"MMT", "Millimeter"}, {"MTR", "Meter"}, {"PCE", "Stück"}};
    static constexpr Name kDatanorm4[] = {{"MM", "Millimeter"}, {"M", "Meter"}, {"ST", "Stück"}};
    for (const Name& name : version == 5 ? kDatanorm5 : kDatanorm4) {
        if (code == name.code) {
            return name.name;
        }
    }
    return code;
}

bool hatLangtext(const std::string& Langtextnummer) {
    return !istLeerOderBlank(Langtextnummer);
}

void fuelleProdukt(TProdukt& produkt, const TArtikelsatzA& erster, const TArtikelsatzA& letzter,
                   std::vector<std::string> langtext, std::vector<std::string> dimensionstext,
                   int version) {
    produkt.Artikelnummer = erster.Artikelnummer;
    produkt.Langtextnummer = erster.Langtextnummer;
    produkt.Preiskennzeichen = erster.Preiskennzeichen;
    produkt.Kurztext1 = erster.Kurztext1;
    produkt.Kurztext2 = erster.Kurztext2;
    produkt.Langtext = std::move(langtext);
    produkt.Dimensionstext = std::move(dimensionstext);
    produkt.Preis = letzter.Preis / 100.0;
    produkt.Warengruppe = erster.Hauptwarengruppe;
    produkt.Rabattgruppe = erster.Rabattgruppe;
    produkt.Mengeneinheit = einheitenname(erster.Mengeneinheit, version);
    produkt.Matchcode = erster.Matchcode;
    produkt.anbindnummer = erster.Anbindenummer;
    produkt.EAN = erster.EAN_Nummer;
}

std::unique_ptr<TProdukt> baueProdukt(const TArtikelsatzA& erster, const TArtikelsatzA& letzter,
                                      std::vector<std::string> langtext,
                                      std::vector<std::string> dimensionstext, int version,
                                      const TDatanorm* parent) {
    auto produkt = std::make_unique<TProdukt>(parent);
    fuelleProdukt(*produkt, erster, letzter, std::move(langtext), std::move(dimensionstext),
                  version);
    return produkt;
}

}  // namespace velmora::datanorm
