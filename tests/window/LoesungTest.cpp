#include <QHeaderView>
#include <QListWidget>

#include <algorithm>

#include "WindowFixture.h"
#include "app/TDaten.h"
#include "catalogue/TAufstellung.h"

namespace velmora::testing {
namespace {

using LoesungTest = WindowFixture;

// Variant and orientation of the shown installation, as "3+2h".
std::string installation(TDaten& daten) {
    const TAufstellung* shown = daten.getAktuellesProdukt()->getAktuelleAufstellVariante();
    return shown->getVariante()->getVariante() + (shown->getHorizontal() ? "h" : "v");
}

TEST_F(LoesungTest, ShowsTheSelectedSolutionsFigures) {
    click("bbnVorgLoesungen");
    select("951100");
    EXPECT_EQ(text("lblLoesTankart"), "HALVEX Batterietank PE 1000 l");
    EXPECT_EQ(text("lblLoesAnzahl"), "3");
    EXPECT_EQ(text("lblLoesVolumen"), "3.000 Liter");
    EXPECT_EQ(text("lblLoesTankmasse"), "2,380 x 1,400 x 2,120 m");
    EXPECT_EQ(text("lblLoesRichtpreis"), "2.476,00 EUR *");
    EXPECT_EQ(text("edtZubAnlagenpreis"), "2476,00");
    EXPECT_EQ(text("lblVariante"), "Variante 1 von 2");
    EXPECT_EQ(text("pnlVariante"), "3");
    EXPECT_TRUE(find<QWidget>("imgLoesungProdukt")->isVisible());
    for (const char* name : {"bbnDrucken", "bbnDatanormDrucken", "spbTankPositioning",
                             "btnZubehoer", "bbnVarianteRight", "btnDrehen"}) {
        EXPECT_TRUE(find<QWidget>(name)->isEnabled()) << name;
    }
    EXPECT_FALSE(find<QWidget>("bbnVarianteLeft")->isEnabled());
    EXPECT_TRUE(find<QWidget>("bbnEditPrice")->isVisible());
}

TEST_F(LoesungTest, ColumnClicksSortByCaptionIgnoringCase) {
    click("bbnVorgLoesungen");
    ASSERT_GE(list()->topLevelItemCount(), 3);
    std::vector<std::string> byNumber = column(1);
    std::sort(byNumber.begin(), byNumber.end());
    // Designations that a case-sensitive comparison would order the other way round.
    list()->topLevelItem(0)->setText(2, QStringLiteral("b-Tank"));
    list()->topLevelItem(1)->setText(2, QStringLiteral("A-Tank"));
    list()->topLevelItem(2)->setText(2, QStringLiteral("a-Tank 2"));
    const QHeaderView* header = list()->header();
    const auto clickColumn = [&](int index) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(index) + 10, 5));
    };

    clickColumn(2);
    const std::vector<std::string> types = column(2);
    EXPECT_EQ(std::vector<std::string>(types.begin(), types.begin() + 3),
              (std::vector<std::string>{"A-Tank", "a-Tank 2", "b-Tank"}));
    EXPECT_EQ(column(0).front(), "_#_A-Tank");

    clickColumn(1);
    EXPECT_EQ(column(1), byNumber);
    EXPECT_EQ(column(0).front(), "_#_" + byNumber.front());
}

TEST_F(LoesungTest, StepsAndTurnsVariantsThatComeInPairs) {
    // 951062 in this room: 4+1h 4+1v 5h 5v 3+2h 3+2v.
    type("edtVorgRaumBreite", "6");
    type("edtVorgRaumLaenge", "6");
    click("bbnVorgLoesungen");
    select("951062");
    ASSERT_EQ(installation(window->daten()), "4+1h");
    ASSERT_EQ(text("lblVariante"), "Variante 1 von 3");

    struct Step {
        const char* button;
        const char* shown;
        const char* counter;
        bool leftEnabled;
        bool rightEnabled;
    };
    const Step steps[] = {
        {"bbnVarianteRight", "5h", "Variante 2 von 3", true, true},
        {"bbnVarianteRight", "3+2h", "Variante 3 von 3", true, false},
        {"btnDrehen", "3+2v", "Variante 3 von 3", true, false},
        {"bbnVarianteLeft", "5v", "Variante 2 von 3", true, true},
        {"btnDrehen", "5h", "Variante 2 von 3", true, true},
        {"bbnVarianteLeft", "4+1h", "Variante 1 von 3", false, true},
        {"btnDrehen", "4+1v", "Variante 1 von 3", false, true},
    };
    for (const Step& step : steps) {
        click(step.button);
        EXPECT_EQ(installation(window->daten()), step.shown) << step.button;
        EXPECT_EQ(text("lblVariante"), step.counter) << step.shown;
        EXPECT_EQ(find<QWidget>("bbnVarianteLeft")->isEnabled(), step.leftEnabled) << step.shown;
        EXPECT_EQ(find<QWidget>("bbnVarianteRight")->isEnabled(), step.rightEnabled) << step.shown;
        EXPECT_TRUE(find<QWidget>("btnDrehen")->isEnabled()) << step.shown;
    }
}

