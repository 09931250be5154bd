#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "CatalogueFixture.h"
#include "prices/TTankCustomPrice.h"
#include "prices/TTankCustomPrices.h"

namespace velmora::testing {
namespace {

// A custom price store in a fresh directory that no file is read from.
class PriceFixture : public CatalogueFixture {
protected:
    void SetUp() override {
        directory = std::filesystem::temp_directory_path() /
                    ("velmora-model-prices-" +
                     std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(directory);
    }
    void TearDown() override { std::filesystem::remove_all(directory); }

    std::filesystem::path directory;
};

TEST_F(PriceFixture, WithoutStoreTheCataloguePriceHolds) {
    TProdukt& p = produkt({.preis = 1234.5});
    EXPECT_EQ(p.CustomPriceElem(), nullptr);
    EXPECT_EQ(p.getPreis(), 1234.5);
    const TZubehoer z("Z", "Z1", 9.5, false, {}, {}, nullptr);
    EXPECT_EQ(z.CustomPriceElem(), nullptr);
    EXPECT_EQ(z.getPreis(), 9.5);
}

TEST_F(PriceFixture, CustomPriceReplacesTheCataloguePriceOnlyWhenInUse) {
    TTankCustomPrices prices(directory);
    TProdukt& p = produkt({.artNr = "T-1", .preis = 1000.0}, &prices);
    TTankCustomPrice* entry = p.CustomPriceElem();
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry, &prices.getElem("t-1"));
    EXPECT_EQ(entry->OriginalPrice(), 1000.0);
    EXPECT_EQ(p.CustomPriceElem(), entry);

    entry->setCustomPrice(800.0);
    EXPECT_EQ(p.getPreis(), 1000.0);
    entry->setUseCustomPrice(true);
    EXPECT_EQ(p.getPreis(), 800.0);
    EXPECT_EQ(p.getKatalogPreis(), 1000.0);

