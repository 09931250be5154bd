#include "window/LoesungsAnzeige.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "app/TDaten.h"
#include "base/AsciiCase.h"
#include "base/NumberFormat.h"
#include "catalogue/AnlagenPreis.h"
#include "catalogue/PreisText.h"
#include "catalogue/TAufstellung.h"
#include "catalogue/TProdukt.h"
#include "catalogue/TTempData.h"
#include "catalogue/TankImRaum.h"
#include "window/CoreSession.h"

namespace velmora {

namespace {

constexpr int kLeftColumnWidth = 300;

// Columns of the solution list: the sort key (hidden), the two shown, three kept for reading.
enum Spalte { kSchluessel, kArtNr, kTyp, kAnzahl, kVolumen, kPreis, kSpalten };

const QString kSchluesselPraefix = QStringLiteral("_#_");
const QString kBatteriemasseTitel = QStringLiteral("Batteriemaße:");

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

QLabel* label(const QString& text, QWidget* parent) {
    return new QLabel(text, parent);
}

QLabel* namedLabel(const char* name, QWidget* parent) {
    auto* result = new QLabel(parent);
    result->setObjectName(QString::fromLatin1(name));
    return result;
}

QPushButton* button(const char* name, const QString& text, QWidget* parent) {
    auto* result = new QPushButton(text, parent);
    result->setObjectName(QString::fromLatin1(name));
    return result;
}

QGroupBox* groupBox(const char* name, const QString& title, QWidget* parent) {
    auto* result = new QGroupBox(title, parent);
    result->setObjectName(QString::fromLatin1(name));
    return result;
}

}  // namespace

LoesungsAnzeige::LoesungsAnzeige(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pnlLoesung"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    pnlStartanzeige = new QFrame(this);
    pnlStartanzeige->setObjectName(QStringLiteral("pnlStartanzeige"));
    static_cast<QFrame*>(pnlStartanzeige)->setFrameShape(QFrame::StyledPanel);
    auto* startLayout = new QVBoxLayout(pnlStartanzeige);
    auto* startText =
        label(QStringLiteral("Bitte geben Sie zuerst Ihre Vorgaben ein."), pnlStartanzeige);
    QFont startFont = startText->font();
    startFont.setPointSize(14);
    startText->setFont(startFont);
    startText->setAlignment(Qt::AlignCenter);
    startLayout->addWidget(startText);
    layout->addWidget(pnlStartanzeige);
}

void LoesungsAnzeige::erstelleLoesungsanzeige() {
    pnlLoesungsanzeige = new QWidget(this);
    pnlLoesungsanzeige->setObjectName(QStringLiteral("pnlLoesungsanzeige"));
    auto* anzeige = new QHBoxLayout(pnlLoesungsanzeige);
    anzeige->setContentsMargins(0, 0, 0, 0);
    anzeige->setSpacing(6);

    auto* links = new QVBoxLayout;
    links->setSpacing(6);
    links->addWidget(erstelleLoesungsauswahl(), 1);
    links->addWidget(erstellePrint());
    anzeige->addLayout(links);

    auto* rechts = new QVBoxLayout;
    rechts->setSpacing(4);
    pnlZeichnungsebene = new QWidget(pnlLoesungsanzeige);
    pnlZeichnungsebene->setObjectName(QStringLiteral("pnlZeichnungsebene"));
    new QVBoxLayout(pnlZeichnungsebene);
    pnlZeichnungsebene->layout()->setContentsMargins(0, 0, 0, 0);
    rechts->addWidget(pnlZeichnungsebene, 1);
    rechts->addWidget(erstelleZubehoer(), 1);
    lblLabel39 = namedLabel("lblLabel39", pnlLoesungsanzeige);
    lblLabel39->setText(
        QStringLiteral("Die Aufstellvarianten sind unverbindliche Empfehlungen. Weitere "
                       "Aufstellvarianten sind unter Umständen möglich."));
    lblInfoTankposition = namedLabel("lblInfoTankposition", pnlLoesungsanzeige);
    lblInfoTankposition->setText(QStringLiteral(
        "Durch Verschieben der Tankposition sind evtl. weitere Varianten und Tanktypen möglich. "
        "Die Lage und Montage des Obenbefüllsystems KT-R-07 kann von der hier angezeigten auch "
        "abweichen (Montageanweisung und abZ beachten)."));
    lblPreise = namedLabel("lblPreise", pnlLoesungsanzeige);
    lblPreise->setText(
        QStringLiteral("* Preise zuzüglich Mehrwertsteuer. Änderungen vorbehalten."));
    for (QLabel* note : {lblLabel39, lblInfoTankposition, lblPreise}) {
        note->setWordWrap(true);
        QFont small = note->font();
        small.setPointSize(8);
        note->setFont(small);
        rechts->addWidget(note);
    }
    anzeige->addLayout(rechts, 1);
    pnlLoesungsanzeige->hide();
    layout()->addWidget(pnlLoesungsanzeige);
}

QWidget* LoesungsAnzeige::erstelleLoesungsauswahl() {
    auto* column = new QWidget(pnlLoesungsanzeige);
    column->setFixedWidth(kLeftColumnWidth);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);

