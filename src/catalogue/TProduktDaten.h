#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/GeometryTypes.h"
#include "catalogue/Artikeltext.h"
#include "catalogue/TZusaetzlicheAufstellHoehe.h"

namespace velmora {

// The catalogue values of one product, each by its name, so that neighbouring dimensions
// cannot be swapped unnoticed. Lengths in mm, volume in litres, price in euros; each
// clearance list holds the four texts of its catalogue element.
struct TProduktDaten {
    std::string Bezeichnung{};
    std::string Bezeichnung_kt2{};
    std::string ArtNr{};
    int Inhalt = 0;
    double Preis = 0.0;
    // The article is not in the DATANORM file: Preis is no price.
    bool PreisFehlt = false;
    int Breite = 0;
    int Laenge = 0;
    int Hoehe = 0;
    bool Aufstellvariationen = false;
    int ZusBreite = 0;
    int ZusLaenge = 0;
    int ZusSpezLaenge = 0;
    std::string Bild{};
    std::string Grafik{};
    std::vector<std::string> AbstaendeEinreihig{};
    std::vector<std::string> AbstaendeZweireihig{};
    std::vector<std::string> AbstaendeZweireihigMitEinzeltank{};
    std::vector<std::string> AbstaendeZweireihigNormIgn{};
    Artikeltext Produktbeschreibung{};
    Artikeltext Dimensionstext{};
    TPoint RohrStart{};
    TPoint RohrEnde{};
    TPoint RohrStartReihe2{};
    TPoint RohrEndeReihe2{};
    bool AufsatzGegenueber = false;
    std::vector<std::unique_ptr<TZusaetzlicheAufstellHoehe>> Aufstellhoehen{};
};

}  // namespace velmora
