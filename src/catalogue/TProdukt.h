#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "base/GeometryTypes.h"
#include "catalogue/BatteryMeasures.h"
#include "catalogue/BatteryOutline.h"
#include "catalogue/CustomPriceLink.h"
#include "catalogue/Suchvorgaben.h"
#include "catalogue/TAufstellung.h"
#include "catalogue/TAufstellvariante.h"
#include "catalogue/TProduktDaten.h"
#include "catalogue/TZubehoer.h"
#include "catalogue/TZubehoerItem.h"
#include "catalogue/TZusaetzlicheAufstellHoehe.h"

namespace velmora {

class TTankCustomPrice;
class TTankCustomPrices;
class TTempData;

// One tank product of the catalogue (one tank size) with its own installation variants,
// accessories and additional heights, plus the working state of the current search: the
// combined variant and accessory lists, the arrangements that fit the room, the selected
// arrangement and its accessory lines. Lengths in mm, volumes in litres, prices in euros.
class TProdukt {
public:
    // Takes ownership of the text lists and the additional heights. TempData is shared and
    // must outlive the product; ACustomPricesReference may be null.
    TProdukt(TProduktDaten Daten, TTempData& TempData, TTankCustomPrices* ACustomPricesReference);
    TProdukt(const TProdukt&) = delete;
    TProdukt& operator=(const TProdukt&) = delete;

    // --- catalogue building ---
    // A product-specific variant; null is ignored.
    void addAufstellvariante(std::unique_ptr<TAufstellvariante> AObject);
    // Prepares a search: empties the possible arrangements and makes the working variant
    // list the product's own variants followed by the given (group) variants.
    void addAufstellvariante(
        const std::vector<std::unique_ptr<TAufstellvariante>>& AufstellvariantenListe);
    // A product-specific accessory, sharing the product's custom price store.
    TZubehoer& addZubehoer(std::string Bezeichnung, std::string ArtNr, double Preis, bool Optional,
                           Artikeltext Produktbeschreibung, Artikeltext Dimensionstext);
    // Makes the working accessory list the product's own accessories followed by the given
    // (group) accessories.
    void addZubehoer(const std::vector<std::unique_ptr<TZubehoer>>& ZubehoerListe);
    // Back to the state before any search: no arrangements, no working lists.
    void setStandardProdukt();

    // --- arrangements ---
    // Selects arrangement Index; an index past the end selects the first, an empty list none.
    void setMoeglicheAufstellvariante(std::size_t Index);
    // Null when there is none.
    TAufstellung* getAktuelleAufstellVariante() const { return MoeglicheAufstellVariante; }
    const std::vector<std::unique_ptr<TAufstellung>>& getMoeglicheAufstellVarianten() const {
        return MoeglicheAufstellVarianten;
    }
    // Reihe1 + Reihe2 of the current arrangement, 1 without installation variations.
    // Throws std::logic_error when a product with variations has no current arrangement.
    int getAnzahlTanks() const;

    // --- accessory lines ---
    // One line per given accessory, bound to the current arrangement's variant: required
    // accessories ticked and locked, optional ones unticked and free.
    void setZubehoerListeOptional(const std::vector<TZubehoer*>& ZubehoerListe);
    // Throws std::out_of_range for a bad index.
    TZubehoerItem& getZubehoerOptionalListe(std::size_t Index) const;
    std::size_t getZubehoerOptionalListeCount() const { return ZubehoerOptional.size(); }
    // The working accessory list: own accessories, then the group's.
    const std::vector<TZubehoer*>& getZubehoer() const { return tempZubehoer; }
    // The accessories of the working list that apply to the current arrangement: every
    // ordinary accessory, and a fitting only when the product has installation variations
    // and the current variant needs at least one of it.
    std::vector<TZubehoer*> getZubehoerFuerAufstellung() const;

