#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/GeometryTypes.h"
#include "base/Rounding.h"
#include "catalogue/Suchvorgaben.h"
#include "catalogue/TAufstellvariante.h"
#include "catalogue/TProdukt.h"
#include "catalogue/TProduktgruppe.h"
#include "catalogue/TTempData.h"

namespace velmora::testing {

// The values of a hand-built installation variant; all gaps 0 unless a test sets them.
struct VarianteDef {
    std::string name = "1";
    TRect gapOut{};
    TPoint gapIn{};
    bool zwReihWaag = false;
    bool normrelevant = false;
    bool normAlternative = false;
    TRect gapOutNormIgnore{};
    TPoint gapInNormIgnore{};
    int hp = 0;
    int ep = 0;
    int up = 0;
    int upSonder = 0;
};

inline std::unique_ptr<TAufstellvariante> makeVariante(const VarianteDef& d) {
    return std::make_unique<TAufstellvariante>(
        d.name, "", d.hp, d.ep, d.up, d.upSonder, d.zwReihWaag, d.normrelevant, d.normAlternative,
        d.gapOut, d.gapOutNormIgnore, d.gapIn, d.gapInNormIgnore);
}

// One tank: 700 mm wide, 1000 mm long, 1500 mm high, 1000 l unless a test says otherwise.
struct ProduktDef {
    std::string artNr = "P1";
    int inhalt = 1000;
    double preis = 1000.0;
    int breite = 700;
    int laenge = 1000;
    int hoehe = 1500;
    bool aufstellvariationen = true;
    int zusBreite = 50;
    int zusLaenge = 100;
    int zusSpezLaenge = 200;
    std::vector<std::pair<int, int>> zusHoehen{};  // (tank count, extra height)
};

// The inputs of one search; the room is 10000 x 10000 mm, nothing cut away.
struct Suche {
    double minInhalt = 0;
    double varianz = 100000;
    double hoehe = 3000;
    double einbringHoehe = 3000;
    double einbringBreite = 3000;
    double maxVolumenBeiHeizraum = 100000;
    std::string tankPosition = "OL";
    std::string heizraumPosition;
    bool gedreht = false;
    bool heizraum = false;
    double heizraumAbstand = 0;
    TPoints room;
    TPoints hzRoom;
    TMyVec topLeft{-1, 10001};

    // The search's record: the room's measures that the outlines above do not carry stay 0.
    Suchvorgaben vorgaben() const {
        Suchvorgaben v;
        v.SollVolumen = roundHalfAwayFromZero(minInhalt);
        v.RaumHoehe = roundHalfAwayFromZero(hoehe);
        v.EinbringHoehe = roundHalfAwayFromZero(einbringHoehe);
        v.EinbringBreite = roundHalfAwayFromZero(einbringBreite);
        v.TankPosition = eckeAusKuerzel(tankPosition);
        v.HeizraumPosition = eckeAusKuerzel(heizraumPosition);
        v.Heizraum = heizraum;
        v.MaxVolumenBeiHeizraum = maxVolumenBeiHeizraum;
        v.VolumenVarianz = varianz;
        v.TankAufEcke = gedreht;
        v.HeizraumAbstand = roundHalfAwayFromZero(heizraumAbstand);
        v.Raum = room;
        v.HeizraumGeprueft = hzRoom;
        v.TopLeft = topLeft;
        return v;
    }
};

// The outline the search builds for a room of b x l mm: grown by 1 mm, corners OL, UL, UR, OR.
inline TPoints raum(int b, int l) {
    return {{-1, l + 1}, {-1, -1}, {b + 1, -1}, {b + 1, l + 1}};
}

inline Suche sucheImRaum(int b, int l) {
    Suche s;
    s.room = raum(b, l);
    s.hzRoom = s.room;
    s.topLeft = {-1.0, l + 1.0};
    return s;
}

// A group with products and variants built by hand, and the shared placement state.
class CatalogueFixture : public ::testing::Test {
protected:
    TTempData tempData{false};
    TProduktgruppe gruppe{"Testtanks", "WG1"};

    TProdukt& produkt(const ProduktDef& d = {}, TTankCustomPrices* preise = nullptr) {
        std::vector<std::unique_ptr<TZusaetzlicheAufstellHoehe>> hoehen;
        for (const auto& [anzahl, hoehe] : d.zusHoehen) {
            hoehen.push_back(std::make_unique<TZusaetzlicheAufstellHoehe>(anzahl, hoehe));
        }
        return gruppe.addProdukt(TProduktDaten{.Bezeichnung = "Tank " + d.artNr,
                                               .ArtNr = d.artNr,
                                               .Inhalt = d.inhalt,
                                               .Preis = d.preis,
                                               .Breite = d.breite,
                                               .Laenge = d.laenge,
                                               .Hoehe = d.hoehe,
                                               .Aufstellvariationen = d.aufstellvariationen,
                                               .ZusBreite = d.zusBreite,
                                               .ZusLaenge = d.zusLaenge,
                                               .ZusSpezLaenge = d.zusSpezLaenge,
                                               .Aufstellhoehen = std::move(hoehen)},
                                 tempData, preise);
    }

    // Prepares p with its own and the group's variants and runs the search.
    static bool suche(TProdukt& p, const std::vector<std::unique_ptr<TAufstellvariante>>& gruppe,
                      const Suche& s) {
        p.addAufstellvariante(gruppe);
        return p.istVarianteMoeglich2(s.vorgaben());
    }

    // Variant names and orientations of p's possible arrangements, in list order:
    // "3+2 h", "3+2 v".
    static std::vector<std::string> aufstellungen(const TProdukt& p) {
        std::vector<std::string> result;
        for (const auto& a : p.getMoeglicheAufstellVarianten()) {
            result.push_back(a->getVariante()->getVariante() + (a->getHorizontal() ? " h" : " v"));
        }
        return result;
    }
};

}  // namespace velmora::testing
