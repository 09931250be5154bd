// The commands of the main window: one action each, with its button and keys, and one place
// that derives every command's enabled state from the state of the core and the window.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QUndoStack>

#include <functional>
#include <utility>

#include "app/TDaten.h"
#include "app/VariantenSchritt.h"
#include "base/AsciiCase.h"
#include "catalogue/TProdukt.h"
#include "widgets/TAlignEdit.h"
#include "window/CoreSession.h"
#include "window/ImpressumAnzeige.h"
#include "window/LoesungsAnzeige.h"
#include "window/NummernblockTasten.h"
#include "window/PlanVerlauf.h"
#include "window/PositionChoice.h"
#include "window/TankMoveMode.h"
#include "window/TfrmGrund.h"
#include "window/VorgabenGruppe.h"

namespace velmora {

QAction* TfrmGrund::befehl(const QString& text, const QList<QKeySequence>& tasten,
                           std::function<void()> handler, QAbstractButton* knopf) {
    auto* action = new QAction(text, this);
    action->setShortcuts(tasten);
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    // A command ends a running move first; it would carry an old battery.
    connect(action, &QAction::triggered, this, [this, handler = std::move(handler)] {
        FBewegung->cancel();
        handler();
        befehleAktualisieren();
    });
    if (knopf != nullptr) {
        connect(knopf, &QAbstractButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::enabledChanged, knopf, &QAbstractButton::setEnabled);
    }
    return action;
}

void TfrmGrund::erstelleBefehle() {
    const auto nur = [this](void (TfrmGrund::*handler)()) {
        return [this, handler] { (this->*handler)(); };
    };
    aLoesungen = befehl(QStringLiteral("Lösungen"), {}, nur(&TfrmGrund::onLoesungen),
                        FVorgaben->bbnVorgLoesungen);
    // Backspace also closes the enlarged view that covers the inputs.
    aLoeschen = befehl(
        QStringLiteral("Werte löschen"), {QKeySequence(Qt::Key_Backspace)},
        [this] {
            closeGrafikGross();
            onLoeschen();
            FVorgaben->bbnVorgLoesungen->setFocus();
        },
        FVorgaben->bbnVorgLoeschen);
    aPlanOeffnen = befehl(QStringLiteral("Plan öffnen…"), {QKeySequence(Qt::CTRL | Qt::Key_O)},
                          nur(&TfrmGrund::onPlanOeffnen), bbnPlanOeffnen);
    aPlanSpeichern = befehl(
        QStringLiteral("Plan speichern"), {QKeySequence(Qt::CTRL | Qt::Key_S)},
        [this] { speicherePlan(false); }, bbnPlanSpeichern);
    aSpeichernUnter = befehl(
        QStringLiteral("Speichern unter…"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        [this] { speicherePlan(true); }, bbnSpeichernUnter);
    aRueckgaengig = befehl(QStringLiteral("Rückgängig"), {QKeySequence(Qt::CTRL | Qt::Key_Z)},
                           nur(&TfrmGrund::onRueckgaengig), bbnRueckgaengig);
    aWiederholen =
        befehl(QStringLiteral("Wiederholen"),
               {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
               nur(&TfrmGrund::onWiederholen), bbnWiederholen);
    aHilfe = befehl(QStringLiteral("Anleitung"), {QKeySequence(Qt::Key_F1)},
                    nur(&TfrmGrund::onHilfe), bbnHilfe);
    aDrucken = befehl(QStringLiteral("Drucken"), {QKeySequence(Qt::CTRL | Qt::Key_P)},
                      nur(&TfrmGrund::onDrucken), FLoesung->bbnDrucken);
    aDatanormDrucken =
        befehl(QStringLiteral("Datanorm-Ausdruck"), {QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_P)},
               nur(&TfrmGrund::onDatanormDrucken), FLoesung->bbnDatanormDrucken);
    aMaterial = befehl(QStringLiteral("Material anzeigen"), {}, nur(&TfrmGrund::onZubehoer),
                       FLoesung->btnZubehoer);
    aMaterialOK = befehl(QStringLiteral("OK"), {}, nur(&TfrmGrund::onZubOK), FLoesung->bbnZubOK);
    aMaterialExport = befehl(QStringLiteral("Materialliste exportieren…"), {},
                             nur(&TfrmGrund::onMaterialExportieren), bbnZubExport);
    aPreise =
        befehl(QStringLiteral("Preise…"), {}, nur(&TfrmGrund::onEditPrice), FLoesung->bbnEditPrice);
    aVarianteLinks = befehl(QStringLiteral("Vorherige Variante"), {},
                            nur(&TfrmGrund::onVarianteLeft), FLoesung->bbnVarianteLeft);
    aVarianteRechts = befehl(QStringLiteral("Nächste Variante"), {},
                             nur(&TfrmGrund::onVarianteRight), FLoesung->bbnVarianteRight);
    aDrehen = befehl(QStringLiteral("Tankanlage drehen"), {}, nur(&TfrmGrund::onDrehen),
                     FLoesung->btnDrehen);
    aNaechsteZeile =
        befehl(QStringLiteral("Nächste Lösung"), {}, [this] { waehleNachbarzeile(1); });
    aVorherigeZeile =
        befehl(QStringLiteral("Vorherige Lösung"), {}, [this] { waehleNachbarzeile(-1); });
    // Closing asks its question, as the window's close button does.
    befehl(QStringLiteral("Beenden"), {QKeySequence(Qt::CTRL | Qt::Key_Q)}, [this] { close(); });
    aGrafikGross =
        befehl(QStringLiteral("Grafik vergrößern"), {}, nur(&TfrmGrund::oeffneGrafikGross));
    aGrafikKlein =
        befehl(QStringLiteral("Grafik verkleinern"), {}, nur(&TfrmGrund::closeGrafikGross));

    FNummernblock = new NummernblockTasten(*this);
    for (const auto& [taste, aktion] :
         {std::pair{Qt::Key_0, aMaterial}, std::pair{Qt::Key_4, aVarianteLinks},
          std::pair{Qt::Key_6, aVarianteRechts}, std::pair{Qt::Key_5, aDrehen},
          std::pair{Qt::Key_2, aNaechsteZeile}, std::pair{Qt::Key_8, aVorherigeZeile},
          std::pair{Qt::Key_Plus, aGrafikGross}, std::pair{Qt::Key_Minus, aGrafikKlein}}) {
        FNummernblock->binde(taste, {}, aktion);
    }
    for (QWidget* knopf :
         std::initializer_list<QWidget*>{FLoesung->btnZubehoer, FLoesung->btnDrehen,
                                         FLoesung->bbnVarianteLeft, FLoesung->bbnVarianteRight}) {
        FNummernblock->aufDruck(knopf);
    }
    // Number block 7, 9, 1, 3 are the room's corners: alone the battery's, with Ctrl the
    // corner cut-out's, with Alt the boiler's.
    const std::pair<int, const char*> ecken[] = {
        {Qt::Key_7, "OL"}, {Qt::Key_9, "OR"}, {Qt::Key_1, "UL"}, {Qt::Key_3, "UR"}};
    const std::pair<Qt::KeyboardModifiers, PositionChoice*> wahlen[] = {
        {Qt::NoModifier, Tankposition},
        {Qt::ControlModifier, Eckenposition},
        {Qt::AltModifier, Kesselposition}};
    for (const auto& [taste, ecke] : ecken) {
        for (const auto& [modifier, wahl] : wahlen) {
            aEckTasten.append(befehl(QString(), {}, [this, wahl = wahl, ecke = std::string(ecke)] {
                eckeTaste(*wahl, ecke);
            }));
            FNummernblock->binde(taste, modifier, aEckTasten.back());
        }
    }
}

void TfrmGrund::befehleAktualisieren() {
    // While the battery is carried or a printout is recorded, the window waits.
    const bool frei = !FSitzung->isMoving() && !FSitzung->isPrinting();
    const TProdukt* produkt = Daten->getAktuellesProdukt();
    const bool gezeigt = frei && loesungGezeigt();
    const bool mitZubehoer = gezeigt && produkt->getZubehoerOptionalListeCount() > 0;
    const VariantenBefehle varianten =
        gezeigt ? variantenBefehle(aufstellungsArten(*produkt), Daten->getVarianteIndex())
                : VariantenBefehle{};

    for (QAction* action : {aLoesungen, aLoeschen, aPlanOeffnen, aPlanSpeichern, aSpeichernUnter,
                            aHilfe, aMaterialOK, aNaechsteZeile, aVorherigeZeile}) {
        action->setEnabled(frei);
    }
    bbnZuletztGeoeffnet->setEnabled(frei);
    for (QAction* action : aEckTasten) {
        action->setEnabled(frei);
    }
    aDrucken->setEnabled(gezeigt);
    aDatanormDrucken->setEnabled(gezeigt);
    aMaterialExport->setEnabled(gezeigt);
    aMaterial->setEnabled(mitZubehoer);
    aPreise->setEnabled(mitZubehoer);
    aVarianteLinks->setEnabled(varianten.zurueck);
    aVarianteRechts->setEnabled(varianten.weiter);
    aDrehen->setEnabled(varianten.drehen);
    aGrafikGross->setEnabled(frei && !isGrafikGrossOpen() && FLoesung->isLoesungsanzeigeSichtbar());
    aGrafikKlein->setEnabled(frei && isGrafikGrossOpen());
    const QUndoStack& schritte = FVerlauf->stack();
    aRueckgaengig->setEnabled(frei && schritte.canUndo());
    aWiederholen->setEnabled(frei && schritte.canRedo());
    bbnRueckgaengig->setToolTip(
        schritte.canUndo() ? QStringLiteral("Rückgängig: %1 (Strg+Z)").arg(schritte.undoText())
                           : QStringLiteral("Rückgängig (Strg+Z)"));
    bbnWiederholen->setToolTip(
        schritte.canRedo() ? QStringLiteral("Wiederholen: %1 (Strg+Y)").arg(schritte.redoText())
                           : QStringLiteral("Wiederholen (Strg+Y)"));
    // A single tank has no battery on the plan to pick up.
    FLoesung->spbTankPositioning->setEnabled(loesungGezeigt() && !FSitzung->isPrinting() &&
                                             produkt->getAktuelleAufstellVariante() != nullptr);
    // Controls without a command of their own (inputs, list, ticks, positions) wait too.
    const bool eingaben = !FSitzung->isPrinting();
    FVorgaben->setEnabled(eingaben);
    FLoesung->setEnabled(eingaben);
}

void TfrmGrund::eckeTaste(PositionChoice& wahl, const std::string& ecke) {
    if (wahl.isVisible(ecke) && wahl.isEnabled() && wahl.pressed() != ecke) {
        wahl.click(ecke);
    }
}

bool TfrmGrund::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblImpressum) {
        if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
            // The hand is made when first needed: the window system's cursor theme takes
            // a while to load, and the start does without.
            lblImpressum->setCursor(Qt::PointingHandCursor);
            QFont font = lblImpressum->font();
            font.setUnderline(event->type() == QEvent::Enter);
            lblImpressum->setFont(font);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            FImpressum->umschalten();
            return true;
        }
    }
    return false;
}

void TfrmGrund::waehleNachbarzeile(int schritt) {
    const int anzahl = FLoesung->lviLoesungsanzeige->topLevelItemCount();
    if (anzahl == 0) {
        return;
    }
    // The neighbour in the list as the user sees it, sorted or not.
    int zeile = -1;
    if (const TProdukt* produkt = Daten->getAktuellesProdukt()) {
        for (int row = 0; row < anzahl; ++row) {
            if (equalsIgnoringAsciiCase(
                    FLoesung->lviLoesungsanzeige->topLevelItem(row)->text(1).toStdString(),
                    produkt->getArtikelNr())) {
                zeile = row;
            }
        }
    }
    QTreeWidgetItem* item =
        FLoesung->lviLoesungsanzeige->topLevelItem(nachbarzeile(zeile, schritt, anzahl));
    FLoesung->lviLoesungsanzeige->setCurrentItem(item);
    FLoesung->lviLoesungsanzeige->scrollToItem(item);
}

}  // namespace velmora
