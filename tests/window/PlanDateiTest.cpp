#include <QAbstractButton>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUrl>

#include <string>
#include <vector>

#include "WindowFixture.h"
#include "app/MaterialCsv.h"
#include "app/TDaten.h"
#include "drawing/TGrafik.h"
#include "widgets/TAlignEdit.h"
#include "window/HelpWindow.h"
#include "window/PlanFileDialogs.h"
#include "window/PlanImageView.h"

namespace velmora::testing {
namespace {

// What a user sees of a plan: inputs, the chosen solution, its installation and material.
struct Ansicht {
    std::vector<std::string> texte;
    std::vector<bool> haken;

    friend bool operator==(const Ansicht&, const Ansicht&) = default;
};

Ansicht ansicht(TfrmGrund& window) {
    Ansicht a;
    for (const char* name : {"edtVorgRaumBreite", "edtVorgRaumLaenge", "edtVorgSollVolumen",
                             "edtVorgHeizraumBreite", "edtVorgEckeBreite"}) {
        a.texte.push_back(window.findChild<QLineEdit*>(name)->text().toStdString());
    }
    for (const char* name : {"lblLoesTankart", "pnlVariante", "lblLoesTankmasse"}) {
        a.texte.push_back(window.findChild<QLabel*>(name)->text().toStdString());
    }
    a.texte.push_back(window.findChild<QLineEdit*>("edtZubAnlagenpreis")->text().toStdString());
    const auto* material = window.findChild<QListWidget*>("clbZubAuswahl");
    for (int row = 0; row < material->count(); ++row) {
        a.haken.push_back(material->item(row)->checkState() == Qt::Checked);
    }
    return a;
}

class PlanDateiTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        window->setPlanFileDialogs(dialoge());
    }

    PlanFileDialogs dialoge() {
        const auto antwort = [this](QWidget*, const QString&) { return antwortDatei; };
        return {antwort, antwort, antwort};
    }

    // A search, the second solution, its next installation and one ticked accessory.
    void planeKeller() {
        find<QLineEdit>("edtVorgRaumBreite")->setText(QStringLiteral("3,5"));
        find<QLineEdit>("edtVorgSollVolumen")->setText(QStringLiteral("5000"));
        find<QAbstractButton>("chkVorgHeizraum")->click();
        find<QAbstractButton>("bbnVorgLoesungen")->click();
        auto* liste = find<QTreeWidget>("lviLoesungsanzeige");
        ASSERT_GT(liste->topLevelItemCount(), 1);
        liste->setCurrentItem(liste->topLevelItem(1));
        if (auto* weiter = find<QAbstractButton>("bbnVarianteRight"); weiter->isEnabled()) {
            weiter->click();
        }
        find<QAbstractButton>("btnZubehoer")->click();
        auto* material = find<QListWidget>("clbZubAuswahl");
        for (int row = 0; row < material->count(); ++row) {
            QListWidgetItem* zeile = material->item(row);
            if (zeile->flags().testFlag(Qt::ItemIsEnabled) &&
                zeile->checkState() == Qt::Unchecked) {
                zeile->setCheckState(Qt::Checked);
                return;
            }
        }
        FAIL() << "no optional accessory";
    }

    void strg(Qt::Key key, TfrmGrund& ziel) { QTest::keyClick(&ziel, key, Qt::ControlModifier); }

    QTemporaryDir dir;
    QString antwortDatei;
};

TEST_F(PlanDateiTest, SavedPlanReopensInAFreshWindow) {
    planeKeller();
    const Ansicht geplant = ansicht(*window);
    antwortDatei = dir.filePath(QStringLiteral("keller"));
    strg(Qt::Key_S, *window);
    ASSERT_TRUE(QFile::exists(dir.filePath(QStringLiteral("keller.velmora"))));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Velmora – keller.velmora"));
    EXPECT_TRUE(host.errors.empty());

    TfrmGrund zweites(std::getenv("VELMORA_BIN"));
    zweites.setPlanFileDialogs(dialoge());
    zweites.show();
    zweites.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&zweites));
    antwortDatei = dir.filePath(QStringLiteral("keller.velmora"));
    strg(Qt::Key_O, zweites);
    EXPECT_EQ(ansicht(zweites), geplant);
    EXPECT_EQ(zweites.windowTitle(), QStringLiteral("Velmora – keller.velmora"));
    EXPECT_TRUE(host.informations.empty());
    EXPECT_TRUE(host.errors.empty());
}

