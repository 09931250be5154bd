// Solutions, the shown installation and its material in the main window.

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

#include "app/TDaten.h"
#include "app/VariantenSchritt.h"
#include "base/AsciiCase.h"
#include "base/NumberFormat.h"
#include "catalogue/AnlagenPreis.h"
#include "catalogue/TAufstellung.h"
#include "catalogue/TProdukt.h"
#include "catalogue/TTempData.h"
#include "prices/ui/TfrmTankCustomPrice.h"
#include "window/CoreSession.h"
#include "window/TfrmGrund.h"
#include "window/VorgabenGruppe.h"

namespace velmora {

namespace {

// Columns of the solution list: the sort key (hidden), the two shown, three kept for reading.
enum Spalte { kSchluessel, kArtNr, kTyp, kAnzahl, kVolumen, kPreis, kSpalten };

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

const QString kSchluesselPraefix = QStringLiteral("_#_");

}  // namespace

void TfrmGrund::fuelleLoesungsliste() {
    fuelltAnzeige = true;
    lviLoesungsanzeige->clear();
    lviTmp.clear();
    if (lviLoesungsanzeige->columnCount() != kSpalten) {
        lviLoesungsanzeige->setColumnCount(kSpalten);
        for (int spalte : {kAnzahl, kVolumen, kPreis}) {
            lviLoesungsanzeige->setColumnHidden(spalte, true);
        }
    }
    if (const std::vector<TProdukt*>* loesungen = Daten->getLoesungsListe()) {
        QList<QTreeWidgetItem*> zeilen;
        for (const TProdukt* produkt : *loesungen) {
            auto* zeile = new QTreeWidgetItem;
            zeile->setText(kSchluessel, kSchluesselPraefix + qt(produkt->getArtikelNr()));
            zeile->setText(kArtNr, qt(produkt->getArtikelNr()));
            zeile->setText(kTyp, qt(produkt->getBezeichnung()));
            zeile->setText(kAnzahl, QString::number(produkt->getAnzahlTanks()));
            zeile->setText(kVolumen, qt(formatFixed(produkt->getGesamtInhalt(), 0) + " l"));
            zeile->setText(kPreis, qt(formatFixed(produkt->getGesamtPreis(), 2) + " €"));
            zeilen.append(zeile);
        }
        lviLoesungsanzeige->addTopLevelItems(zeilen);
    }
    fuelltAnzeige = false;
}

void TfrmGrund::onLoesungColumnClicked(int column) {
    if (column <= kSchluessel || column >= kSpalten) {
        return;
    }
    fuelltAnzeige = true;
    const QString aktuell = lviLoesungsanzeige->currentItem()
                                ? lviLoesungsanzeige->currentItem()->text(kArtNr)
                                : QString();
    QList<QTreeWidgetItem*> zeilen;
    while (lviLoesungsanzeige->topLevelItemCount() > 0) {
        QTreeWidgetItem* zeile = lviLoesungsanzeige->takeTopLevelItem(0);
        zeile->setText(kSchluessel, kSchluesselPraefix + zeile->text(column));
        zeilen.append(zeile);
    }
    std::stable_sort(
        zeilen.begin(), zeilen.end(), [](const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
            return a->text(kSchluessel).compare(b->text(kSchluessel), Qt::CaseInsensitive) < 0;
        });
    lviLoesungsanzeige->addTopLevelItems(zeilen);
    for (QTreeWidgetItem* zeile : zeilen) {
        if (!aktuell.isEmpty() && zeile->text(kArtNr) == aktuell) {
            lviLoesungsanzeige->setCurrentItem(zeile);
            lviLoesungsanzeige->scrollToItem(zeile);
        }
    }
    fuelltAnzeige = false;
}

void TfrmGrund::onLoesungSelected() {
    if (fuelltAnzeige) {
        return;
    }
    const QList<QTreeWidgetItem*> gewaehlt = lviLoesungsanzeige->selectedItems();
    if (gewaehlt.isEmpty()) {
        ++selectCounter;
        return;
    }
    const std::string artNr = gewaehlt.front()->text(kArtNr).toStdString();
    const bool anderes = artNr != lviTmp;
    if (!anderes && selectCounter <= 1) {
        ++selectCounter;
        return;
    }
    selectCounter = 0;
    zeigeZeichnungsebene();
    if (anderes) {
        lviTmp = artNr;
        zeigeLoesung(artNr);
    }
}

void TfrmGrund::zeigeLoesung(const std::string& ArtNr) {
    const TProdukt* aktuell = Daten->getAktuellesProdukt();
    if (aktuell == nullptr || !equalsIgnoringAsciiCase(aktuell->getArtikelNr(), ArtNr)) {
        FSitzung->change(CoreSession::Installation, [&] { Daten->setProdukt(ArtNr, false); });
    } else {
        fuelleAnzeige();
    }
}

void TfrmGrund::zeigeAktuelleLoesungErneut() {
    const TProdukt* produkt = Daten->getAktuellesProdukt();
    if (produkt == nullptr) {
        return;
    }
    for (int row = 0; row < lviLoesungsanzeige->topLevelItemCount(); ++row) {
        QTreeWidgetItem* zeile = lviLoesungsanzeige->topLevelItem(row);
        if (equalsIgnoringAsciiCase(zeile->text(kArtNr).toStdString(), produkt->getArtikelNr())) {
            lviLoesungsanzeige->setCurrentItem(zeile);
            lviLoesungsanzeige->scrollToItem(zeile);
            return;
        }
    }
}

void TfrmGrund::fuelleAnzeige() {
    TProdukt* produkt = Daten->getAktuellesProdukt();
    if (produkt == nullptr || Daten->getLoesungsListe() == nullptr) {
        return;
    }
    QPixmap bild;
    if (!produkt->getBild().empty()) {
        bild.load(qt(AppPath + produkt->getBild()));
    }
    if (bild.isNull()) {
        imgLoesungProdukt->hide();
    } else {
        imgLoesungProdukt->setPixmap(
            bild.scaled(imgLoesungProdukt->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
        imgLoesungProdukt->show();
    }
    const TAufstellung* aufstellung = produkt->getAktuelleAufstellVariante();
    const std::string bezeichnung = produkt->getBezeichnung();

    fuelltAnzeige = true;
    clbZubAuswahl->clear();
    auto* tankZeile = new QListWidgetItem(qt(std::to_string(produkt->getAnzahlTanks()) + "x " +
                                             bezeichnung + " (" + produkt->getArtikelNr() + ")"),
                                          clbZubAuswahl);
    tankZeile->setFlags(Qt::ItemIsUserCheckable);
    tankZeile->setCheckState(Qt::Checked);
    for (std::size_t index = 0; index < produkt->getZubehoerOptionalListeCount(); ++index) {
        const TZubehoerItem& zeile = produkt->getZubehoerOptionalListe(index);
        const TZubehoer* zubehoer = zeile.getZubehoer();
        auto* item =
            new QListWidgetItem(qt(std::to_string(zeile.getAnzahl()) + " x " +
                                   zubehoer->getBezeichnung() + " (" + zubehoer->getArtNr() + ")"),
                                clbZubAuswahl);
        item->setFlags(zeile.isEnabled() ? Qt::ItemIsUserCheckable | Qt::ItemIsEnabled
                                         : Qt::ItemIsUserCheckable);
        item->setCheckState(zeile.isChecked() ? Qt::Checked : Qt::Unchecked);
    }
    fuelltAnzeige = false;
    bbnEditPrice->setVisible(produkt->getZubehoerOptionalListeCount() > 0);

    lblLoesTankart->setText(qt(bezeichnung));
    lblLoesAnzahl->setText(QString::number(produkt->getAnzahlTanks()));
    lblLoesVolumen->setText(
        qt(TTempData::setzeTausendertrennzeichen(produkt->getGesamtInhalt(), false) + " Liter"));
    const auto meter = [](int mm) { return TTempData::setzeNachkommastellen(mm / 1000.0, 3); };
    const bool horizontal = aufstellung == nullptr || aufstellung->getHorizontal();
    const int erste = horizontal ? produkt->getGesamtBreite() : produkt->getGesamtLaenge();
    const int zweite = horizontal ? produkt->getGesamtLaenge() : produkt->getGesamtBreite();
    lblLoesTankmasse->setText(
        qt(meter(erste) + " x " + meter(zweite) + " x " + meter(produkt->getGesamtHoehe()) + " m"));
    lblLoesRichtpreis->setText(
        qt(TTempData::setzeTausendertrennzeichen(produkt->getGesamtPreis(), true) + " EUR *"));
    aktualisiereAnlagenpreis();

    pnlVariante->setText(aufstellung != nullptr && aufstellung->getVariante() != nullptr
                             ? qt(aufstellung->getVariante()->getVariante())
                             : QString());
    VarianteIndex = Daten->getVarianteIndex();
    lblVariante->setText(QStringLiteral("Variante %1 von %2")
                             .arg(Daten->getAktuelleVariante())
                             .arg(Daten->getGesamtVararianten()));
}

void TfrmGrund::loescheAnzeige() {
    for (QLabel* feld :
         {lblLoesTankart, lblLoesAnzahl, lblLoesVolumen, lblLoesTankmasse, lblLoesRichtpreis}) {
        feld->clear();
    }
    imgLoesungProdukt->hide();
    bbnEditPrice->hide();
    pnlVariante->clear();
    VarianteIndex = 0;
    imgHeader->hide();
    lblVariante->setText(QStringLiteral("Variante"));
}

void TfrmGrund::onVarianteRight() {
    if (const TProdukt* produkt = Daten->getAktuellesProdukt()) {
        if (const auto index = naechsteVariante(aufstellungsArten(*produkt), VarianteIndex)) {
            waehleAufstellung(*index);
        }
    }
}

void TfrmGrund::onVarianteLeft() {
    if (const TProdukt* produkt = Daten->getAktuellesProdukt()) {
        if (const auto index = vorherigeVariante(aufstellungsArten(*produkt), VarianteIndex)) {
            waehleAufstellung(*index);
        }
    }
}

void TfrmGrund::onDrehen() {
    if (const TProdukt* produkt = Daten->getAktuellesProdukt()) {
        if (const auto index = gedrehteAufstellung(aufstellungsArten(*produkt), VarianteIndex)) {
            waehleAufstellung(*index);
        }
    }
}

void TfrmGrund::waehleAufstellung(std::size_t Index) {
    const TProdukt* produkt = Daten->getAktuellesProdukt();
    if (produkt == nullptr || Index >= produkt->getMoeglicheAufstellVarianten().size()) {
        return;
    }
    FSitzung->change(CoreSession::Installation, [&] { Daten->aendereAufstellung(Index, false); });
}

bool TfrmGrund::loesungsanzeigeSichtbar() const {
    return !pnlLoesungsanzeige->isHidden();
}

bool TfrmGrund::loesungGezeigt() const {
    return loesungsanzeigeSichtbar() && Daten->getLoesungsListe() != nullptr &&
           Daten->getAktuellesProdukt() != nullptr;
}

void TfrmGrund::zeigeZeichnungsebene() {
    gboZubehoer->hide();
    pnlZeichnungsebene->show();
}

void TfrmGrund::onZubehoer() {
    if (!pnlZeichnungsebene->isHidden()) {
        pnlZeichnungsebene->hide();
        gboZubehoer->show();
        bbnZubOK->setFocus();
    } else {
        onZubOK();
    }
}

void TfrmGrund::onZubOK() {
    zeigeZeichnungsebene();
    FVorgaben->bbnVorgLoesungen->setFocus();
}

void TfrmGrund::onZubItemChanged(QListWidgetItem* item) {
    TProdukt* produkt = Daten->getAktuellesProdukt();
    const int row = clbZubAuswahl->row(item);
    if (fuelltAnzeige || produkt == nullptr || row <= 0 ||
        static_cast<std::size_t>(row) > produkt->getZubehoerOptionalListeCount()) {
        return;
    }
    TZubehoerItem& zeile = produkt->getZubehoerOptionalListe(static_cast<std::size_t>(row - 1));
    if (zeile.isEnabled()) {
        zeile.setChecked(item->checkState() == Qt::Checked);
    }
    aktualisiereAnlagenpreis();
}

void TfrmGrund::aktualisiereAnlagenpreis() {
    const TProdukt* produkt = Daten->getAktuellesProdukt();
    if (produkt == nullptr) {
        edtZubAnlagenpreis->clear();
        return;
    }
    edtZubAnlagenpreis->setText(
        qt(formatFixed(getAnlagenNettoPreis(*produkt, Daten->getOptZubehoerPreis()), 2)));
}

void TfrmGrund::onEditPrice() {
    const TProdukt* produkt = Daten->getAktuellesProdukt();
    if (produkt == nullptr) {
        return;
    }
    TfrmTankCustomPrice::openForm(this, produkt->CustomPriceElems());
    // New prices of the shown product change its figures.
    FSitzung->change(CoreSession::Installation, [] {});
}

void TfrmGrund::onDrucken() {
    drucke(&TDaten::druckeLoesung);
}

void TfrmGrund::onDatanormDrucken() {
    drucke(&TDaten::druckeDatanorm);
}

void TfrmGrund::drucke(void (TDaten::*druck)()) {
    // The preview records its pages while the window goes on painting; nothing may change the
    // product meanwhile, and a second printout would discard the preview being recorded.
    FSitzung->setPrinting(true);
    (Daten.get()->*druck)();
    FSitzung->setPrinting(false);
}

void TfrmGrund::onTankPosition(const std::string& corner) {
    if (corner != Daten->getTempData().TankPosition) {
        automatischeSuche();
    }
}

void TfrmGrund::onEckePosition(const std::string&) {
    automatischeSuche();
}

void TfrmGrund::onHeizraumPosition(const std::string&) {
    automatischeSuche();
}

}  // namespace velmora
