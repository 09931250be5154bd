#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "WindowFixture.h"
#include "app/TDaten.h"
#include "window/PlanImageView.h"

namespace velmora::testing {
namespace {

using WindowPicturesTest = WindowFixture;

// Every visible control lies inside the fixed client area and inside its parent: at the
// fixed size a layout that needs more room would cut controls off.
void expectEveryControlInside(const QWidget& window) {
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        if (!child->isVisible() || child->isWindow() || child->parentWidget() == nullptr) {
            continue;
        }
        const QRect inParent = child->geometry();
        const QRect parentArea = child->parentWidget()->rect();
        EXPECT_TRUE(parentArea.contains(inParent))
            << child->metaObject()->className() << " " << child->objectName().toStdString()
            << " at " << inParent.x() << "," << inParent.y() << " " << inParent.width() << "x"
            << inParent.height() << " outside its parent "
            << child->parentWidget()->objectName().toStdString();
    }
}

// The next widget Tab would reach from a widget, leaving out the panel's own.
const QWidget* nextTabStop(const QWidget& from, const QWidget& panel) {
    const QWidget* next = from.nextInFocusChain();
    while (next != &from && (!(next->focusPolicy() & Qt::TabFocus) || panel.isAncestorOf(next))) {
        next = next->nextInFocusChain();
    }
    return next;
}

// Saves what the user sees when VELMORA_WINDOW_PICTURES names a folder.
void savePicture(QWidget& window, const char* name) {
    const QByteArray folder = qgetenv("VELMORA_WINDOW_PICTURES");
    if (!folder.isEmpty()) {
        QDir().mkpath(QString::fromLocal8Bit(folder));
        window.grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/") +
                           QString::fromLatin1(name) + QStringLiteral(".png"));
    }
}

TEST_F(WindowPicturesTest, EveryStateKeepsItsControlsInsideTheWindow) {
    savePicture(*window, "1-start");
    expectEveryControlInside(*window);

    find<QAbstractButton>("bbnVorgLoesungen")->click();
    auto* list = find<QTreeWidget>("lviLoesungsanzeige");
    ASSERT_GT(list->topLevelItemCount(), 2);
    list->setCurrentItem(list->topLevelItem(2));
    QApplication::processEvents();
    savePicture(*window, "2-solution");
    expectEveryControlInside(*window);

    find<QAbstractButton>("btnZubehoer")->click();
    QApplication::processEvents();
    savePicture(*window, "3-material");
    expectEveryControlInside(*window);

    find<QWidget>("lblImpressum");
    QTest::mouseClick(find<QWidget>("lblImpressum"), Qt::LeftButton);
    QApplication::processEvents();
    savePicture(*window, "4-imprint");
    expectEveryControlInside(*window);
    // Tab leaves "OK" for what follows the panel, however late its contents were made.
    auto* ok = find<QAbstractButton>("btnImpOK");
    EXPECT_TRUE(ok->hasFocus());
    QWidget* panel = find<QWidget>("pnlImpressum");
    EXPECT_EQ(nextTabStop(*ok, *panel), nextTabStop(*panel, *panel));
    ok->click();

    // A cut-out corner and the boiler room: their buttons hide each other's corner.
    type("edtVorgRaumBreite", "6");
    type("edtVorgRaumLaenge", "5");
    type("edtVorgEckeBreite", "1,2");
    type("edtVorgEckeLaenge", "0,8");
    click("chkVorgHeizraum");
    click("bbnVorgLoesungen");
    select("951530");
    QApplication::processEvents();
    savePicture(*window, "5-corner-boiler");
    expectEveryControlInside(*window);
}

// The pictures are decoded beside building the widgets; each must arrive before the window shows.
TEST_F(WindowPicturesTest, ShowsItsPicturesFromTheStart) {
    // Small sizes for the window system, not the 256-pixel picture it would be sent whole.
    EXPECT_TRUE(window->windowIcon().availableSizes().contains(QSize(16, 16)));
    const QPixmap logo = find<QLabel>("imgLogo")->pixmap();
    EXPECT_TRUE(logo.width() == 300 || logo.height() == 60)
        << logo.width() << "x" << logo.height() << " is not fitted into 300x60";
    EXPECT_LE(logo.width(), 300);
    EXPECT_LE(logo.height(), 60);
    EXPECT_EQ(find<QLabel>("imgHeader")->pixmap().size(), QSize(1120, 120));
}

// The catalogue loads beside building the widgets; its message still comes from the window.
TEST(WindowStart, MissingCatalogueFileIsSaidOnceAndEndsTheProgram) {
    ScriptedHost host;
    QTemporaryDir katalog;
    const QString bin = QString::fromLocal8Bit(qgetenv("VELMORA_BIN")) + QStringLiteral("/");
    for (const char* datei :
         {"Datanorm.500", "produkte.dta", "aufstellvarianten.dta", "zubehoer.dta", "wg.dta"}) {
        ASSERT_TRUE(QFile::copy(bin + QString::fromLatin1(datei), katalog.filePath(datei)));
    }
    TfrmGrund window(katalog.path().toStdString());
    EXPECT_EQ(host.errors, (std::vector<std::string>{"Datei \"settings.dta\" nicht gefunden.\r\n"
                                                     "Das Programm wird geschlossen."}));
    EXPECT_EQ(host.quitRequests, 1);
    EXPECT_EQ(window.daten().getFehlendeDateien(), (std::vector<std::string>{"settings.dta"}));
}

// The application object may be anywhere in its construction meanwhile: the load must
// neither set its cursor nor pump its events from the loading thread.
TEST(WindowStart, CatalogueLoadOnItsThreadLeavesTheWindowSystemAlone) {
    ScriptedHost host;
    const std::unique_ptr<TDaten> daten =
        TfrmGrund::ladeKatalog(qgetenv("VELMORA_BIN").toStdString()).get();
    EXPECT_TRUE(daten->getFehlendeDateien().empty());
    EXPECT_TRUE(host.waitCursorChanges.empty());
    EXPECT_EQ(host.eventPumps, 0);
    EXPECT_TRUE(host.errors.empty());
}

}  // namespace
}  // namespace velmora::testing