// A plan with a free position is drawn where it was put, in every view, after reopening; and
// "Werte löschen" leaves no file named in the caption.
TEST_F(PlanDateiTest, AFreePositionIsDrawnAfterReopeningAndResetForgetsTheFile) {
    find<QAbstractButton>("bbnVorgLoesungen")->click();
    auto* liste = find<QTreeWidget>("lviLoesungsanzeige");
    liste->setCurrentItem(liste->findItems(QStringLiteral("951100"), Qt::MatchExactly, 1).front());
    auto* plan = find<PlanImageView>("imgGrafik");
    const TGrafik& grafik = *window->daten().Grafik();
    const auto pixel = [&grafik](double x, double y) {
        return QPoint(grafik.pixelX(x), grafik.pixelY(y));
    };
    QTest::mouseClick(plan, Qt::LeftButton, Qt::ControlModifier, pixel(1000, 3500));
    QMouseEvent zeiger(QEvent::MouseMove, pixel(1500, 2000), plan->mapToGlobal(pixel(1500, 2000)),
                       Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(plan, &zeiger);
    QTest::mouseClick(plan, Qt::LeftButton, {}, pixel(1500, 2000));
    ASSERT_TRUE(host.errors.empty());
    const QImage verschoben = plan->image().copy();

    antwortDatei = dir.filePath(QStringLiteral("frei.velmora"));
    strg(Qt::Key_S, *window);
    find<QAbstractButton>("bbnVorgLoeschen")->click();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Velmora"));
    EXPECT_NE(plan->image(), verschoben);

    strg(Qt::Key_O, *window);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Velmora – frei.velmora"));
    EXPECT_EQ(plan->image(), verschoben) << "the main plan shows the restored position";
    EXPECT_TRUE(host.errors.empty());
}

// A plan file dropped onto the window opens as through "Plan öffnen…"; other drops are
// refused before they land.
TEST_F(PlanDateiTest, ADroppedPlanFileOpens) {
    planeKeller();
    const Ansicht geplant = ansicht(*window);
    antwortDatei = dir.filePath(QStringLiteral("keller.velmora"));
    strg(Qt::Key_S, *window);
    find<QAbstractButton>("bbnVorgLoeschen")->click();

    const auto ziehe = [this](const QString& path) {
        QMimeData daten;
        daten.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent hinein(QPoint(100, 100), Qt::CopyAction, &daten, Qt::LeftButton, {});
        QApplication::sendEvent(window.get(), &hinein);
        if (!hinein.isAccepted()) {
            return false;
        }
        QDropEvent ablegen(QPointF(100, 100), Qt::CopyAction, &daten, Qt::LeftButton, {});
        QApplication::sendEvent(window.get(), &ablegen);
        return true;
    };
    EXPECT_FALSE(ziehe(dir.filePath(QStringLiteral("material.csv"))));
    EXPECT_TRUE(find<QWidget>("pnlStartanzeige")->isVisible());
    EXPECT_TRUE(ziehe(antwortDatei));
    EXPECT_EQ(ansicht(*window), geplant);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Velmora – keller.velmora"));
    EXPECT_TRUE(host.errors.empty());
}

TEST_F(PlanDateiTest, UnreadableFileChangesNothingAndSaysSoOnce) {
    planeKeller();
    const Ansicht vorher = ansicht(*window);
    antwortDatei = dir.filePath(QStringLiteral("kaputt.velmora"));
    QFile datei(antwortDatei);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(R"({"format": 1, "inputs": 3})");
    datei.close();
    strg(Qt::Key_O, *window);
    EXPECT_EQ(host.errors, std::vector<std::string>{"Die Datei \"" + antwortDatei.toStdString() +
                                                    "\" kann nicht geöffnet werden: der Eintrag "
                                                    "\"inputs\" ist kein Objekt."});
    EXPECT_EQ(ansicht(*window), vorher);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Velmora"));
}

TEST_F(PlanDateiTest, CloseQuestionWarnsAboutAnUnsavedPlan) {
    const std::string frage = "Möchten Sie HALVEX Velmora wirklich schließen?";
    window->close();
    planeKeller();
    window->close();
    antwortDatei = dir.filePath(QStringLiteral("keller.velmora"));
    strg(Qt::Key_S, *window);
    window->close();
    EXPECT_EQ(host.questions,
              (std::vector<std::string>{
                  frage,
                  "Der angezeigte Plan ist nicht gespeichert; seine Änderungen gehen "
                  "verloren.\r\n" +
                      frage,
                  frage}));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(PlanDateiTest, MaterialExportWritesTheCoresBytes) {
    planeKeller();
    antwortDatei = dir.filePath(QStringLiteral("material"));
    find<QAbstractButton>("bbnZubExport")->click();
    QFile datei(dir.filePath(QStringLiteral("material.csv")));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const TDaten& daten = window->daten();
    EXPECT_EQ(datei.readAll().toStdString(),
              materialCsv(*daten.getAktuellesProdukt(), daten.getOptZubehoerPreis()));
}

TEST_F(PlanDateiTest, F1AndQuestionMarkOpenTheGuide) {
    QTest::keyClick(window.get(), Qt::Key_F1);
    auto* hilfe = window->findChild<HelpWindow*>();
    ASSERT_NE(hilfe, nullptr);
    EXPECT_TRUE(hilfe->isVisible());
    hilfe->close();
    find<QAbstractButton>("bbnHilfe")->click();
    EXPECT_TRUE(hilfe->isVisible());
}

}  // namespace
}  // namespace velmora::testing