    auto* auswahl = groupBox("gboLoesungsauswahl", QStringLiteral("Lösungsauswahl aus:  "), column);
    auto* auswahlLayout = new QVBoxLayout(auswahl);
    auswahlLayout->setContentsMargins(6, 4, 6, 6);
    lviLoesungsanzeige = new QTreeWidget(auswahl);
    lviLoesungsanzeige->setObjectName(QStringLiteral("lviLoesungsanzeige"));
    lviLoesungsanzeige->setColumnCount(3);
    lviLoesungsanzeige->setHeaderLabels(
        {QString(), QStringLiteral("Art-Nr"), QStringLiteral("Typ")});
    lviLoesungsanzeige->setRootIsDecorated(false);
    lviLoesungsanzeige->setUniformRowHeights(true);
    lviLoesungsanzeige->setSelectionMode(QAbstractItemView::SingleSelection);
    lviLoesungsanzeige->setAllColumnsShowFocus(true);
    lviLoesungsanzeige->header()->setSectionsClickable(true);
    lviLoesungsanzeige->header()->setSectionsMovable(false);
    lviLoesungsanzeige->header()->setSectionResizeMode(0, QHeaderView::Fixed);
    lviLoesungsanzeige->header()->setStretchLastSection(true);
    lviLoesungsanzeige->setColumnWidth(1, 60);
    lviLoesungsanzeige->setColumnWidth(2, 190);
    lviLoesungsanzeige->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auswahlLayout->addWidget(lviLoesungsanzeige);
    layout->addWidget(auswahl, 1);
    connect(lviLoesungsanzeige, &QTreeWidget::itemSelectionChanged, this,
            &LoesungsAnzeige::onLoesungSelected);
    connect(lviLoesungsanzeige->header(), &QHeaderView::sectionClicked, this,
            &LoesungsAnzeige::sortiere);

    gboLoesung = groupBox("gboLoesung", QStringLiteral("Lösung: "), column);
    auto* loesungLayout = new QHBoxLayout(gboLoesung);
    loesungLayout->setContentsMargins(8, 2, 8, 4);
    loesungLayout->setSpacing(10);
    imgLoesungProdukt = namedLabel("imgLoesungProdukt", gboLoesung);
    imgLoesungProdukt->setFixedSize(72, 54);
    imgLoesungProdukt->setAlignment(Qt::AlignCenter);
    QSizePolicy picturePolicy = imgLoesungProdukt->sizePolicy();
    picturePolicy.setRetainSizeWhenHidden(true);
    imgLoesungProdukt->setSizePolicy(picturePolicy);
    lblLoesTankart = namedLabel("lblLoesTankart", gboLoesung);
    lblLoesTankart->setWordWrap(true);
    QFont bold = lblLoesTankart->font();
    bold.setBold(true);
    lblLoesTankart->setFont(bold);
    loesungLayout->addWidget(imgLoesungProdukt);
    loesungLayout->addWidget(lblLoesTankart, 1);
    layout->addWidget(gboLoesung);

