#include "catalogue/TProduktgruppe.h"

#include <stdexcept>
#include <utility>

#include "base/AsciiCase.h"

namespace velmora {

TProduktgruppe::TProduktgruppe(std::string Bezeichnung, std::string WGBezeichnung)
    : Bezeichnung(std::move(Bezeichnung)), WGBezeichnung(std::move(WGBezeichnung)) {}

TProdukt& TProduktgruppe::addProdukt(TProduktDaten Daten, TTempData& TempData,
                                     TTankCustomPrices* ACustomPricesReference) {
    ProduktListe.push_back(
        std::make_unique<TProdukt>(std::move(Daten), TempData, ACustomPricesReference));
    return *ProduktListe.back();
}

TProdukt& TProduktgruppe::addProdukt(
    std::string Bezeichnung, std::string Bezeichnung_kt2, std::string ArtNr, int Inhalt,
    double Preis, int Breite, int Laenge, int Hoehe, bool Aufstellungsvariationen, int ZusBreite,
    int ZusLaenge, int ZusSpezLaenge, std::string Bild, std::string Grafik,
    std::vector<std::string> AbstaendeEinreihig, std::vector<std::string> AbstaendeZweireihig,
    std::vector<std::string> AbstaendeZweireihigMitEinzeltank,
    std::vector<std::string> AbstaendeZweireihigNormIgn, Artikeltext Produktbeschreibung,
    Artikeltext Dimensionstext, TPoint RohrStart, TPoint RohrEnde, TPoint RohrStartReihe2,
    TPoint RohrEndeReihe2, bool AufsatzGegenueber, TTempData& TempData,
    std::vector<std::unique_ptr<TZusaetzlicheAufstellHoehe>> AAufstellhoehenList,
    TTankCustomPrices* ACustomPricesReference) {
    return addProdukt(
        TProduktDaten{
            .Bezeichnung = std::move(Bezeichnung),
            .Bezeichnung_kt2 = std::move(Bezeichnung_kt2),
            .ArtNr = std::move(ArtNr),
            .Inhalt = Inhalt,
            .Preis = Preis,
            .Breite = Breite,
            .Laenge = Laenge,
            .Hoehe = Hoehe,
            .Aufstellvariationen = Aufstellungsvariationen,
            .ZusBreite = ZusBreite,
            .ZusLaenge = ZusLaenge,
            .ZusSpezLaenge = ZusSpezLaenge,
            .Bild = std::move(Bild),
            .Grafik = std::move(Grafik),
            .AbstaendeEinreihig = std::move(AbstaendeEinreihig),
            .AbstaendeZweireihig = std::move(AbstaendeZweireihig),
            .AbstaendeZweireihigMitEinzeltank = std::move(AbstaendeZweireihigMitEinzeltank),
            .AbstaendeZweireihigNormIgn = std::move(AbstaendeZweireihigNormIgn),
            .Produktbeschreibung = std::move(Produktbeschreibung),
            .Dimensionstext = std::move(Dimensionstext),
            .RohrStart = RohrStart,
            .RohrEnde = RohrEnde,
            .RohrStartReihe2 = RohrStartReihe2,
            .RohrEndeReihe2 = RohrEndeReihe2,
            .AufsatzGegenueber = AufsatzGegenueber,
            .Aufstellhoehen = std::move(AAufstellhoehenList)},
        TempData, ACustomPricesReference);
}

TZubehoer& TProduktgruppe::addZubehoer(std::string Bezeichnung, std::string ArtNr, double Preis,
                                       bool Optional, Artikeltext Produktbeschreibung,
                                       Artikeltext Dimensionstext,
                                       TTankCustomPrices* ACustomPricesReference) {
    ZubehoerListe.push_back(std::make_unique<TZubehoer>(
        std::move(Bezeichnung), std::move(ArtNr), Preis, Optional, std::move(Produktbeschreibung),
        std::move(Dimensionstext), ACustomPricesReference));
    return *ZubehoerListe.back();
}

void TProduktgruppe::addAufstellvariante(std::unique_ptr<TAufstellvariante> AObject) {
    if (AObject) {
        AufstellvariantenListe.push_back(std::move(AObject));
    }
}

TProdukt& TProduktgruppe::getProdukt(const std::string& AArtNr) const {
    for (const auto& produkt : ProduktListe) {
        if (equalsIgnoringAsciiCase(produkt->getArtikelNr(), AArtNr)) {
            return *produkt;
        }
    }
    throw std::out_of_range("TProduktgruppe::getProdukt: no product " + AArtNr + " in group " +
                            WGBezeichnung);
}

std::vector<TProdukt*> TProduktgruppe::listProdukte2(
    double AMinInhalt, double ABreite, double ALaenge, double AHoehe, double AEinbringHoehe,
    double AEinbringBreite, double AMaxVolumenBeiHeizraum, const std::string& ATankPosition,
    const std::string& AHeizraumPosition, double AVolumenVarianz, bool AGedreht, bool AHeizraum,
    double AHeizraumAbstand, const TPoints& ARoom, const TPoints& AHzRoom, TMyVec TopLeft,
    TMyVec BottomRight) {
    std::vector<TProdukt*> result;
    for (const auto& produkt : ProduktListe) {
        produkt->addAufstellvariante(AufstellvariantenListe);
        produkt->addZubehoer(ZubehoerListe);
        const bool passt =
            !produkt->getAufstellvariation() ||
            produkt->istVarianteMoeglich2(AMinInhalt, ABreite, ALaenge, AHoehe, AEinbringHoehe,
                                          AEinbringBreite, AMaxVolumenBeiHeizraum, ATankPosition,
                                          AHeizraumPosition, AVolumenVarianz, AGedreht, AHeizraum,
                                          AHeizraumAbstand, ARoom, AHzRoom, TopLeft, BottomRight);
        if (passt) {
            result.push_back(produkt.get());
        }
    }
    return result;
}

}  // namespace velmora
