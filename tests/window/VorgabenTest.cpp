#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QToolButton>

#include "WindowFixture.h"
#include "app/TDaten.h"
#include "widgets/CalculatorDialog.h"

namespace velmora::testing {
namespace {

using VorgabenTest = WindowFixture;

TEST_F(VorgabenTest, StartsWithTheCatalogueDefaultsAndTheTypeList) {
    EXPECT_EQ(caption(*window).toStdString(), "Velmora");
    EXPECT_EQ(window->size(), QSize(978, 732));
    EXPECT_EQ(text("edtVorgRaumBreite"), "3,00");
    EXPECT_EQ(text("edtVorgSollVolumen"), "3000,00");
    EXPECT_EQ(text("edtVorgEckeBreite"), "0,00");
    EXPECT_EQ(text("edtVorgHeizraumBreite"), "");
    EXPECT_FALSE(find<QWidget>("edtVorgHeizraumBreite")->isEnabled());
    EXPECT_FALSE(find<QWidget>("chkVorgKessel")->isEnabled());
    auto* types = find<QComboBox>("cboVorgTankart");
    ASSERT_EQ(types->count(), static_cast<int>(window->daten().getAnzahlProduktgruppen()) + 1);
    EXPECT_EQ(types->itemText(0).toStdString(), "Alle Tanks");
    EXPECT_EQ(types->itemText(1).toStdString(), window->daten().getProduktgruppenBezeichnung(0));
    EXPECT_TRUE(find<QWidget>("pnlStartanzeige")->isVisible());
    EXPECT_FALSE(find<QWidget>("pnlLoesungsanzeige")->isVisible());
    EXPECT_TRUE(host.errors.empty());
}

TEST_F(VorgabenTest, SearchesWithTheTypedInputsAndListsEverySolution) {
    type("edtVorgRaumBreite", "3,5");
    type("edtVorgRaumLaenge", "4.25");
    type("edtVorgSollVolumen", "5000");
    click("bbnVorgLoesungen");

    const TTempData& state = window->daten().getTempData();
    EXPECT_EQ(state.loesRaumBreite, "3500");
    EXPECT_EQ(state.loesRaumLaenge, "4250");
    EXPECT_EQ(state.loesSollVolumen, "5000");
    EXPECT_EQ(state.loesTankart, "");
    EXPECT_EQ(text("edtVorgRaumLaenge"), "4,25");
    const auto* solutions = window->daten().getLoesungsListe();
    ASSERT_NE(solutions, nullptr);
    ASSERT_FALSE(solutions->empty());
    ASSERT_EQ(list()->topLevelItemCount(), static_cast<int>(solutions->size()));
    EXPECT_EQ(column(1).front(), solutions->front()->getArtikelNr());
    EXPECT_EQ(column(2).front(), solutions->front()->getBezeichnung());
    EXPECT_EQ(column(0).front(), "_#_" + solutions->front()->getArtikelNr());
    EXPECT_FALSE(find<QWidget>("pnlStartanzeige")->isVisible());
    EXPECT_TRUE(find<QWidget>("pnlLoesungsanzeige")->isVisible());
    EXPECT_TRUE(find<QWidget>("imgHeader")->isVisible());
    // No solution is shown before the user picks one.
    EXPECT_EQ(text("lblVariante"), "Variante");
    EXPECT_FALSE(find<QWidget>("bbnDrucken")->isEnabled());
}

// The search's warnings come once its result is on screen, not over the panel before it.
TEST_F(VorgabenTest, WarningsComeOverTheNewResult) {
    type("edtVorgEckeBreite", "5");
    type("edtVorgEckeLaenge", "1");
    bool ergebnisSichtbar = false;
    host.whileShown = [&] {
        ergebnisSichtbar =
            find<QWidget>("pnlLoesungsanzeige")->isVisible() && list()->topLevelItemCount() > 0;
    };
    click("bbnVorgLoesungen");
    ASSERT_EQ(host.informations.size(), 1U);
    EXPECT_NE(host.informations.front().find("Ecke"), std::string::npos)
        << host.informations.front();
    EXPECT_TRUE(ergebnisSichtbar);
}

TEST_F(VorgabenTest, LeavingAChangedFieldSearchesAgainAndKeepsTheShownSolution) {
    click("bbnVorgLoesungen");
    select("951100");
    ASSERT_EQ(text("lblLoesTankart"), "HALVEX Batterietank PE 1000 l");

    markRows();
    typeAndLeave("edtVorgRaumBreite", "3,00");
    EXPECT_FALSE(searchedSinceMark()) << "the same value searched again";

    typeAndLeave("edtVorgRaumBreite", "4,5");
    EXPECT_TRUE(searchedSinceMark());
    EXPECT_EQ(window->daten().getTempData().loesRaumBreite, "4500");
    EXPECT_EQ(text("edtVorgRaumBreite"), "4,50");
    EXPECT_EQ(text("lblLoesTankart"), "HALVEX Batterietank PE 1000 l");
    ASSERT_EQ(list()->selectedItems().size(), 1);
    EXPECT_EQ(list()->selectedItems().front()->text(1).toStdString(), "951100");
}

TEST_F(VorgabenTest, NoAutomaticSearchBeforeTheFirstOneOrForAHalfGivenCorner) {
    typeAndLeave("edtVorgRaumBreite", "4");
    EXPECT_EQ(window->daten().getLoesungsListe(), nullptr);

    click("bbnVorgLoesungen");
    markRows();
    typeAndLeave("edtVorgEckeBreite", "1");
    EXPECT_FALSE(searchedSinceMark()) << "corner length is still 0";
    typeAndLeave("edtVorgEckeLaenge", "1");
    EXPECT_TRUE(searchedSinceMark());
    EXPECT_EQ(window->daten().getTempData().loesEckeLaenge, "1000");
    EXPECT_TRUE(find<QWidget>("spbDarstEckeOL")->isEnabled());
}

TEST_F(VorgabenTest, BoilerRoomFillsAndEmptiesTheBoilerMeasures) {
    auto* boilerRoom = find<QCheckBox>("chkVorgHeizraum");
    boilerRoom->click();
    EXPECT_EQ(text("edtVorgHeizraumBreite"), "1,00");
    EXPECT_EQ(text("edtVorgheizraumLaenge"), "1,00");
    EXPECT_TRUE(find<QWidget>("edtVorgHeizraumBreite")->isEnabled());
    EXPECT_TRUE(find<QWidget>("chkVorgKessel")->isEnabled());
    EXPECT_FALSE(find<QWidget>("rboVorgKessel40")->isEnabled());
    click("chkVorgKessel");
    EXPECT_TRUE(find<QWidget>("rboVorgKessel40")->isEnabled());

    boilerRoom->click();
    EXPECT_EQ(text("edtVorgHeizraumBreite"), "");
    EXPECT_EQ(text("edtVorgheizraumLaenge"), "");
    EXPECT_FALSE(find<QWidget>("edtVorgHeizraumBreite")->isEnabled());
    EXPECT_FALSE(find<QWidget>("chkVorgKessel")->isEnabled());
    EXPECT_FALSE(find<QWidget>("rboVorgKessel40")->isEnabled());
}

TEST_F(VorgabenTest, ResetBringsBackTheStartState) {
    type("edtVorgEckeBreite", "1");
    type("edtVorgEckeLaenge", "1");
    click("chkVorgHeizraum");
    type("edtVorgRaumBreite", "5");
    find<QToolButton>("spbDarstPositionUR")->click();
    click("bbnVorgLoesungen");
    select("951100");
    ASSERT_TRUE(find<QWidget>("spbDarstEckeOL")->isEnabled());
    ASSERT_TRUE(find<QWidget>("spbDarstHeizraumOL")->isEnabled());

    click("bbnVorgLoeschen");
    EXPECT_TRUE(find<QWidget>("pnlStartanzeige")->isVisible());
    EXPECT_FALSE(find<QWidget>("pnlLoesungsanzeige")->isVisible());
    EXPECT_EQ(list()->topLevelItemCount(), 0);
    EXPECT_EQ(window->daten().getLoesungsListe(), nullptr);
    EXPECT_EQ(text("edtVorgRaumBreite"), "3,00");
    EXPECT_EQ(text("edtVorgEckeBreite"), "0,00");
    EXPECT_EQ(text("edtVorgHeizraumBreite"), "");
    EXPECT_FALSE(find<QCheckBox>("chkVorgHeizraum")->isChecked());
    EXPECT_TRUE(find<QToolButton>("spbDarstPositionOL")->isChecked());
    for (const char* name :
         {"spbDarstEckeOL", "spbDarstEckeUR", "spbDarstHeizraumOL", "spbDarstHeizraumUR"}) {
        EXPECT_FALSE(find<QWidget>(name)->isEnabled()) << name;
        EXPECT_FALSE(find<QWidget>(name)->isHidden()) << name;
    }
    EXPECT_EQ(text("lblLoesTankart"), "");

    // Leaving a field afterwards does not search: the reset ended the automatic search.
    typeAndLeave("edtVorgRaumBreite", "4");
    EXPECT_EQ(window->daten().getLoesungsListe(), nullptr);
}

TEST_F(VorgabenTest, CancellingTheCloseQuestionKeepsEverything) {
    click("bbnVorgLoesungen");
    select("951100");
    type("edtVorgRaumHoehe", "2,5");

    EXPECT_FALSE(window->close());
    EXPECT_TRUE(host.questions.empty());
    ASSERT_EQ(host.unsavedQuestions.size(), 1U);
    // The shown plan was never saved: the question offers to save it.
    EXPECT_EQ(host.unsavedQuestions.front(),
              "Der angezeigte Plan hat ungespeicherte Änderungen: Lösungen gesucht.\r\nMöchten "
              "Sie ihn speichern, bevor HALVEX Velmora geschlossen wird?");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(text("edtVorgRaumHoehe"), "2,5");
    EXPECT_EQ(text("lblLoesTankart"), "HALVEX Batterietank PE 1000 l");
    EXPECT_EQ(window->daten().getAktuellesProdukt()->getArtikelNr(), "951100");
    EXPECT_GT(list()->topLevelItemCount(), 0);

    host.unsavedAnswers = {UnsavedAnswer::Discard};
    EXPECT_TRUE(window->close());
}

// A value taken from the pocket calculator is entered as a typed one: the change test runs
// and the plan follows the inputs.
TEST_F(VorgabenTest, ACalculatorResultIsSearchedLikeATypedValue) {
    click("bbnVorgLoesungen");
    markRows();
    auto* breite = find<QLineEdit>("edtVorgRaumBreite");
    breite->setFocus();
    breite->end(false);
    QTest::keyClicks(breite, QStringLiteral("*"));
    auto* rechner = breite->findChild<CalculatorDialog*>();
    ASSERT_NE(rechner, nullptr);
    auto* rechnung = rechner->findChild<QLineEdit*>(QStringLiteral("edtAusdruck"));
    QTest::keyClicks(rechnung, QStringLiteral("2"));
    QTest::keyClick(rechnung, Qt::Key_Return);
    EXPECT_EQ(text("edtVorgRaumBreite"), "6,00");
    EXPECT_EQ(window->daten().getTempData().loesRaumBreite, "6000");
    EXPECT_TRUE(searchedSinceMark());
}

// Enter walks every input in the order of the input area, the type list and the check and
// radio buttons included, and ends at the search command.
TEST_F(VorgabenTest, EnterReachesEveryInput) {
    click("chkVorgHeizraum");
    click("chkVorgKessel");
    find<QWidget>("edtVorgRaumBreite")->setFocus();
    std::vector<std::string> besucht;
    for (int schritt = 0; schritt < 16; ++schritt) {
        QWidget* fokus = QApplication::focusWidget();
        besucht.push_back(fokus->objectName().toStdString());
        QTest::keyClick(fokus, Qt::Key_Return);
    }
    const std::vector<std::string> reihenfolge{
        "edtVorgRaumBreite",     "edtVorgRaumLaenge",    "edtVorgRaumHoehe",
        "edtVorgEckeBreite",     "edtVorgEckeLaenge",    "cboVorgTankart",
        "edtVorgSollVolumen",    "chkVorgHeizraum",      "chkVorgKessel",
        "rboVorgKessel40",       "rboVorgKessel10",      "edtVorgHeizraumBreite",
        "edtVorgheizraumLaenge", "edtVorgEinbringHoehe", "edtVorgEinbringBreite",
        "bbnVorgLoesungen"};
    EXPECT_EQ(besucht, reihenfolge);
}

}  // namespace
}  // namespace velmora::testing
