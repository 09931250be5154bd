// Keyboard commands and the event filter of the main window.

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

#include "app/TDaten.h"
#include "base/AsciiCase.h"
#include "catalogue/TProdukt.h"
#include "window/PositionButtonGroup.h"
#include "window/TAlignEdit.h"
#include "window/TfrmGrund.h"

namespace velmora {

namespace {

// Keys typed into an input field or the type list belong to that control.
bool tippFeldHatFokus() {
    for (QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget()) {
        if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget)) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool TfrmGrund::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblImpressum) {
        if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
            QFont font = lblImpressum->font();
            font.setUnderline(event->type() == QEvent::Enter);
            lblImpressum->setFont(font);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            onImpressumClicked();
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::FocusOut) {
        auto* edit = qobject_cast<TAlignEdit*>(watched);
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Leaving for another window is no edit left; the two input commands search themselves.
        const QWidget* ziel = QApplication::focusWidget();
        if (edit && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            ziel != bbnVorgLoesungen && ziel != bbnVorgLoeschen) {
            pruefeAenderung(edit);
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->isAutoRepeat() && event->type() == QEvent::KeyRelease) {
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        // The installation buttons act when the key goes down; its release is then spent.
        const bool druckTaste = watched == btnZubehoer || watched == btnDrehen ||
                                watched == bbnVarianteLeft || watched == bbnVarianteRight;
        if (druckTaste && behandleTaste(key->key(), key->modifiers())) {
            tasteBeimDruecken = key->key();
            return true;
        }
        return false;
    }
    if (watched != this || tippFeldHatFokus()) {
        return false;
    }
    if (tasteBeimDruecken == key->key()) {
        tasteBeimDruecken = 0;
        return true;
    }
    return behandleTaste(key->key(), key->modifiers());
}

bool TfrmGrund::behandleTaste(int key, Qt::KeyboardModifiers modifiers) {
    const bool ziffernblock = modifiers.testFlag(Qt::KeypadModifier);
    const bool strg = modifiers.testFlag(Qt::ControlModifier);
    const bool alt = modifiers.testFlag(Qt::AltModifier);
    const auto ecke = [](int taste) -> std::string {
        switch (taste) {
            case Qt::Key_7:
                return "OL";
            case Qt::Key_9:
                return "OR";
            case Qt::Key_1:
                return "UL";
            case Qt::Key_3:
                return "UR";
            default:
                return std::string();
        }
    };
    const auto klicke = [](QPushButton* befehl) {
        if (befehl->isEnabled() && !befehl->isHidden()) {
            befehl->click();
        }
    };

    if (key == Qt::Key_Backspace && !strg && !alt) {
        if (isGrafikGrossOpen()) {
            closeGrafikGross();
        }
        onLoeschen();
        bbnVorgLoesungen->setFocus();
    } else if (key == Qt::Key_P && strg) {
        if (alt && bbnDatanormDrucken->isEnabled() && !bbnDatanormDrucken->isHidden()) {
            bbnDatanormDrucken->click();
        } else {
            klicke(bbnDrucken);
        }
    } else if (!ziffernblock) {
        return false;
    } else if (key == Qt::Key_0) {
        klicke(btnZubehoer);
    } else if (!ecke(key).empty()) {
        PositionButtonGroup& gruppe =
            strg ? *spbDarstEcke : (alt ? *spbDarstHeizraum : *spbDarstPosition);
        QToolButton* ziel = gruppe.button(ecke(key));
        if (!ziel->isHidden() && ziel->isEnabled() && !ziel->isChecked()) {
            ziel->click();
        }
    } else if (key == Qt::Key_2 || key == Qt::Key_8) {
        waehleNachbarzeile(key == Qt::Key_2 ? 1 : -1);
    } else if (key == Qt::Key_4) {
        klicke(bbnVarianteLeft);
    } else if (key == Qt::Key_6) {
        klicke(bbnVarianteRight);
    } else if (key == Qt::Key_5) {
        klicke(btnDrehen);
    } else {
        return false;
    }
    if (isGrafikGrossOpen()) {
        zeichneGrafikGross();
    }
    return true;
}

void TfrmGrund::waehleNachbarzeile(int schritt) {
    const int anzahl = lviLoesungsanzeige->topLevelItemCount();
    if (anzahl == 0) {
        return;
    }
    // The neighbour in the list as the user sees it, sorted or not.
    int zeile = -1;
    if (const TProdukt* produkt = Daten->getAktuellesProdukt()) {
        for (int row = 0; row < anzahl; ++row) {
            if (equalsIgnoringAsciiCase(
                    lviLoesungsanzeige->topLevelItem(row)->text(1).toStdString(),
                    produkt->getArtikelNr())) {
                zeile = row;
            }
        }
    }
    int ziel = zeile + schritt;
    if (zeile < 0) {
        ziel = schritt > 0 ? 0 : anzahl - 1;
    } else if (ziel >= anzahl) {
        ziel = 0;
    } else if (ziel < 0) {
        ziel = anzahl - 1;
    }
    QTreeWidgetItem* item = lviLoesungsanzeige->topLevelItem(ziel);
    lviLoesungsanzeige->setCurrentItem(item);
    lviLoesungsanzeige->scrollToItem(item);
}

// The enlarged view of the plan: filled by its own change.
bool TfrmGrund::isGrafikGrossOpen() const {
    return false;
}

void TfrmGrund::closeGrafikGross() {}

void TfrmGrund::zeichneGrafikGross() {}

}  // namespace velmora
