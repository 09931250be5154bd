#include <QAbstractButton>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

#include "PlanDateiFixture.h"
#include "app/MaterialCsv.h"
#include "app/PlanFile.h"
#include "app/TDaten.h"
#include "drawing/TGrafik.h"
#include "window/HelpWindow.h"
#include "window/PlanImageView.h"

namespace velmora::testing {
namespace {

using PlanDateiTest = PlanDateiFixture;

TEST_F(PlanDateiTest, SavedPlanReopensInAFreshWindow) {
    planeKeller();
    const Ansicht geplant = ansicht(*window);
    antwortDatei = dir.filePath(QStringLiteral("keller"));
    strg(Qt::Key_S, *window);
    ASSERT_TRUE(QFile::exists(dir.filePath(QStringLiteral("keller.velmora"))));
    EXPECT_EQ(caption(*window), QStringLiteral("Velmora – keller.velmora"));
    EXPECT_TRUE(host.errors.empty());

    TfrmGrund zweites(std::getenv("VELMORA_BIN"));
    zweites.setPlanFileDialogs(dialoge());
    zweites.show();
    zweites.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&zweites));
    antwortDatei = dir.filePath(QStringLiteral("keller.velmora"));
    strg(Qt::Key_O, zweites);
    EXPECT_EQ(ansicht(zweites), geplant);
    EXPECT_EQ(caption(zweites), QStringLiteral("Velmora – keller.velmora"));
    EXPECT_TRUE(host.informations.empty());
    EXPECT_TRUE(host.errors.empty());
}

// A plan with a free position is drawn where it was put, in every view, after reopening; and
// "Werte löschen" starts a new plan: no file named in the caption, and unsaved, so opening
// asks before it replaces it.
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
    EXPECT_EQ(caption(*window), QStringLiteral("Velmora*"));
    EXPECT_NE(plan->image(), verschoben);

    strg(Qt::Key_O, *window);
    EXPECT_EQ(host.unsavedQuestions,
              std::vector<std::string>{
                  "Der angezeigte Plan hat ungespeicherte Änderungen: Werte gelöscht.\r\n"
                  "Möchten Sie ihn speichern, bevor ein anderer Plan geöffnet wird?"});
    EXPECT_EQ(caption(*window), QStringLiteral("Velmora*")) << "Abbrechen opens nothing";
    host.unsavedAnswers = {UnsavedAnswer::Discard};
    strg(Qt::Key_O, *window);
    EXPECT_EQ(caption(*window), QStringLiteral("Velmora – frei.velmora"));
    EXPECT_EQ(plan->image(), verschoben) << "the main plan shows the restored position";
    EXPECT_TRUE(host.errors.empty());
}

// A plan file dropped onto the window opens as through "Plan öffnen…", as one step of the
// plan; other drops are refused before they land.
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
    host.unsavedAnswers = {UnsavedAnswer::Discard};
    EXPECT_TRUE(ziehe(antwortDatei));
    EXPECT_EQ(host.unsavedQuestions.size(), 1U);
    EXPECT_EQ(ansicht(*window), geplant);
    EXPECT_EQ(caption(*window), QStringLiteral("Velmora – keller.velmora"));
    EXPECT_TRUE(host.errors.empty());

    // Opening is one step: undo goes back to the start panel the drop replaced.
    QCoreApplication::processEvents();
    strg(Qt::Key_Z, *window);
    EXPECT_TRUE(find<QWidget>("pnlStartanzeige")->isVisible());
    strg(Qt::Key_Y, *window);
    EXPECT_EQ(ansicht(*window), geplant);
}

TEST_F(PlanDateiTest, UnreadableFileChangesNothingAndSaysSoOnce) {
    planeKeller();
    const Ansicht vorher = ansicht(*window);
    antwortDatei = dir.filePath(QStringLiteral("kaputt.velmora"));
    QFile datei(antwortDatei);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(R"({"format": 1, "inputs": 3})");
    datei.close();
    // Even after "Verwerfen" the shown plan stays until another one could be read.
    host.unsavedAnswers = {UnsavedAnswer::Discard};
    strg(Qt::Key_O, *window);
    EXPECT_EQ(host.errors, std::vector<std::string>{
                               "Die Datei \"" + antwortDatei.toStdString() +
                               "\" kann nicht geöffnet werden: sie ist beschädigt: der Eintrag "
                               "\"inputs\" ist kein Objekt."});
    EXPECT_EQ(ansicht(*window), vorher);
    EXPECT_EQ(caption(*window), QStringLiteral("Velmora*"));
}

