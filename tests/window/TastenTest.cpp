#include <QToolButton>

#include "WindowFixture.h"
#include "app/TDaten.h"

namespace velmora::testing {
namespace {

using TastenTest = WindowFixture;

std::string shownArtNr(TDaten& daten) {
    return daten.getAktuellesProdukt() ? daten.getAktuellesProdukt()->getArtikelNr() : "";
}

TEST_F(TastenTest, NumberBlockTwoAndEightWalkTheListAndWrap) {
    click("bbnVorgLoesungen");
    const std::vector<std::string> rows = column(1);
    ASSERT_GE(rows.size(), 3U);

    key(Qt::Key_2);
    EXPECT_EQ(shownArtNr(window->daten()), rows.front()) << "nothing shown: the first";
    key(Qt::Key_2);
    EXPECT_EQ(shownArtNr(window->daten()), rows[1]);
    key(Qt::Key_8);
    key(Qt::Key_8);
    EXPECT_EQ(shownArtNr(window->daten()), rows.back()) << "before the first: the last";
    key(Qt::Key_2);
    EXPECT_EQ(shownArtNr(window->daten()), rows.front()) << "after the last: the first";
    // The digit keys of the main block are no commands.
    key(Qt::Key_2, Qt::NoModifier);
    EXPECT_EQ(shownArtNr(window->daten()), rows.front());
}

TEST_F(TastenTest, NumberBlockCornersMoveTankCornerOrBoilerByModifier) {
    type("edtVorgRaumBreite", "6");
    type("edtVorgRaumLaenge", "6");
    type("edtVorgEckeBreite", "1");
    type("edtVorgEckeLaenge", "1");
    click("chkVorgHeizraum");
    click("bbnVorgLoesungen");
    const TTempData& state = window->daten().getTempData();
    ASSERT_EQ(state.TankPosition + state.EckePosition + state.HeizraumPosition, "OLORUR");
    EXPECT_TRUE(find<QWidget>("spbDarstEckeUR")->isHidden()) << "the boiler's corner";
    EXPECT_TRUE(find<QWidget>("spbDarstHeizraumOR")->isHidden()) << "the cut-out's corner";

    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* positions;  // tank, corner, boiler after the key
    };
    const Case cases[] = {
        {Qt::Key_1, Qt::KeypadModifier, "ULORUR"},
        {Qt::Key_7, Qt::KeypadModifier | Qt::ControlModifier, "ULOLUR"},
        {Qt::Key_9, Qt::KeypadModifier | Qt::AltModifier, "ULOLOR"},
        {Qt::Key_9, Qt::KeypadModifier | Qt::ControlModifier, "ULOLOR"},  // boiler's corner
        {Qt::Key_3, Qt::KeypadModifier | Qt::ControlModifier, "ULUROR"},
        {Qt::Key_3, Qt::KeypadModifier, "URUROR"},
        {Qt::Key_1, Qt::NoModifier, "URUROR"},  // not the number block
    };
    for (const Case& c : cases) {
        key(c.key, c.modifiers);
        EXPECT_EQ(state.TankPosition + state.EckePosition + state.HeizraumPosition, c.positions)
            << "key " << c.key << " modifiers " << c.modifiers;
    }
    EXPECT_TRUE(find<QToolButton>("spbDarstPositionUR")->isChecked());
    EXPECT_TRUE(find<QToolButton>("spbDarstEckeUR")->isChecked());
    EXPECT_TRUE(find<QToolButton>("spbDarstHeizraumOR")->isChecked());
}

TEST_F(TastenTest, NumberBlockCommandsForTheShownSolution) {
    click("bbnVorgLoesungen");
    select("951100");
    key(Qt::Key_6);
    EXPECT_EQ(text("lblVariante"), "Variante 2 von 2");
    key(Qt::Key_4);
    EXPECT_EQ(text("lblVariante"), "Variante 1 von 2");
    key(Qt::Key_0);
    EXPECT_TRUE(find<QWidget>("gboZubehoer")->isVisible());
    key(Qt::Key_0);
    EXPECT_FALSE(find<QWidget>("gboZubehoer")->isVisible());

    key(Qt::Key_Backspace, Qt::NoModifier);
    EXPECT_TRUE(find<QWidget>("pnlStartanzeige")->isVisible());
    EXPECT_EQ(window->daten().getLoesungsListe(), nullptr);
    EXPECT_TRUE(find<QWidget>("bbnVorgLoesungen")->hasFocus());
}

TEST_F(TastenTest, AnInstallationButtonActsOnceWhenTheKeyGoesDown) {
    type("edtVorgRaumBreite", "6");
    type("edtVorgRaumLaenge", "6");
    click("bbnVorgLoesungen");
    select("951062");
    auto* next = find<QWidget>("bbnVarianteRight");
    next->setFocus();
    QTest::keyPress(next, Qt::Key_6, Qt::KeypadModifier);
    EXPECT_EQ(text("lblVariante"), "Variante 2 von 3");
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_6, Qt::KeypadModifier);
    EXPECT_EQ(text("lblVariante"), "Variante 2 von 3");
}

TEST_F(TastenTest, KeysTypedIntoAnInputFieldStayThere) {
    click("bbnVorgLoesungen");
    auto* width = find<QLineEdit>("edtVorgRaumBreite");
    width->setFocus();
    width->clear();
    QTest::keyClick(width, Qt::Key_2, Qt::KeypadModifier);
    QTest::keyClick(width, Qt::Key_Backspace);
    QTest::keyClick(width, Qt::Key_7, Qt::KeypadModifier);
    EXPECT_EQ(width->text(), QStringLiteral("7"));
    EXPECT_EQ(shownArtNr(window->daten()), "");
    EXPECT_NE(window->daten().getLoesungsListe(), nullptr);
    EXPECT_EQ(window->daten().getTempData().TankPosition, "OL");
}

}  // namespace
}  // namespace velmora::testing
