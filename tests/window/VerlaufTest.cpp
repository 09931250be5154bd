#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QProcess>
#include <QSettings>
#include <QToolButton>
#include <QUndoStack>

#include <functional>
#include <string>
#include <vector>

#include "PlanDateiFixture.h"
#include "app/PlanRestore.h"
#include "app/TDaten.h"
#include "catalogue/TAufstellung.h"
#include "catalogue/TProdukt.h"
#include "drawing/TGrafik.h"
#include "printing/TAusdruck.h"
#include "printing/ui/Tfrm_prnpreview.h"
#include "window/PlanImageView.h"
#include "window/PlanVerlauf.h"
#include "window/ZuletztGeoeffnet.h"

namespace velmora::testing {
namespace {

// What undo must bring back: the start panel with its inputs, or the solution with its plan and
// the ticked accessories.
struct Stand {
    bool startanzeige = false;
    std::vector<std::string> texte;
    std::vector<std::string> haken;
    QImage plan;

    friend bool operator==(const Stand&, const Stand&) = default;
};

class VerlaufTest : public PlanDateiFixture {
protected:
    Stand stand() {
        Stand s;
        s.startanzeige = find<QWidget>("pnlStartanzeige")->isVisible();
        const Ansicht alles = ansicht(*window);
        s.texte.assign(alles.texte.begin(), alles.texte.begin() + (s.startanzeige ? 5 : 8));
        if (!s.startanzeige) {
            s.plan = find<PlanImageView>("imgGrafik")->image().copy();
            if (const auto auswahl = currentPlanSelection(window->daten())) {
                s.haken = auswahl->tickedAccessories;
            }
        }
        return s;
    }
    // The PDF's pages as poppler draws them (Qt orders a PDF's font objects differently from
    // process to process, so the bytes of two runs differ).
    std::vector<QImage> seiten(const QString& pdf) {
        const QString name = QFileInfo(pdf).completeBaseName();
        QProcess poppler;
        poppler.start(QStringLiteral("pdftoppm"),
                      {"-r", "100", "-png", pdf, dir.filePath(QStringLiteral("seite-") + name)});
        EXPECT_TRUE(poppler.waitForFinished(60000) && poppler.exitCode() == 0);
        std::vector<QImage> bilder;
        for (int seite = 1;; ++seite) {
            QImage bild(dir.filePath(QStringLiteral("seite-%1-%2.png").arg(name).arg(seite)));
            if (bild.isNull()) {
                return bilder;
            }
            bilder.push_back(bild);
        }
    }
};

// Each kind of step a user takes, undone one by one back to the start panel and redone to the
// end, through the keys, with events running between the steps as between clicks.
TEST_F(VerlaufTest, EveryStepUndoesAndRedoes) {
    const auto klick = [this](const char* name) { return [this, name] { click(name); }; };
    // 951062 in a 6 x 6 m room: 4+1h, then 5h, turned 5v.
    const std::vector<std::pair<const char*, std::function<void()>>> schritte = {
        {"Vorgaben geändert",
         [this] {
             type("edtVorgRaumBreite", "6");
             type("edtVorgRaumLaenge", "6");
         }},
        {"Lösungen gesucht", klick("bbnVorgLoesungen")},
        {"Lösung gewählt", [this] { select("951062"); }},
        {"Variante gewechselt", klick("bbnVarianteRight")},
        {"Tankanlage gedreht", klick("btnDrehen")},
        {"Tankanlage verschoben",
         [this] {
             const TGrafik& grafik = *window->daten().Grafik();
             const TPoint tank = window->daten()
                                     .getAktuellesProdukt()
                                     ->getAktuelleAufstellVariante()
                                     ->getTankPosition()
                                     .front();
             const auto pixel = [&grafik](int x, int y) {
                 return QPoint(grafik.pixelX(x), grafik.pixelY(y));
             };
             auto* plan = find<PlanImageView>("imgGrafik");
             QTest::mouseClick(plan, Qt::LeftButton, Qt::ControlModifier,
                               pixel(tank.X + 100, tank.Y + 100));
             const QPoint ziel = pixel(tank.X + 600, tank.Y + 400);
             QMouseEvent zeiger(QEvent::MouseMove, ziel, plan->mapToGlobal(ziel), Qt::NoButton,
                                Qt::NoButton, Qt::NoModifier);
             QApplication::sendEvent(plan, &zeiger);
             QTest::mouseClick(plan, Qt::LeftButton, {}, ziel);
         }},
        {"Zubehör gewählt",
         [this] {
             click("btnZubehoer");
             auto* material = find<QListWidget>("clbZubAuswahl");
             for (int row = 1; row < material->count(); ++row) {
                 if (material->item(row)->flags().testFlag(Qt::ItemIsEnabled)) {
                     material->item(row)->setCheckState(Qt::Checked);
                     return;
                 }
             }
             ADD_FAILURE() << "no optional accessory";
         }},
        {"Tankposition geändert", [this] { key(Qt::Key_3); }},
        {"Vorgaben geändert", [this] { typeAndLeave("edtVorgRaumLaenge", "6,5"); }},
        {"Werte gelöscht", klick("bbnVorgLoeschen")},
    };
    std::vector<Stand> staende{stand()};
    for (const auto& [name, schritt] : schritte) {
        schritt();
        QCoreApplication::processEvents();
        EXPECT_NE(stand(), staende.back()) << name;
        staende.push_back(stand());
    }
    ASSERT_TRUE(host.errors.empty()) << host.errors.front();

    for (std::size_t index = staende.size() - 1; index > 0; --index) {
        const char* name = schritte[index - 1].first;
        EXPECT_EQ(window->verlauf().stack().undoText().toStdString(), name);
        strg(Qt::Key_Z, *window);
        EXPECT_TRUE(stand() == staende[index - 1]) << "undo of " << name;
    }
    EXPECT_FALSE(find<QWidget>("bbnRueckgaengig")->isEnabled());
    for (std::size_t index = 1; index < staende.size(); ++index) {
        // Both redo keys.
        QTest::keyClick(window.get(), index % 2 ? Qt::Key_Y : Qt::Key_Z,
                        index % 2 ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_TRUE(stand() == staende[index]) << "redo of " << schritte[index - 1].first;
    }
    EXPECT_FALSE(find<QWidget>("bbnWiederholen")->isEnabled());
    EXPECT_TRUE(host.errors.empty());
    EXPECT_TRUE(host.informations.empty());
}

// Opening a plan is one step: one undo brings back exactly the plan before it, with its file
// name, and the steps are named after what the user did.
TEST_F(VerlaufTest, OpeningIsOneStepBackToThePlanBefore) {
    click("bbnVorgLoesungen");
    QCoreApplication::processEvents();
    EXPECT_EQ(window->verlauf().stack().undoText(), QStringLiteral("Lösungen gesucht"));
    select("951100");
    QCoreApplication::processEvents();
    antwortDatei = dir.filePath(QStringLiteral("keller.velmora"));
    strg(Qt::Key_S, *window);
    select("951062");
    QCoreApplication::processEvents();
    antwortDatei = dir.filePath(QStringLiteral("zweiter.velmora"));
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    click("bbnVorgLoeschen");
    QCoreApplication::processEvents();
    const Stand vorher = stand();
    const QString titel = caption(*window);

    antwortDatei = dir.filePath(QStringLiteral("keller.velmora"));
    host.unsavedAnswers = {UnsavedAnswer::Discard};
    strg(Qt::Key_O, *window);
    const Stand geoeffnet = stand();
    EXPECT_EQ(window->daten().getAktuellesProdukt()->getArtikelNr(), "951100");
    EXPECT_EQ(caption(*window), QStringLiteral("Velmora – keller.velmora"));
    strg(Qt::Key_Z, *window);
    EXPECT_TRUE(stand() == vorher);
    EXPECT_EQ(caption(*window), titel);
    EXPECT_EQ(window->verlauf().stack().redoText(), QStringLiteral("Plan geöffnet"));
    EXPECT_EQ(window->verlauf().stack().undoText(), QStringLiteral("Werte gelöscht"));
    strg(Qt::Key_Z, *window);
    // The opened plan is the saved one now; the plan before it has its name, unsaved.
    EXPECT_EQ(caption(*window), QStringLiteral("Velmora – zweiter.velmora*"));
    strg(Qt::Key_Y, *window);
    strg(Qt::Key_Y, *window);
    EXPECT_TRUE(stand() == geoeffnet);
    EXPECT_EQ(caption(*window), QStringLiteral("Velmora – keller.velmora"));
}

// Every installation of a product, stepped through with ">", is a step of its own, also
// between the straight and the crosswise variant of one name; undo and redo bring back each
// exactly.
TEST_F(VerlaufTest, EveryInstallationIsAStepAndComesBackExactly) {
    type("edtVorgRaumBreite", "8");
    type("edtVorgRaumLaenge", "7");
    click("bbnVorgLoesungen");
    QCoreApplication::processEvents();
    select("951075");
    QCoreApplication::processEvents();
    std::vector<PlanSelection> auswahlen{*currentPlanSelection(window->daten())};
    std::vector<Stand> staende{stand()};
    auto* weiter = find<QAbstractButton>("bbnVarianteRight");
    while (weiter->isEnabled()) {
        const int schritte = window->verlauf().stack().count();
        weiter->click();
        QCoreApplication::processEvents();
        auswahlen.push_back(*currentPlanSelection(window->daten()));
        staende.push_back(stand());
        EXPECT_EQ(window->verlauf().stack().count(), schritte + 1) << auswahlen.size();
    }
    std::string liste;
    bool gleichnamig = false;
    for (const PlanSelection& a : auswahlen) {
        liste += a.installation->variant + (a.installation->horizontal ? "h " : "v ");
        for (const PlanSelection& b : auswahlen) {
            gleichnamig =
                gleichnamig || (a.installation->variant == b.installation->variant &&
                                a.installation->horizontal == b.installation->horizontal &&
                                a.installation != b.installation);
        }
    }
    EXPECT_TRUE(gleichnamig) << "two variants of one name in one orientation: " << liste;
    EXPECT_TRUE(caption(*window).endsWith(QLatin1Char('*')));

    for (std::size_t i = auswahlen.size() - 1; i > 0; --i) {
        strg(Qt::Key_Z, *window);
        EXPECT_EQ(currentPlanSelection(window->daten()), auswahlen[i - 1]) << i;
        EXPECT_TRUE(stand() == staende[i - 1]) << i;
    }
    for (std::size_t i = 1; i < auswahlen.size(); ++i) {
        strg(Qt::Key_Y, *window);
        EXPECT_EQ(currentPlanSelection(window->daten()), auswahlen[i]) << i;
        EXPECT_TRUE(stand() == staende[i]) << i;
    }
}

// Undo shows what the restored plan holds: no product, no material view of the one before.
TEST_F(VerlaufTest, UndoClosesTheMaterialOfAProductNoLongerShown) {
    click("bbnVorgLoesungen");
    QCoreApplication::processEvents();
    select("951100");
    QCoreApplication::processEvents();
    click("btnZubehoer");
    ASSERT_TRUE(find<QWidget>("clbZubAuswahl")->isVisible());
    strg(Qt::Key_Z, *window);
    EXPECT_EQ(window->daten().getAktuellesProdukt(), nullptr);
    EXPECT_FALSE(find<QWidget>("clbZubAuswahl")->isVisible());
    strg(Qt::Key_Y, *window);
    EXPECT_EQ(window->daten().getAktuellesProdukt()->getArtikelNr(), "951100");
}

// Ctrl+Z in a field undoes the typing there; once a value has been entered, it undoes the
// search the value started.
TEST_F(VerlaufTest, UndoKeysServeTheFieldFirstThenThePlan) {
    click("bbnVorgLoesungen");
    QCoreApplication::processEvents();
    const Stand vorher = stand();
    type("edtVorgRaumBreite", "4");
    auto* feld = find<QLineEdit>("edtVorgRaumBreite");
    QTest::keyClick(feld, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(feld->text(), QStringLiteral("3,00")) << "the field's own undo";
    type("edtVorgRaumBreite", "4");
    QTest::keyClick(feld, Qt::Key_Return);
    QCoreApplication::processEvents();
    ASSERT_EQ(text("edtVorgRaumBreite"), "4,00");
    QWidget* naechstes = QApplication::focusWidget();
    ASSERT_NE(naechstes, feld);
    QTest::keyClick(naechstes, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(stand() == vorher);
}

TEST_F(VerlaufTest, RecentPlansOfferTheLastEightAndForgetAMissingOne) {
    QSettings einstellungen(QSettings::IniFormat, QSettings::UserScope,
                            QStringLiteral("HalvexVelmora"), QStringLiteral("Velmora"));
    einstellungen.remove(QStringLiteral("ZuletztGeoeffnet"));
    click("bbnVorgLoesungen");
    for (int nummer = 1; nummer <= 9; ++nummer) {
        antwortDatei = dir.filePath(QStringLiteral("plan%1.velmora").arg(nummer));
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    }
    const auto eintraege = [this] {
        QMenu* menu = find<QToolButton>("bbnZuletztGeoeffnet")->menu();
        emit menu->aboutToShow();
        QStringList texte;
        for (QAction* eintrag : menu->actions()) {
            texte << eintrag->text();
        }
        return texte;
    };
    EXPECT_EQ(eintraege(), QStringList({"&1 plan9.velmora", "&2 plan8.velmora", "&3 plan7.velmora",
                                        "&4 plan6.velmora", "&5 plan5.velmora", "&6 plan4.velmora",
                                        "&7 plan3.velmora", "&8 plan2.velmora"}));

    // Opening one puts it first; a file gone since is said so and leaves the list.
    click("bbnVorgLoeschen");
    host.unsavedAnswers = {UnsavedAnswer::Discard};
    find<QToolButton>("bbnZuletztGeoeffnet")->menu()->actions().at(3)->trigger();
    EXPECT_EQ(caption(*window), QStringLiteral("Velmora – plan6.velmora"));
    EXPECT_EQ(eintraege().front(), QStringLiteral("&1 plan6.velmora"));
    ASSERT_TRUE(QFile::remove(dir.filePath(QStringLiteral("plan9.velmora"))));
    find<QToolButton>("bbnZuletztGeoeffnet")->menu()->actions().at(1)->trigger();
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_NE(host.errors.front().find("plan9.velmora\" gibt es nicht mehr"), std::string::npos);
    EXPECT_EQ(eintraege().size(), 7);
    EXPECT_FALSE(eintraege().contains(QStringLiteral("&2 plan9.velmora")));
    EXPECT_EQ(caption(*window), QStringLiteral("Velmora – plan6.velmora"));
}

// "PDF erstellen" in the preview suggests the project's name and writes what the planner
// writes for the same plan.
TEST_F(VerlaufTest, PdfFromThePreviewIsThePlannersPdf) {
    click("bbnVorgLoesungen");
    select("951100");
    antwortDatei = dir.filePath(QStringLiteral("keller.velmora"));
    strg(Qt::Key_S, *window);
    host.textAnswers = {"Neubau Meier"};
    click("bbnDrucken");
    auto* vorschau =
        dynamic_cast<Tfrm_prnpreview*>(window->daten().getAusdruck().getDruckvorschau());
    ASSERT_NE(vorschau, nullptr);
    QString vorgeschlagen;
    window->setPlanFileDialogs({{}, {}, {}, [&](QWidget*, const QString& vorschlag) {
                                    vorgeschlagen = vorschlag;
                                    return dir.filePath(QStringLiteral("blatt"));
                                }});
    auto* pdf = vorschau->findChild<QAbstractButton*>(QStringLiteral("spbSaverPDF"));
    ASSERT_TRUE(pdf->isEnabled());
    pdf->click();
    EXPECT_EQ(vorgeschlagen, dir.filePath(QStringLiteral("Neubau Meier.pdf")));
    ASSERT_TRUE(host.errors.empty()) << host.errors.front();

    QProcess planer;
    // The tests format numbers as a German user's program does.
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
    planer.setProcessEnvironment(umgebung);
    planer.start(
        QString::fromLocal8Bit(std::getenv("VELMORA_BIN")) + "/velmora-plan",
        {"--catalogue", QString::fromLocal8Bit(std::getenv("VELMORA_BIN")), "--open", antwortDatei,
         "--project", "Neubau Meier", "--pdf", dir.filePath(QStringLiteral("planer.pdf"))});
    ASSERT_TRUE(planer.waitForFinished(60000));
    ASSERT_EQ(planer.exitCode(), 0) << planer.readAllStandardError().toStdString();
    const std::vector<QImage> blatt = seiten(dir.filePath(QStringLiteral("blatt.pdf")));
    EXPECT_EQ(blatt.size(), 3u);
    EXPECT_TRUE(blatt == seiten(dir.filePath(QStringLiteral("planer.pdf"))));
}

}  // namespace
}  // namespace velmora::testing
