#pragma once

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <string>
#include <vector>

#include "WindowFixture.h"
#include "window/PlanFileDialogs.h"

namespace velmora::testing {

// What a user sees of a plan: inputs, the chosen solution, its installation and material.
struct Ansicht {
    std::vector<std::string> texte;
    std::vector<bool> haken;

    friend bool operator==(const Ansicht&, const Ansicht&) = default;
};

inline Ansicht ansicht(TfrmGrund& window) {
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

// The window with scripted file dialogs that answer antwortDatei, in a temporary directory.
class PlanDateiFixture : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        window->setPlanFileDialogs(dialoge());
    }

    PlanFileDialogs dialoge() {
        const auto antwort = [this](QWidget*, const QString&) { return antwortDatei; };
        return {antwort, antwort, antwort, antwort};
    }

    // A search, the second solution, its next installation and one ticked accessory; events
    // run between the steps, as between a user's clicks.
    void planeKeller() {
        find<QLineEdit>("edtVorgRaumBreite")->setText(QStringLiteral("3,5"));
        find<QLineEdit>("edtVorgSollVolumen")->setText(QStringLiteral("5000"));
        find<QAbstractButton>("chkVorgHeizraum")->click();
        find<QAbstractButton>("bbnVorgLoesungen")->click();
        QCoreApplication::processEvents();
        auto* liste = find<QTreeWidget>("lviLoesungsanzeige");
        ASSERT_GT(liste->topLevelItemCount(), 1);
        liste->setCurrentItem(liste->topLevelItem(1));
        QCoreApplication::processEvents();
        if (auto* weiter = find<QAbstractButton>("bbnVarianteRight"); weiter->isEnabled()) {
            weiter->click();
            QCoreApplication::processEvents();
        }
        find<QAbstractButton>("btnZubehoer")->click();
        auto* material = find<QListWidget>("clbZubAuswahl");
        for (int row = 0; row < material->count(); ++row) {
            QListWidgetItem* zeile = material->item(row);
            if (zeile->flags().testFlag(Qt::ItemIsEnabled) &&
                zeile->checkState() == Qt::Unchecked) {
                zeile->setCheckState(Qt::Checked);
                QCoreApplication::processEvents();
                return;
            }
        }
        FAIL() << "no optional accessory";
    }

    void strg(Qt::Key key, TfrmGrund& ziel) { QTest::keyClick(&ziel, key, Qt::ControlModifier); }

    QTemporaryDir dir;
    QString antwortDatei;
};

}  // namespace velmora::testing
