#include "app/MaterialCsv.h"

#include <gtest/gtest.h>

#include <string>

#include "catalogue/CatalogueFixture.h"

namespace velmora {
namespace {

using testing::makeVariante;
using testing::sucheImRaum;

class MaterialCsv : public testing::CatalogueFixture {
protected:
    // 3+2 tanks at 1000,00 with four fittings at 50,00, an optional accessory whose text
    // needs quoting, a required one included in the battery and an optional one not chosen.
    TProdukt& battery() {
        TProdukt& p = produkt();
        gruppe.addAufstellvariante(makeVariante({.name = "3+2", .hp = 4}));
        gruppe.addZubehoer("Heberpumpe", "952400", 50.0, false, {}, {}, nullptr);
        gruppe.addZubehoer("Leckanzeige; Typ \"A\"", "L-1", 80.0, true, {}, {}, nullptr);
        gruppe.addZubehoer("Schild", "S-1", 5.0, false, {}, {}, nullptr);
        gruppe.addZubehoer("Grenzwertgeber", "G-1", 120.0, true, {}, {}, nullptr);
        p.addZubehoer(gruppe.getZubehoerListe());
        suche(p, gruppe.getAufstellvariantenListe(), sucheImRaum(10000, 10000));
        p.setZubehoerListeOptional(p.getZubehoerFuerAufstellung());
        return p;
    }
};

TEST_F(MaterialCsv, ListsTankAndTickedLinesThenTheSheetsSums) {
    TProdukt& p = battery();
    p.getZubehoerOptionalListe(1).setChecked(true);
    EXPECT_EQ(materialCsv(p, 80.0),
              "\xEF\xBB\xBF"
              "Art.-Nr.;Bezeichnung;Anzahl;Einzelpreis;Gesamtpreis\r\n"
              "P1;Tank P1;5;1000,00;5000,00\r\n"
              "952400;Heberpumpe;4;50,00;200,00\r\n"
              "L-1;\"Leckanzeige; Typ \"\"A\"\"\";1;80,00;80,00\r\n"
              "S-1;Schild;1;5,00;im Anlagenpreis enthalten\r\n"
              ";Netto;;;5280,00\r\n"
              ";Brutto (incl. MwSt);;;6283,20\r\n");
}

// An article the catalogue has no price for is never listed at 0,00, and the sums that lack
// it say so.
TEST_F(MaterialCsv, ArticlesWithoutPriceAndTheSumsLackingThemSaySo) {
    TProdukt& p = battery();
    p.getZubehoerOptionalListe(0).getZubehoer()->markierePreisFehlt();
    p.getZubehoerOptionalListe(1).setChecked(true);
    EXPECT_EQ(materialCsv(p, 80.0),
              "\xEF\xBB\xBF"
              "Art.-Nr.;Bezeichnung;Anzahl;Einzelpreis;Gesamtpreis\r\n"
              "P1;Tank P1;5;1000,00;5000,00\r\n"
              "952400;Heberpumpe;4;Preis fehlt;Preis fehlt\r\n"
              "L-1;\"Leckanzeige; Typ \"\"A\"\"\";1;80,00;80,00\r\n"
              "S-1;Schild;1;5,00;im Anlagenpreis enthalten\r\n"
              ";Netto;;;Preis unvollständig\r\n"
              ";Brutto (incl. MwSt);;;Preis unvollständig\r\n");
}

}  // namespace
}  // namespace velmora