    // --- stored catalogue values ---
    bool getAufstellvariation() const { return Aufstellvariationen; }
    bool getAufsatzGegenueber() const { return AufsatzGegenueber; }
    const std::string& getArtikelNr() const { return ArtNr; }
    const std::string& getBezeichnung() const { return Bezeichnung; }
    const std::string& getBezeichnung_kt2() const { return Bezeichnung_kt2; }
    const std::string& getBild() const { return Bild; }
    const std::string& getGrafik() const { return Grafik; }
    const Artikeltext& getProduktbeschreibung() const { return Produktbeschreibung; }
    const Artikeltext& getDimensionstext() const { return Dimensionstext; }
    const std::vector<std::string>& getAbstaendeEinreihig() const { return AbstaendeEinreihig; }
    const std::vector<std::string>& getAbstaendeZweireihig() const { return AbstaendeZweireihig; }
    const std::vector<std::string>& getAbstaendeZweireihigMitEinzeltank() const {
        return AbstaendeZweireihigMitEinzeltank;
    }
    const std::vector<std::string>& getAbstaendeZweireihigNormIgn() const {
        return AbstaendeZweireihigNormIgn;
    }
    int getBreite() const { return Breite; }
    int getLaenge() const { return Laenge; }
    int getHoehe() const { return Hoehe; }
    double getInhalt() const { return Inhalt; }
    int getZusBreite() const { return ZusBreite; }
    int getZusLaenge() const { return ZusLaenge; }
    int getZusSpezLaenge() const { return ZusSpezLaenge; }
    TPoint getRohrStart() const { return RohrStart; }
    TPoint getRohrEnde() const { return RohrEnde; }
    TPoint getRohrStartReihe2() const { return RohrStartReihe2; }
    TPoint getRohrEndeReihe2() const { return RohrEndeReihe2; }
    // The catalogue's own lists (not the working lists).
    const std::vector<std::unique_ptr<TAufstellvariante>>& getAufstellvariantenListe() const {
        return AufstellvariantenListe;
    }
    const std::vector<std::unique_ptr<TZubehoer>>& getZubehoerListe() const {
        return ZubehoerListe;
    }
    const std::vector<std::unique_ptr<TZusaetzlicheAufstellHoehe>>& getZusAufstellhoehen() const {
        return FZusAufstellhoehen;
    }
    // The working variant list: own variants, then the group's.
    const std::vector<TAufstellvariante*>& getTempAufstellvariantenListe() const {
        return tempAufstellvariantenListe;
    }
    // The catalogue price of one tank, whatever the custom price says.
    double getKatalogPreis() const { return Preis; }

    // --- battery geometry (current arrangement) ---
    // Overall width and depth of the battery (mm); one tank's without installation
    // variations or without a current arrangement.
    int getGesamtBreite() const;
    int getGesamtLaenge() const;
    // Tank height plus the arrangement's additional height (mm).
    int getGesamtHoehe() const;
    // Litres of the battery; one tank's without a current arrangement.
    double getGesamtInhalt() const;
    // The arrangement's clearances as placed, the side facing the boiler raised to the
    // boiler clearance. Zero without a current arrangement.
    TRect getMindestAbstaende(bool AHorizontal) const;
    // The four minimum clearances divided by Teiler, largest first, equal ones grouped:
    // "1 x 60; 2 x 40; 1 x 10". The two positions are not evaluated.
    std::string getMindestAbstand(double Teiler, const std::string& TankPosition,
                                  const std::string& HeizraumPosition) const;
    // "o", "u", "l", "r": the battery side that faces the boiler; empty when none does.
    std::string getHeizraumAbstandSeite(bool Horizontal) const;

    // Tries every variant of the working list in both orientations at the search's battery
    // corner and keeps each arrangement whose clearance outline lies inside Vorgaben.Raum and
    // whose tank outline lies inside Vorgaben.HeizraumGeprueft; sorts and thins them and
    // selects the first. True when one fits.
    bool istVarianteMoeglich2(const Suchvorgaben& Vorgaben);

    // --- prices ---
    // Euros for one tank: the custom price when its entry is in use, else the catalogue price.
    double getPreis() const;
    // False when the catalogue has no price for the tank and no custom price replaces it:
    // getPreis is then 0 and must not be shown.
    bool hatPreis() const;
    // The custom price entry (looked up on first read), or null without a store.
    TTankCustomPrice* CustomPriceElem() const;
    // The entries the price window edits: the product's own, then its accessory's for each
    // accessory line in line order (an accessory on two lines twice). Empty without a store.
    std::vector<TTankCustomPrice*> CustomPriceElems() const;
    // Price of the first working-list accessory numbered ArtNr1 or ArtNr2 (case ignored;
    // empty ArtNr2 means ArtNr1); 0 when there is none.
    double getZubehoerPreis(const std::string& ArtNr1, const std::string& ArtNr2) const;
    // Price of the fittings a variant needs; null means the current arrangement's variant
    // (0 without one).
    double getVariantenZubehoerPreis(const TAufstellvariante* Variante) const;
    // False when a fitting the variant needs has no price or no article (null as above).
    bool hatVariantenZubehoerPreis(const TAufstellvariante* Variante) const;
    // Tanks × tank price + fittings of the current variant; one tank's price without
    // installation variations.
    double getGesamtPreis() const;
    // False when getGesamtPreis lacks the price of the tank or of a fitting.
    bool hatGesamtPreis() const;
    // Sum of the prices of the ticked and enabled optional accessory lines, each counted once.
    double getOptZubehoerPreis() const;
    // False when one of those lines has no price.
    bool hatOptZubehoerPreis() const;

private:
    struct SearchInput;

