#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "WindowFixture.h"
#include "app/TDaten.h"
#include "catalogue/TProdukt.h"
#include "catalogue/TTempData.h"
#include "prices/ui/TfrmTankCustomPrice.h"
#include "prices/ui/TfrmTankCustomPriceElem.h"
#include "support/TempDirectory.h"

namespace velmora::testing {
namespace {

// The main window with its custom prices kept in a fresh per-user data directory.
class TfrmGrundPriceTest : public WindowFixture {
protected:
    void SetUp() override {
        if (const char* previous = std::getenv("XDG_DATA_HOME")) {
            previousDataHome = previous;
        }
        ::setenv("XDG_DATA_HOME", dataHome.path().c_str(), 1);
        WindowFixture::SetUp();
    }
    void TearDown() override {
        WindowFixture::TearDown();
        if (previousDataHome) {
            ::setenv("XDG_DATA_HOME", previousDataHome->c_str(), 1);
        } else {
            ::unsetenv("XDG_DATA_HOME");
        }
    }

    // Shows the first solution that lists accessories; its product.
    TProdukt* showSolutionWithAccessories() {
        find<QAbstractButton>("bbnVorgLoesungen")->click();
        auto* list = find<QTreeWidget>("lviLoesungsanzeige");
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            list->setCurrentItem(list->topLevelItem(row));
            QApplication::processEvents();
            TProdukt* produkt = window->daten().getAktuellesProdukt();
            if (produkt != nullptr && produkt->getZubehoerOptionalListeCount() > 0) {
                return produkt;
            }
        }
        return nullptr;
    }

    testing::TempDirectory dataHome;
    std::optional<std::string> previousDataHome;
};

TEST_F(TfrmGrundPriceTest, AnOwnTankPriceChangesTheGuidePriceWhenThePriceWindowCloses) {
    TProdukt* produkt = showSolutionWithAccessories();
    ASSERT_NE(produkt, nullptr);
    auto* priceButton = find<QAbstractButton>("bbnEditPrice");
    ASSERT_TRUE(priceButton->isVisible());
    const double cataloguePrice = produkt->getPreis();
    const double expectedTotal =
        produkt->getGesamtPreis() + produkt->getAnzahlTanks() * (1000.0 - cataloguePrice);

    int panelCount = 0;
    std::string firstArticle;
    // A timer of the test's own, so that it cannot fire after the test when no window came.
    QTimer operateThePriceWindow;
    operateThePriceWindow.setSingleShot(true);
    QObject::connect(&operateThePriceWindow, &QTimer::timeout, [&] {
        auto* prices = qobject_cast<TfrmTankCustomPrice*>(QApplication::activeModalWidget());
        if (prices == nullptr) {
            return;  // the assertions below report it
        }
        const auto panels = prices->findChildren<TfrmTankCustomPriceElem*>();
        panelCount = static_cast<int>(panels.size());
        QWidget* tank = panels.front();
        firstArticle =
            tank->findChild<QLabel*>(QStringLiteral("lblArtNrVal"))->text().toStdString();
        tank->findChild<QCheckBox*>(QStringLiteral("chkCustomPrice"))->click();
        auto* field = tank->findChild<QLineEdit*>(QStringLiteral("edtCustomPrice"));
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("1000,00"));
        prices->findChild<QAbstractButton*>(QStringLiteral("bbnClose"))->click();
    });
    operateThePriceWindow.start(0);
    priceButton->click();  // returns when the price window has closed

    EXPECT_EQ(panelCount, 1 + static_cast<int>(produkt->getZubehoerOptionalListeCount()));
    EXPECT_EQ(firstArticle, produkt->getArtikelNr());
    EXPECT_DOUBLE_EQ(produkt->getPreis(), 1000.0);
    EXPECT_EQ(find<QLabel>("lblLoesRichtpreis")->text().toStdString(),
              TTempData::setzeTausendertrennzeichen(expectedTotal, true) + " EUR *");
    EXPECT_TRUE(std::filesystem::is_regular_file(produkt->CustomPriceElem()->filePath()));
    EXPECT_EQ(produkt->CustomPriceElem()->filePath().parent_path().parent_path().parent_path(),
              dataHome.path());
}

}  // namespace
}  // namespace velmora::testing