    gboLoesungsInfos = groupBox("gboLoesungsInfos", QStringLiteral("Aufstellung: "), column);
    auto* infos = new QGridLayout(gboLoesungsInfos);
    infos->setContentsMargins(8, 2, 8, 6);
    infos->setHorizontalSpacing(8);
    infos->setVerticalSpacing(2);
    lblLoesAnzahl = namedLabel("lblLoesAnzahl", gboLoesungsInfos);
    lblLoesVolumen = namedLabel("lblLoesVolumen", gboLoesungsInfos);
    lblLoesTankmasse = namedLabel("lblLoesTankmasse", gboLoesungsInfos);
    lblLoesRichtpreis = namedLabel("lblLoesRichtpreis", gboLoesungsInfos);
    lblLoesTankmasseTitel = namedLabel("lblLoesTankmasseTitel", gboLoesungsInfos);
    lblLoesTankmasseTitel->setText(kBatteriemasseTitel);
    const std::pair<QLabel*, QLabel*> figures[] = {
        {label(QStringLiteral("Tankanzahl:"), gboLoesungsInfos), lblLoesAnzahl},
        {label(QStringLiteral("Gesamtvolumen:"), gboLoesungsInfos), lblLoesVolumen},
        {lblLoesTankmasseTitel, lblLoesTankmasse},
        {label(QStringLiteral("Richtpreis:"), gboLoesungsInfos), lblLoesRichtpreis},
    };
    int row = 0;
    for (const auto& [caption, value] : figures) {
        infos->addWidget(caption, row, 0);
        infos->addWidget(value, row, 1, 1, 2);
        ++row;
    }
    lblVariante = namedLabel("lblVariante", gboLoesungsInfos);
    lblVariante->setAlignment(Qt::AlignCenter);
    infos->addWidget(lblVariante, row++, 0, 1, 3);
    bbnVarianteLeft = button("bbnVarianteLeft", QStringLiteral("<"), gboLoesungsInfos);
    bbnVarianteLeft->setToolTip(QStringLiteral("Vorherige Variante"));
    bbnVarianteRight = button("bbnVarianteRight", QStringLiteral(">"), gboLoesungsInfos);
    bbnVarianteRight->setToolTip(QStringLiteral("Nächste Variante"));
    pnlVariante = namedLabel("pnlVariante", gboLoesungsInfos);
    pnlVariante->setFrameShape(QFrame::StyledPanel);
    pnlVariante->setFrameShadow(QFrame::Sunken);
    pnlVariante->setAlignment(Qt::AlignCenter);
    pnlVariante->setFixedHeight(26);
    auto* varianten = new QHBoxLayout;
    varianten->setSpacing(4);
    for (QPushButton* step : {bbnVarianteLeft, bbnVarianteRight}) {
        step->setFixedSize(32, 26);
    }
    varianten->addWidget(bbnVarianteLeft);
    varianten->addWidget(pnlVariante, 1);
    varianten->addWidget(bbnVarianteRight);
    infos->addLayout(varianten, row++, 0, 1, 3);
    btnDrehen = button("btnDrehen", QStringLiteral("Tankanlage drehen"), gboLoesungsInfos);
    infos->addWidget(btnDrehen, row++, 0, 1, 3);
    btnZubehoer = button("btnZubehoer", QStringLiteral("Material anzeigen"), gboLoesungsInfos);
    bbnEditPrice = button("bbnEditPrice", QStringLiteral("Preise…"), gboLoesungsInfos);
    bbnEditPrice->setToolTip(QStringLiteral("Eigene Preise bearbeiten"));
    QSizePolicy pricePolicy = bbnEditPrice->sizePolicy();
    pricePolicy.setRetainSizeWhenHidden(true);
    bbnEditPrice->setSizePolicy(pricePolicy);
    auto* material = new QHBoxLayout;
    material->setSpacing(4);
    material->addWidget(btnZubehoer, 1);
    material->addWidget(bbnEditPrice);
    infos->addLayout(material, row++, 0, 1, 3);
    infos->setColumnStretch(1, 1);
    layout->addWidget(gboLoesungsInfos);

    return column;
}

QGroupBox* LoesungsAnzeige::erstelleZubehoer() {
    gboZubehoer =
        groupBox("gboZubehoer", QStringLiteral("erforderliches Material: "), pnlLoesungsanzeige);
    auto* layout = new QGridLayout(gboZubehoer);
    layout->setContentsMargins(8, 4, 8, 8);
    clbZubAuswahl = new QListWidget(gboZubehoer);
    clbZubAuswahl->setObjectName(QStringLiteral("clbZubAuswahl"));
    layout->addWidget(clbZubAuswahl, 0, 0, 1, 5);
    edtZubAnlagenpreis = new QLineEdit(gboZubehoer);
    edtZubAnlagenpreis->setObjectName(QStringLiteral("edtZubAnlagenpreis"));
    edtZubAnlagenpreis->setReadOnly(true);
    edtZubAnlagenpreis->setAlignment(Qt::AlignRight);
    edtZubAnlagenpreis->setFixedWidth(110);
    bbnZubOK = button("bbnZubOK", QStringLiteral("OK"), gboZubehoer);
    bbnZubOK->setFixedWidth(90);
    layout->addWidget(label(QStringLiteral("Anlagenpreis"), gboZubehoer), 1, 1);
    layout->addWidget(edtZubAnlagenpreis, 1, 2);
    layout->addWidget(label(QStringLiteral("€ *"), gboZubehoer), 1, 3);
    layout->addWidget(bbnZubOK, 1, 4, Qt::AlignRight);
    layout->setColumnStretch(0, 1);
    gboZubehoer->hide();
    connect(clbZubAuswahl, &QListWidget::itemChanged, this, &LoesungsAnzeige::onZubItemChanged);
    return gboZubehoer;
}

