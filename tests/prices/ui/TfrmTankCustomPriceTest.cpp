#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "prices/TTankCustomPrices.h"
#include "prices/ui/TfrmTankCustomPrice.h"
#include "prices/ui/TfrmTankCustomPriceElem.h"
#include "support/ScriptedHost.h"
#include "support/TempDirectory.h"
#include "widgets/TAlignEdit.h"

namespace velmora {
namespace {

// A store in a fresh directory, and the price window opened on some of its entries.
class TfrmTankCustomPriceTest : public ::testing::Test {
protected:
    TTankCustomPrice& entry(const std::string& article, double cataloguePrice) {
        TTankCustomPrice& e = store.getElem(article);
        e.setOriginalPrice(cataloguePrice);
        return e;
    }
    TfrmTankCustomPrice* open(std::vector<TTankCustomPrice*> entries) {
        window = TfrmTankCustomPrice::showForm(nullptr, std::move(entries));
        return window;
    }
    QList<TfrmTankCustomPriceElem*> panels() const {
        return window->findChildren<TfrmTankCustomPriceElem*>();
    }
    template <typename T>
    static T* in(QWidget* panel, const char* name) {
        return panel->findChild<T*>(QString::fromLatin1(name));
    }
    void activate() {
        QApplication::setActiveWindow(window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
    void close() {
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("bbnClose")),
                          Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(window.isNull());
    }
    // What a later run of the program reads from the file.
    TTankCustomPrice& reread(const std::string& article) { return rereadStore.getElem(article); }

    testing::TempDirectory directory;
    testing::ScriptedHost host;
    TTankCustomPrices store{directory.path() / "customPrices"};
    TTankCustomPrices rereadStore{directory.path() / "customPrices"};
    QPointer<TfrmTankCustomPrice> window;
};

TEST_F(TfrmTankCustomPriceTest, ShowsOnePanelPerEntry) {
    TTankCustomPrice& tank = entry("951100", 1234.5);
    tank.setCustomPrice(999.9);
    tank.setUseCustomPrice(true);
    ASSERT_NE(open({&tank}), nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Produkt-Preise"));
    EXPECT_EQ(window->size(), QSize(504, 362));
    ASSERT_EQ(panels().size(), 1);
    QWidget* panel = panels().front();
    EXPECT_EQ(in<QLabel>(panel, "lblArtNrVal")->text(), QStringLiteral("951100"));
    EXPECT_EQ(in<QLabel>(panel, "lblOriginalPrice")->text(), QStringLiteral("1.234,50"));
    EXPECT_TRUE(in<QCheckBox>(panel, "chkCustomPrice")->isChecked());
    EXPECT_TRUE(in<TAlignEdit>(panel, "edtCustomPrice")->isEnabled());
    EXPECT_EQ(in<TAlignEdit>(panel, "edtCustomPrice")->text(), QStringLiteral("999,90"));
    close();
}

TEST_F(TfrmTankCustomPriceTest, AnEmptyListOpensNoWindow) {
    EXPECT_EQ(open({}), nullptr);
    EXPECT_EQ(open({nullptr}), nullptr);
    TfrmTankCustomPrice::openForm(nullptr, {});  // returns at once
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(TfrmTankCustomPriceTest, UntickingShowsTheCataloguePriceAndKeepsTheStoredOne) {
    TTankCustomPrice& tank = entry("4711", 25.5);
    tank.setCustomPrice(19.99);
    tank.setUseCustomPrice(true);
    open({&tank});
    QWidget* panel = panels().front();
    QTest::mouseClick(in<QCheckBox>(panel, "chkCustomPrice"), Qt::LeftButton);
    EXPECT_FALSE(tank.UseCustomPrice());
    EXPECT_DOUBLE_EQ(tank.CustomPrice(), 19.99);
    EXPECT_FALSE(in<TAlignEdit>(panel, "edtCustomPrice")->isEnabled());
    EXPECT_EQ(in<TAlignEdit>(panel, "edtCustomPrice")->text(), QStringLiteral("25,50"));
    close();
    EXPECT_FALSE(reread("4711").UseCustomPrice());
    EXPECT_DOUBLE_EQ(reread("4711").CustomPrice(), 19.99);
}

TEST_F(TfrmTankCustomPriceTest, TickingAnEntryWithoutOwnPriceShowsZeroUntilOneIsTyped) {
    TTankCustomPrice& tank = entry("4711", 25.5);
    open({&tank});
    QWidget* panel = panels().front();
    QTest::mouseClick(in<QCheckBox>(panel, "chkCustomPrice"), Qt::LeftButton);
    EXPECT_TRUE(tank.UseCustomPrice());
    EXPECT_TRUE(in<TAlignEdit>(panel, "edtCustomPrice")->isEnabled());
    EXPECT_EQ(in<TAlignEdit>(panel, "edtCustomPrice")->text(), QStringLiteral("0,00"));
    close();
}

TEST_F(TfrmTankCustomPriceTest, APriceWithCommaOrPointIsTakenWhenTheFieldIsLeft) {
    for (const char* typed : {"12,75", "12.75"}) {
        TTankCustomPrice& tank = entry(std::string("A-") + typed, 30);
        tank.setUseCustomPrice(true);
        open({&tank});
        activate();
        auto* field = in<TAlignEdit>(panels().front(), "edtCustomPrice");
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, QString::fromLatin1(typed));
        QTest::keyClick(field, Qt::Key_Return);  // moves on: the field is left
        EXPECT_FALSE(field->hasFocus()) << typed;
        EXPECT_DOUBLE_EQ(tank.CustomPrice(), 12.75) << typed;
        EXPECT_EQ(field->text(), QStringLiteral("12,75")) << typed;
        close();
        EXPECT_DOUBLE_EQ(reread(tank.ArticleNo()).CustomPrice(), 12.75) << typed;
    }
}

TEST_F(TfrmTankCustomPriceTest, APriceTypedJustBeforeClosingIsNotLost) {
    TTankCustomPrice& tank = entry("4711", 30);
    tank.setUseCustomPrice(true);
    open({&tank});
    auto* field = in<TAlignEdit>(panels().front(), "edtCustomPrice");
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("8,5"));
    QTest::keyClick(window, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_DOUBLE_EQ(tank.CustomPrice(), 8.5);
    EXPECT_DOUBLE_EQ(reread("4711").CustomPrice(), 8.5);
    EXPECT_TRUE(reread("4711").UseCustomPrice());
}

TEST_F(TfrmTankCustomPriceTest, ClosingWritesTheChangedEntriesAlsoOneListedTwice) {
    TTankCustomPrice& tank = entry("951100", 1000);
    TTankCustomPrice& valve = entry("V-1", 10);
    TTankCustomPrice& pipe = entry("P-2", 5);
    open({&tank, &valve, &pipe, &valve});
    const auto shown = panels();
    ASSERT_EQ(shown.size(), 4);
    EXPECT_EQ(shown[1]->entry(), &valve);
    EXPECT_EQ(shown[3]->entry(), &valve);
    // A change in one panel of the entry shows in the other only when that is filled again.
    QTest::mouseClick(in<QCheckBox>(shown[1], "chkCustomPrice"), Qt::LeftButton);
    EXPECT_TRUE(valve.UseCustomPrice());
    EXPECT_FALSE(in<QCheckBox>(shown[3], "chkCustomPrice")->isChecked());
    window->close();  // the close box
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(reread("V-1").UseCustomPrice());
    for (const auto* untouched : {&tank, &pipe}) {
        EXPECT_FALSE(std::filesystem::exists(untouched->filePath())) << untouched->ArticleNo();
    }
    EXPECT_TRUE(host.errors.empty());
}

// Another writer (the tool, a second window) changes the files while the window is open.
TEST_F(TfrmTankCustomPriceTest, ClosingKeepsWhatAnotherWriterStoredMeanwhile) {
    TTankCustomPrice& tank = entry("951100", 1000);
    TTankCustomPrice& valve = entry("V-1", 10);
    open({&tank, &valve});
    TTankCustomPrices other(directory.path() / "customPrices");
    for (const char* article : {"951100", "V-1"}) {
        other.getElem(article).setCustomPrice(777);
        ASSERT_TRUE(other.getElem(article).save());
    }
    // Only the use of the tank is changed here: its price and the whole valve stay as stored.
    QTest::mouseClick(in<QCheckBox>(panels().front(), "chkCustomPrice"), Qt::LeftButton);
    close();
    EXPECT_TRUE(reread("951100").UseCustomPrice());
    EXPECT_DOUBLE_EQ(reread("951100").CustomPrice(), 777);
    EXPECT_DOUBLE_EQ(tank.CustomPrice(), 777);  // the entry follows the file it wrote
    EXPECT_FALSE(reread("V-1").UseCustomPrice());
    EXPECT_DOUBLE_EQ(reread("V-1").CustomPrice(), 777);
}

TEST_F(TfrmTankCustomPriceTest, EntriesThatCannotBeWrittenAreNamedWithTheReason) {
    directory.write("blocked", "a file where the price directory should be");
    TTankCustomPrices blockedStore(directory.path() / "blocked" / "customPrices");
    TTankCustomPrice& tank = blockedStore.getElem("951100");
    tank.setCustomPrice(800);
    open({&tank, &tank});
    close();
    EXPECT_EQ(host.errors, (std::vector<std::string>{
                               "Die eigenen Preise dieser Artikel konnten nicht gespeichert "
                               "werden:\n951100: Not a directory"}));
}

// A turn over a panel reaches the scroll box's viewport, one over the button strip the window
// itself (Qt hands an ignored wheel turn up to the parents); both scroll.
TEST_F(TfrmTankCustomPriceTest, TheWheelScrollsFromAnywhereOverTheWindow) {
    std::vector<TTankCustomPrice*> entries;
    for (int i = 1; i <= 5; ++i) {
        entries.push_back(&entry("ART-" + std::to_string(i), i));
    }
    open(entries);
    auto* scrollBox = window->findChild<QScrollArea*>(QStringLiteral("scbContent"));
    QScrollBar* bar = scrollBox->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    for (QWidget* under : {scrollBox->viewport(), static_cast<QWidget*>(window.data())}) {
        bar->setValue(0);
        const QPointF point(10, 10);
        QWheelEvent down(point, under->mapToGlobal(point), QPoint(), QPoint(0, -120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(under, &down);
        EXPECT_GT(bar->value(), 0) << under->objectName().toStdString();
        QWheelEvent up(point, under->mapToGlobal(point), QPoint(), QPoint(0, 120), Qt::NoButton,
                       Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(under, &up);
        EXPECT_EQ(bar->value(), 0) << under->objectName().toStdString();
    }
    close();
}

TEST_F(TfrmTankCustomPriceTest, TheBlockingEntryReturnsAfterTheWindowClosed) {
    TTankCustomPrice& tank = entry("951100", 1000);
    tank.setCustomPrice(900);
    QTimer::singleShot(0, [] {
        auto* shown = qobject_cast<TfrmTankCustomPrice*>(QApplication::activeModalWidget());
        ASSERT_NE(shown, nullptr);
        shown->findChild<QPushButton*>(QStringLiteral("bbnClose"))->click();
    });
    TfrmTankCustomPrice::openForm(nullptr, {&tank});
    EXPECT_TRUE(std::filesystem::is_regular_file(tank.filePath()));
}

}  // namespace
}  // namespace velmora