// The caption marks a plan with steps since it was saved; closing it asks to save those
// steps, naming them, and a saved plan gets the plain close question.
TEST_F(PlanDateiTest, UnsavedChangesAreMarkedAndNamed) {
    const std::string frage = "Möchten Sie HALVEX Velmora wirklich schließen?";
    const auto ungespeichert = [](const std::string& aenderungen) {
        return "Der angezeigte Plan hat ungespeicherte Änderungen: " + aenderungen +
               ".\r\nMöchten Sie ihn speichern, bevor HALVEX Velmora geschlossen wird?";
    };
    window->close();
    planeKeller();
    EXPECT_EQ(caption(*window), QStringLiteral("Velmora*"));
    window->close();
    antwortDatei = dir.filePath(QStringLiteral("keller.velmora"));
    strg(Qt::Key_S, *window);
    EXPECT_EQ(caption(*window), QStringLiteral("Velmora – keller.velmora"));
    window->close();
    key(Qt::Key_3);
    QCoreApplication::processEvents();
    EXPECT_EQ(caption(*window), QStringLiteral("Velmora – keller.velmora*"));
    window->close();
    strg(Qt::Key_Z, *window);
    EXPECT_EQ(caption(*window), QStringLiteral("Velmora – keller.velmora"));
    window->close();
    EXPECT_EQ(host.questions, (std::vector<std::string>{frage, frage, frage}));
    EXPECT_EQ(
        host.unsavedQuestions,
        (std::vector<std::string>{
            ungespeichert("Vorgaben geändert, Lösungen gesucht, Lösung gewählt, Zubehör gewählt"),
            ungespeichert("Tankposition geändert")}));
    EXPECT_TRUE(window->isVisible());

    // "Speichern" in the question writes the plan into its file, and the window closes.
    strg(Qt::Key_Y, *window);
    host.unsavedAnswers = {UnsavedAnswer::Save};
    antwortDatei.clear();
    EXPECT_TRUE(window->close());
    const PlanFileReadResult gespeichert =
        readPlanFile(dir.filePath(QStringLiteral("keller.velmora")).toStdString());
    ASSERT_TRUE(gespeichert.plan) << gespeichert.error;
    EXPECT_EQ(gespeichert.plan->tankPosition, "UR");
}

// Ctrl+S writes a plan that has a file into it without asking; Ctrl+Shift+S asks for another.
TEST_F(PlanDateiTest, SaveWritesTheFileAndSaveAsAsks) {
    int gefragt = 0;
    const auto zaehlend = [this, &gefragt](QWidget*, const QString&) {
        ++gefragt;
        return antwortDatei;
    };
    window->setPlanFileDialogs({zaehlend, zaehlend, zaehlend, zaehlend});
    planeKeller();
    antwortDatei = dir.filePath(QStringLiteral("keller.velmora"));
    strg(Qt::Key_S, *window);
    EXPECT_EQ(gefragt, 1) << "a new plan asks for its file";
    key(Qt::Key_3);
    QCoreApplication::processEvents();
    antwortDatei = dir.filePath(QStringLiteral("anders.velmora"));
    strg(Qt::Key_S, *window);
    EXPECT_EQ(gefragt, 1);
    EXPECT_EQ(caption(*window), QStringLiteral("Velmora – keller.velmora"));
    EXPECT_EQ(readPlanFile(dir.filePath(QStringLiteral("keller.velmora")).toStdString())
                  .plan->tankPosition,
              "UR");

    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(gefragt, 2);
    EXPECT_EQ(caption(*window), QStringLiteral("Velmora – anders.velmora"));
    EXPECT_TRUE(QFile::exists(antwortDatei));
    EXPECT_TRUE(host.errors.empty());
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
