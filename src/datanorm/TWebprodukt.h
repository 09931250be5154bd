#pragma once

#include <string>
#include <vector>

namespace velmora::datanorm {

class TDatanorm;

// The answer of one article look-up: texts and list price of an article, as plain data
// owned by the caller.
class TWebprodukt {
public:
    explicit TWebprodukt(const TDatanorm* Vorgaenger = nullptr) : Parent(Vorgaenger) {}

    std::string Artikelnummer;
    std::string Langtextnummer;
    std::string Kurztext1;
    std::string Kurztext2;
    std::vector<std::string> Langtext;
    std::vector<std::string> Dimensionstext;
    // Unit with the DATANORM unit codes replaced by their German names.
    std::string Mengeneinheit;
    std::string Warengruppe;
    // Filled by the look-up (also when the object is seen as a TProdukt).
    std::string Rabattgruppe;
    int Preiskennzeichen = 0;
    // List price in currency units (the file's hundredths divided by 100).
    double Preis = 0.0;
    std::string anbindnummer;
    int Liefermenge = 0;
    // The reader that answered; must not be used after the reader is gone.
    const TDatanorm* Parent = nullptr;
};

// The reader's look-up result, with the article's search code and EAN. Not the catalogue's
// product class. The discount group is the inherited field, so it reads the same through
// either class.
class TProdukt : public TWebprodukt {
public:
    using TWebprodukt::TWebprodukt;

    std::string Matchcode;
    std::string EAN;
};

}  // namespace velmora::datanorm