    std::unique_ptr<TAufstellung> erzeugeAufstellung(TAufstellvariante* Variante, bool Horizontal,
                                                     bool Gedreht, bool IgnoreNorm);
    BatteryMeasures getMasse(const TAufstellvariante& Variante) const;
    double getGesamtInhaltVariante(const TAufstellvariante& Variante) const;
    int getZusAufstellHoehe(const TAufstellvariante& Variante, bool IgnoreNorm) const;
    int getGesamtHoeheAufstellung(const TAufstellvariante& Variante, bool IgnoreNorm) const;
    // The variant given, or the current arrangement's; null without either.
    const TAufstellvariante* varianteOderAktuelle(const TAufstellvariante* Variante) const;
    // The working-list accessory that prices a fitting kind: the first of that kind.
    const TZubehoer* fittingArtikel(FittingKind kind) const;
    int getKleinsteAbmessung() const;
    int getZweitkleinsteAbmessung() const;
    bool passtDurchEinbringung(int AEinbringHoehe, int AEinbringBreite) const;
    bool hatAufstellung(const TAufstellvariante& Variante, bool Horizontal, bool Gedreht) const;
    void sortiereMoeglicheAufstellungen();
    void loescheMoeglicheAufstellung(std::size_t Index);
    void entferneKleinereAufstellungen(double AMinInhalt);
    // umriss: working storage for the outlines placed, reused from variant to variant.
    bool pruefeVariante(TAufstellvariante& Variante, bool ANormIgnore, const SearchInput& in,
                        PlacedOutline& umriss);
    // Places the variant in one orientation and keeps the arrangement when it fits and is new.
    bool platziereAufstellung(TAufstellvariante& Variante, const OutlineRequest& request,
                              bool NormIgnore, const SearchInput& in, PlacedOutline& umriss);

    std::string Bezeichnung;
    std::string Bezeichnung_kt2;
    std::string Bild;
    std::string Grafik;
    Artikeltext Produktbeschreibung;
    Artikeltext Dimensionstext;
    std::vector<std::string> AbstaendeEinreihig;
    std::vector<std::string> AbstaendeZweireihig;
    std::vector<std::string> AbstaendeZweireihigMitEinzeltank;
    std::vector<std::string> AbstaendeZweireihigNormIgn;
    std::string ArtNr;
    int Breite;
    int Laenge;
    int Hoehe;
    int ZusBreite;
    int ZusLaenge;
    int ZusSpezLaenge;
    double Preis;
    bool FPreisFehlt;
    TPoint RohrStart;
    TPoint RohrEnde;
    TPoint RohrStartReihe2;
    TPoint RohrEndeReihe2;
    double Inhalt;
    bool Aufstellvariationen;
    bool AufsatzGegenueber;
    TTempData& TempData;
    std::vector<std::unique_ptr<TZubehoer>> ZubehoerListe;
    std::vector<TZubehoer*> tempZubehoer;
    std::vector<TAufstellvariante*> tempAufstellvariantenListe;
    std::vector<std::unique_ptr<TAufstellvariante>> AufstellvariantenListe;
    std::vector<std::unique_ptr<TZubehoerItem>> ZubehoerOptional;
    std::vector<std::unique_ptr<TAufstellung>> MoeglicheAufstellVarianten;
    // Arrangements given up by the last search or by thinning, refilled by the next search
    // instead of allocating anew.
    std::vector<std::unique_ptr<TAufstellung>> FFreieAufstellungen;
    TAufstellung* MoeglicheAufstellVariante = nullptr;
    std::vector<std::unique_ptr<TZusaetzlicheAufstellHoehe>> FZusAufstellhoehen;
    CustomPriceLink FCustomPrice;
};

}  // namespace velmora