    TZubehoer& z = p.addZubehoer("Z", "Z-1", 20.0, true, {}, {});
    prices.getElem("Z-1").setUseCustomPrice(true);
    prices.getElem("Z-1").setCustomPrice(15.0);
    EXPECT_EQ(z.getPreis(), 15.0);
    EXPECT_EQ(z.CustomPriceElem()->OriginalPrice(), 20.0);
}

TEST_F(PriceFixture, PriceWindowEntriesFollowTheAccessoryLines) {
    EXPECT_TRUE(produkt({.artNr = "ohne-Speicher"}).CustomPriceElems().empty());

    TTankCustomPrices prices(directory);
    TProdukt& p = produkt({.artNr = "T-1"}, &prices);
    EXPECT_EQ(p.CustomPriceElems(), std::vector<TTankCustomPrice*>{p.CustomPriceElem()});

    TZubehoer& valve = p.addZubehoer("Ventil", "V-1", 20.0, true, {}, {});
    TZubehoer& pipe = p.addZubehoer("Rohr", "R-1", 5.0, false, {}, {});
    p.setZubehoerListeOptional({&valve, &pipe, &valve});
    EXPECT_EQ(p.CustomPriceElems(),
              (std::vector<TTankCustomPrice*>{&prices.getElem("T-1"), &prices.getElem("V-1"),
                                              &prices.getElem("R-1"), &prices.getElem("V-1")}));
}

// 3+2 with Hp 4, Ep 2, Up 0, UpSonder 1, and accessories in this list order.
class FittingFixture : public CatalogueFixture {
protected:
    TProdukt& battery(bool aufstellvariationen = true) {
        ProduktDef d;
        d.aufstellvariationen = aufstellvariationen;
        TProdukt& p = produkt(d);
        gruppe.addAufstellvariante(
            makeVariante({.name = "3+2", .hp = 4, .ep = 2, .up = 0, .upSonder = 1}));
        add("Heberpumpe", "952400", 50.0, false);
        add("Entnahme", "952402", 10.0, false);
        add("Entnahme 2", "952403", 12.0, false);
        add("Überfüll", "952405", 7.0, false);
        add("Sonder", "952407", 30.0, false);
        add("Leckanzeige", "L-1", 80.0, true);
        add("Schild", "S-1", 5.0, false);
        p.addZubehoer(gruppe.getZubehoerListe());
        suche(p, gruppe.getAufstellvariantenListe(), sucheImRaum(10000, 10000));
        return p;
    }
    void add(const std::string& name, const std::string& artNr, double preis, bool optional) {
        gruppe.addZubehoer(name, artNr, preis, optional, {}, {}, nullptr);
    }
    static std::vector<std::string> artNrs(const std::vector<TZubehoer*>& liste) {
        std::vector<std::string> result;
        for (const TZubehoer* z : liste) {
            result.push_back(z->getArtNr());
        }
        return result;
    }
};

TEST_F(FittingFixture, FittingsAreListedOnlyWhenTheVariantNeedsThem) {
    TProdukt& p = battery();
    EXPECT_EQ(artNrs(p.getZubehoerFuerAufstellung()),
              (std::vector<std::string>{"952400", "952402", "952403", "952407", "L-1", "S-1"}));
}

TEST_F(FittingFixture, SingleTankListsNoFittings) {
    TProdukt& p = battery(false);
    EXPECT_EQ(artNrs(p.getZubehoerFuerAufstellung()), (std::vector<std::string>{"L-1", "S-1"}));
    p.setZubehoerListeOptional(p.getZubehoerFuerAufstellung());
    EXPECT_EQ(p.getZubehoerOptionalListe(1).getAnzahl(), 1);
}

TEST_F(FittingFixture, LinesCountFittingsByTheVariantAndLockRequiredAccessories) {
    TProdukt& p = battery();
    p.setZubehoerListeOptional(p.getZubehoerFuerAufstellung());
    ASSERT_EQ(p.getZubehoerOptionalListeCount(), 6u);
    struct Line {
        std::string artNr;
        int anzahl;
        bool checked;
        bool enabled;
    };
    const std::vector<Line> expected{{"952400", 4, true, false}, {"952402", 2, true, false},
                                     {"952403", 2, true, false}, {"952407", 1, true, false},
                                     {"L-1", 1, false, true},    {"S-1", 1, true, false}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const TZubehoerItem& line = p.getZubehoerOptionalListe(i);
        EXPECT_EQ(line.getZubehoer()->getArtNr(), expected[i].artNr);
        EXPECT_EQ(line.getAnzahl(), expected[i].anzahl) << expected[i].artNr;
        EXPECT_EQ(line.isChecked(), expected[i].checked) << expected[i].artNr;
        EXPECT_EQ(line.isEnabled(), expected[i].enabled) << expected[i].artNr;
        EXPECT_EQ(line.getVariante(), p.getAktuelleAufstellVariante()->getVariante());
    }
    EXPECT_THROW(p.getZubehoerOptionalListe(6), std::out_of_range);

    p.setZubehoerListeOptional({});
    EXPECT_EQ(p.getZubehoerOptionalListeCount(), 0u);
}

TEST_F(FittingFixture, LineWithoutVariantCountsOne) {
    const TZubehoer fitting("Hp", "952400", 1.0, false, {}, {}, nullptr);
    EXPECT_EQ(TZubehoerItem(const_cast<TZubehoer*>(&fitting), nullptr, true, false).getAnzahl(), 1);
}

TEST_F(FittingFixture, FittingPriceTakesTheFirstArticleOfAKind) {
    TProdukt& p = battery();
    // 4 x 50 + 2 x 10 (952402 comes before 952403) + 0 + 1 x 30.
    EXPECT_DOUBLE_EQ(p.getVariantenZubehoerPreis(nullptr), 250.0);
    EXPECT_EQ(p.getZubehoerPreis("952403", "952402"), 10.0);
    EXPECT_EQ(p.getZubehoerPreis("952400", ""), 50.0);
    EXPECT_EQ(p.getZubehoerPreis("nicht-da", ""), 0.0);
}

TEST_F(FittingFixture, BatteryPriceIsTanksTimesPricePlusFittings) {
    TProdukt& p = battery();
    EXPECT_DOUBLE_EQ(p.getGesamtPreis(), 5 * 1000.0 + 250.0);
    ProduktDef single;
    single.artNr = "S";
    single.aufstellvariationen = false;
    EXPECT_EQ(produkt(single).getGesamtPreis(), 1000.0);
}

TEST_F(FittingFixture, MissingFittingsCostNothing) {
    TProdukt& p = produkt();
    gruppe.addAufstellvariante(makeVariante({.name = "2", .hp = 3}));
    suche(p, gruppe.getAufstellvariantenListe(), sucheImRaum(10000, 10000));
    EXPECT_EQ(p.getVariantenZubehoerPreis(nullptr), 0.0);
    EXPECT_EQ(p.getGesamtPreis(), 2000.0);
}

}  // namespace
}  // namespace velmora::testing