QWidget* LoesungsAnzeige::erstellePrint() {
    pnlPrint = new QWidget(pnlLoesungsanzeige);
    pnlPrint->setObjectName(QStringLiteral("pnlPrint"));
    pnlPrint->setFixedWidth(kLeftColumnWidth);
    auto* layout = new QGridLayout(pnlPrint);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    bbnDrucken = button("bbnDrucken", QStringLiteral("Drucken"), pnlPrint);
    bbnDatanormDrucken =
        button("bbnDatanormDrucken", QStringLiteral("Datanorm-Ausdruck"), pnlPrint);
    spbTankPositioning =
        button("spbTankPositioning", QStringLiteral("Tank frei positionieren"), pnlPrint);
    spbTankPositioning->setCheckable(true);
    for (QPushButton* command : {bbnDrucken, bbnDatanormDrucken, spbTankPositioning}) {
        command->setFixedHeight(28);
        QSizePolicy policy = command->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        command->setSizePolicy(policy);
    }
    layout->addWidget(bbnDrucken, 0, 0);
    layout->addWidget(bbnDatanormDrucken, 0, 1);
    layout->addWidget(spbTankPositioning, 1, 0, 1, 2);
    return pnlPrint;
}

void LoesungsAnzeige::verbinde(CoreSession& session, const std::string& appPath) {
    erstelleLoesungsanzeige();
    session_ = &session;
    appPath_ = appPath;
    connect(&session, &CoreSession::solutionsChanged, this, &LoesungsAnzeige::fuelleLoesungsliste);
    connect(&session, &CoreSession::installationChanged, this, [this] {
        loescheAnzeige();
        fuelleAnzeige();
    });
}

const QPixmap& LoesungsAnzeige::produktBild(const std::string& datei) {
    // Each picture is read and scaled once: a re-search shows the same product again.
    auto [eintrag, neu] = produktBilder_.try_emplace(datei);
    if (neu && !datei.empty()) {
        const QPixmap bild(qt(appPath_ + datei));
        if (!bild.isNull()) {
            eintrag->second = bild.scaled(imgLoesungProdukt->size(), Qt::KeepAspectRatio,
                                          Qt::SmoothTransformation);
        }
    }
    return eintrag->second;
}

void LoesungsAnzeige::setzeAuswahlZurueck() {
    selectCounter = 2;
}

void LoesungsAnzeige::fuelleLoesungsliste() {
    fuelltAnzeige = true;
    lviLoesungsanzeige->clear();
    lviTmp.clear();
    if (lviLoesungsanzeige->columnCount() != kSpalten) {
        lviLoesungsanzeige->setColumnCount(kSpalten);
        for (int spalte : {kAnzahl, kVolumen, kPreis}) {
            lviLoesungsanzeige->setColumnHidden(spalte, true);
        }
    }
    if (const std::vector<TProdukt*>* loesungen = session_->daten().getLoesungsListe()) {
        QList<QTreeWidgetItem*> zeilen;
        for (const TProdukt* produkt : *loesungen) {
            auto* zeile = new QTreeWidgetItem;
            zeile->setText(kSchluessel, kSchluesselPraefix + qt(produkt->getArtikelNr()));
            zeile->setText(kArtNr, qt(produkt->getArtikelNr()));
            zeile->setText(kTyp, qt(produkt->getBezeichnung()));
            zeile->setText(kAnzahl, QString::number(produkt->getAnzahlTanks()));
            zeile->setText(kVolumen, qt(formatFixed(produkt->getGesamtInhalt(), 0) + " l"));
            zeile->setText(kPreis,
                           qt(summenText(produkt->hatGesamtPreis(),
                                         formatFixed(produkt->getGesamtPreis(), 2) + " €")));
            zeilen.append(zeile);
        }
        lviLoesungsanzeige->addTopLevelItems(zeilen);
    }
    fuelltAnzeige = false;
}

void LoesungsAnzeige::sortiere(int column) {
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

void LoesungsAnzeige::onLoesungSelected() {
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
        emit loesungGewaehlt(artNr);
    }
}