TEST_F(LoesungTest, ASingleInstallationDisablesEveryVariantCommand) {
    // 951062 in this room and volume fits only as 4+4v.
    type("edtVorgSollVolumen", "5000");
    click("bbnVorgLoesungen");
    select("951062");
    EXPECT_EQ(text("lblVariante"), "Variante 1 von 1");
    for (const char* name : {"bbnVarianteLeft", "bbnVarianteRight", "btnDrehen"}) {
        EXPECT_FALSE(find<QWidget>(name)->isEnabled()) << name;
    }
}

TEST_F(LoesungTest, ASingleTankSaysWhatItIsAndIsListedOnlyWhereItCouldStand) {
    click("bbnVorgLoesungen");
    select("951530");
    EXPECT_EQ(text("lblVariante"), "Einzeltank");
    EXPECT_EQ(text("pnlVariante"), "keine Batterieaufstellung");
    EXPECT_EQ(text("lblLoesTankmasseTitel"), "Tankmaße:");
    EXPECT_EQ(text("lblLoesTankmasse"), "1,000 x 2,200 x 1,700 m");
    EXPECT_EQ(text("lblLoesAnzahl"), "1");
    for (const char* name :
         {"bbnVarianteLeft", "bbnVarianteRight", "btnDrehen", "spbTankPositioning"}) {
        EXPECT_FALSE(find<QWidget>(name)->isEnabled()) << name;
    }
    select("951100");
    EXPECT_TRUE(find<QWidget>("spbTankPositioning")->isEnabled());
    EXPECT_EQ(text("lblLoesTankmasseTitel"), "Batteriemaße:");
    EXPECT_EQ(text("lblVariante"), "Variante 1 von 2");

    // The cellar of 0,5 m in every direction takes neither steel cellar tank.
    for (const char* feld : {"edtVorgRaumBreite", "edtVorgRaumLaenge", "edtVorgRaumHoehe"}) {
        type(feld, "0,5");
    }
    click("bbnVorgLoesungen");
    const std::vector<std::string> artikel = column(1);
    for (const char* einzeltank : {"951530", "951550"}) {
        EXPECT_EQ(std::count(artikel.begin(), artikel.end(), einzeltank), 0) << einzeltank;
    }
}

TEST_F(LoesungTest, TickingAnOptionalAccessoryChangesTheInstallationPrice) {
    click("bbnVorgLoesungen");
    select("951100");
    click("btnZubehoer");
    ASSERT_TRUE(find<QWidget>("gboZubehoer")->isVisible());
    ASSERT_FALSE(find<QWidget>("pnlZeichnungsebene")->isVisible());
    auto* material = find<QListWidget>("clbZubAuswahl");
    const auto line = [&](const char* artNr) {
        const auto found = material->findItems(QStringLiteral("(%1)").arg(QLatin1String(artNr)),
                                               Qt::MatchEndsWith);
        EXPECT_EQ(found.size(), 1) << artNr;
        return found.front();
    };
    EXPECT_EQ(material->item(0)->text().toStdString(), "3x HALVEX Batterietank PE 1000 l (951100)");
    EXPECT_FALSE(material->item(0)->flags().testFlag(Qt::ItemIsEnabled));
    EXPECT_FALSE(line("952400")->flags().testFlag(Qt::ItemIsEnabled)) << "required";
    EXPECT_EQ(line("952402")->text().toStdString(),
              "2 x Erweiterungsset je weiterer Tank (PE) mit Füllstandsanzeiger (952402)");

    QListWidgetItem* chain = line("952611");  // 79,00 €
    ASSERT_EQ(chain->checkState(), Qt::Unchecked);
    chain->setCheckState(Qt::Checked);
    EXPECT_EQ(text("edtZubAnlagenpreis"), "2555,00");
    chain->setCheckState(Qt::Unchecked);
    EXPECT_EQ(text("edtZubAnlagenpreis"), "2476,00");

    line("952611")->setCheckState(Qt::Checked);
    click("bbnZubOK");
    EXPECT_TRUE(find<QWidget>("pnlZeichnungsebene")->isVisible());
    click("bbnVarianteRight");
    EXPECT_EQ(line("952611")->checkState(), Qt::Unchecked);
    EXPECT_EQ(window->daten().getOptZubehoerPreis(), 0.0);
}

}  // namespace
}  // namespace velmora::testing