void LoesungsAnzeige::zeigeAktuelleLoesungErneut() {
    const TProdukt* produkt = session_->daten().getAktuellesProdukt();
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

void LoesungsAnzeige::fuelleAnzeige() {
    TProdukt* produkt = session_->daten().getAktuellesProdukt();
    if (produkt == nullptr || session_->daten().getLoesungsListe() == nullptr) {
        return;
    }
    const QPixmap& bild = produktBild(produkt->getBild());
    if (bild.isNull()) {
        imgLoesungProdukt->hide();
    } else {
        imgLoesungProdukt->setPixmap(bild);
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
    lblLoesRichtpreis->setText(qt(summenText(
        produkt->hatGesamtPreis(),
        TTempData::setzeTausendertrennzeichen(produkt->getGesamtPreis(), true) + " EUR *")));
    aktualisiereAnlagenpreis();

    if (!produkt->getAufstellvariation()) {
        // A single tank has no variants to count: the display says what it is instead.
        lblLoesTankmasseTitel->setText(QStringLiteral("Tankmaße:"));
        lblVariante->setText(QString::fromUtf8(kEinzeltank));
        pnlVariante->setText(QString::fromUtf8(kKeineBatterieaufstellung));
        return;
    }
    lblLoesTankmasseTitel->setText(kBatteriemasseTitel);
    pnlVariante->setText(aufstellung != nullptr && aufstellung->getVariante() != nullptr
                             ? qt(aufstellung->getVariante()->getVariante())
                             : QString());
    lblVariante->setText(QStringLiteral("Variante %1 von %2")
                             .arg(session_->daten().getAktuelleVariante())
                             .arg(session_->daten().getGesamtVararianten()));
}

void LoesungsAnzeige::loescheAnzeige() {
    for (QLabel* feld :
         {lblLoesTankart, lblLoesAnzahl, lblLoesVolumen, lblLoesTankmasse, lblLoesRichtpreis}) {
        feld->clear();
    }
    imgLoesungProdukt->hide();
    bbnEditPrice->hide();
    pnlVariante->clear();
    lblLoesTankmasseTitel->setText(kBatteriemasseTitel);
    lblVariante->setText(QStringLiteral("Variante"));
}

bool LoesungsAnzeige::isLoesungsanzeigeSichtbar() const {
    return !pnlLoesungsanzeige->isHidden();
}

void LoesungsAnzeige::zeigeLoesungsanzeige(bool sichtbar) {
    for (QWidget* teil :
         {static_cast<QWidget*>(pnlLoesungsanzeige), static_cast<QWidget*>(bbnDrucken),
          static_cast<QWidget*>(bbnDatanormDrucken), static_cast<QWidget*>(spbTankPositioning),
          static_cast<QWidget*>(lblPreise)}) {
        teil->setVisible(sichtbar);
    }
    pnlStartanzeige->setVisible(!sichtbar);
}

void LoesungsAnzeige::zeigeZeichnungsebene() {
    gboZubehoer->hide();
    pnlZeichnungsebene->show();
}

bool LoesungsAnzeige::zeigeMaterial() {
    if (pnlZeichnungsebene->isHidden()) {
        return false;
    }
    pnlZeichnungsebene->hide();
    gboZubehoer->show();
    bbnZubOK->setFocus();
    return true;
}

void LoesungsAnzeige::onZubItemChanged(QListWidgetItem* item) {
    TProdukt* produkt = session_->daten().getAktuellesProdukt();
    const int row = clbZubAuswahl->row(item);
    if (fuelltAnzeige || produkt == nullptr || row <= 0 ||
        static_cast<std::size_t>(row) > produkt->getZubehoerOptionalListeCount()) {
        return;
    }
    TZubehoerItem& zeile = produkt->getZubehoerOptionalListe(static_cast<std::size_t>(row - 1));
    if (zeile.isEnabled()) {
        session_->change(CoreSession::Accessories,
                         [&] { zeile.setChecked(item->checkState() == Qt::Checked); });
    }
    aktualisiereAnlagenpreis();
}

void LoesungsAnzeige::aktualisiereAnlagenpreis() {
    const TProdukt* produkt = session_->daten().getAktuellesProdukt();
    if (produkt == nullptr) {
        edtZubAnlagenpreis->clear();
        return;
    }
    const TDaten& daten = session_->daten();
    edtZubAnlagenpreis->setText(qt(
        summenText(hatAnlagenPreis(*produkt),
                   formatFixed(getAnlagenNettoPreis(*produkt, daten.getOptZubehoerPreis()), 2))));
}

}  // namespace velmora
