#include "window/TfrmGrund.h"
#include "window/VorgabenGruppe.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
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
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/PlanFile.h"
#include "app/TDaten.h"
#include "base/Host.h"
#include "printing/TAusdruck.h"
#include "printing/ui/Tfrm_prnpreview.h"
#include "widgets/TAlignEdit.h"
#include "window/CoreSession.h"
#include "window/ImpressumAnzeige.h"
#include "window/PlanFileDialogs.h"
#include "window/PlanImageView.h"
#include "window/PlanView.h"
#include "window/PositionChoice.h"
#include "window/TankMoveMode.h"

namespace velmora {

namespace {

constexpr int kClientWidth = 978;
constexpr int kClientHeight = 732;
constexpr int kLogoHeight = 60;
constexpr int kLeftColumnWidth = 300;
constexpr int kGrafikWidth = 636;
constexpr int kGrafikHeight = 318;

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

QPixmap picture(const std::string& appPath, const char* file) {
    return QPixmap(QString::fromStdString(appPath) + QString::fromLatin1(file));
}

}  // namespace

TfrmGrund::TfrmGrund(const std::string& appPath, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      AppPath(appPath) {
    if (AppPath.empty() || AppPath.back() != '/') {
        AppPath += '/';
    }
    setObjectName(QStringLiteral("TfrmGrund"));
    setWindowIcon(QIcon(QString::fromStdString(AppPath) + QStringLiteral("images/velmora.png")));
    setFont(QFont(QStringLiteral("Arial"), 9));
    setFixedSize(kClientWidth, kClientHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(erstelleLogoLeiste());
    FVorgaben = new VorgabenGruppe(this);
    layout->addWidget(FVorgaben);
    layout->addWidget(erstelleLoesung(), 1);

    PlanImageView& plan = FPlan->image();
    Daten = std::make_unique<TDaten>(AppPath, &plan.canvas(), plan.width(), plan.height(), true);
    FSitzung = new CoreSession(*Daten, this);
    FPlan->attach(*FSitzung, AppPath);
    FBewegung = new TankMoveMode(*FSitzung, *this, this);
    // Every printout opens a fresh preview window of its own, which goes with the window.
    Daten->getAusdruck().setDruckvorschau(
        [this] { return std::make_unique<Tfrm_prnpreview>(this); });

    FVorgaben->cboVorgTankart->addItem(QStringLiteral("Alle Tanks"));
    for (std::size_t index = 0; index < Daten->getAnzahlProduktgruppen(); ++index) {
        FVorgaben->cboVorgTankart->addItem(
            QString::fromStdString(Daten->getProduktgruppenBezeichnung(index)));
    }
    FVorgaben->cboVorgTankart->setCurrentIndex(0);
    FVorgaben->rboVorgKessel40->setChecked(true);
    // The sort-key column keeps its place but takes no room (Qt's minimum would show a stub).
    lviLoesungsanzeige->header()->setMinimumSectionSize(0);
    lviLoesungsanzeige->setColumnWidth(0, 0);
    selectCounter = 0;

    setzeStandardwerte();

    lblVersionsNr->setText(QString::fromStdString(TDaten::getAktuelleVersion()));
    FImpressum = new ImpressumAnzeige(this);
    erstelleGrafikGross();
    layout->activate();
    ordneImpressumAn();
    erstellePlanDateiUndHilfe();
    erstelleBefehle();
    verbindeAnzeigen();
    loescheAnzeige();
    FPlan->draw();
    befehleAktualisieren();
    zeigeTitel();
    FVorgaben->bbnVorgLoesungen->setFocus();
}

void TfrmGrund::verbindeAnzeigen() {
    connect(FVorgaben, &VorgabenGruppe::eingabeVerlassen, this, &TfrmGrund::pruefeAenderung);
    connect(FVorgaben, &VorgabenGruppe::heizraumGeklickt, this, &TfrmGrund::automatischeSuche);
    connect(FVorgaben, &VorgabenGruppe::kesselGeklickt, this, &TfrmGrund::automatischeSuche);
    connect(FVorgaben, &VorgabenGruppe::tankartGewaehlt, this, &TfrmGrund::onTankartChanged);
    connect(FSitzung, &CoreSession::solutionsChanged, this, &TfrmGrund::fuelleLoesungsliste);
    connect(FSitzung, &CoreSession::installationChanged, this, [this] {
        loescheAnzeige();
        fuelleAnzeige();
    });
    connect(FSitzung, &CoreSession::planFileChanged, this, &TfrmGrund::zeigeTitel);
    for (auto signal : {&CoreSession::solutionsChanged, &CoreSession::installationChanged,
                        &CoreSession::modeChanged, &CoreSession::planFileChanged}) {
        connect(FSitzung, signal, this, &TfrmGrund::befehleAktualisieren);
    }
}

TfrmGrund::~TfrmGrund() = default;

QWidget* TfrmGrund::erstelleLogoLeiste() {
    auto* strip = new QWidget(this);
    strip->setFixedHeight(kLogoHeight);
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);

    imgLogo = namedLabel("imgLogo", strip);
    imgLogo->setFixedSize(kLeftColumnWidth, kLogoHeight);
    imgLogo->setPixmap(picture(AppPath, "images/halvex-logo.jpg")
                           .scaled(imgLogo->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    imgLogo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    layout->addWidget(imgLogo);

    imgHeader = namedLabel("imgHeader", strip);
    imgHeader->setFixedHeight(kLogoHeight);
    imgHeader->setScaledContents(true);
    imgHeader->setPixmap(picture(AppPath, "images/header.jpg"));
    QSizePolicy headerPolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    headerPolicy.setRetainSizeWhenHidden(true);
    imgHeader->setSizePolicy(headerPolicy);
    layout->addWidget(imgHeader, 1);

    // Room for the plan file commands and the help button.
    auto* pnlDatei = new QWidget(strip);
    pnlDatei->setObjectName(QStringLiteral("pnlDatei"));
    pnlDatei->setFixedWidth(110);
    auto* dateiLayout = new QVBoxLayout(pnlDatei);
    dateiLayout->setContentsMargins(0, 0, 0, 0);
    dateiLayout->setSpacing(2);
    layout->addWidget(pnlDatei);

    lblVersionsNr = namedLabel("lblVersionsNr", imgLogo);
    lblImpressum = namedLabel("lblImpressum", imgLogo);
    lblImpressum->setText(QStringLiteral("Impressum"));
    lblImpressum->setCursor(Qt::PointingHandCursor);
    lblImpressum->installEventFilter(this);
    for (QLabel* corner : {lblVersionsNr, lblImpressum}) {
        QFont small = corner->font();
        small.setPointSize(8);
        corner->setFont(small);
        corner->adjustSize();
    }
    return strip;
}

QWidget* TfrmGrund::erstelleLoesung() {
    pnlLoesung = new QWidget(this);
    pnlLoesung->setObjectName(QStringLiteral("pnlLoesung"));
    auto* layout = new QVBoxLayout(pnlLoesung);
    layout->setContentsMargins(0, 0, 0, 0);

    pnlStartanzeige = new QFrame(pnlLoesung);
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

    pnlLoesungsanzeige = new QWidget(pnlLoesung);
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
    rechts->addWidget(erstelleZeichnungsebene(), 1);
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
    layout->addWidget(pnlLoesungsanzeige);
    pnlLoesungsanzeige->hide();
    return pnlLoesung;
}

QWidget* TfrmGrund::erstelleLoesungsauswahl() {
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
            &TfrmGrund::onLoesungSelected);
    connect(lviLoesungsanzeige->header(), &QHeaderView::sectionClicked, this,
            &TfrmGrund::onLoesungColumnClicked);

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
    const std::pair<QString, QLabel*> figures[] = {
        {QStringLiteral("Tankanzahl:"), lblLoesAnzahl},
        {QStringLiteral("Gesamtvolumen:"), lblLoesVolumen},
        {QStringLiteral("Batteriemaße:"), lblLoesTankmasse},
        {QStringLiteral("Richtpreis:"), lblLoesRichtpreis},
    };
    int row = 0;
    for (const auto& [caption, value] : figures) {
        infos->addWidget(label(caption, gboLoesungsInfos), row, 0);
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

QWidget* TfrmGrund::erstelleZeichnungsebene() {
    pnlZeichnungsebene = new QWidget(pnlLoesungsanzeige);
    pnlZeichnungsebene->setObjectName(QStringLiteral("pnlZeichnungsebene"));
    auto* layout = new QVBoxLayout(pnlZeichnungsebene);
    layout->setContentsMargins(0, 0, 0, 0);
    Tankposition = new PositionChoice(this);
    Eckenposition = new PositionChoice(this);
    Kesselposition = new PositionChoice(this);
    Tankposition->press("OL");
    Eckenposition->setEnabled(false);
    Kesselposition->setEnabled(false);
    connect(Tankposition, &PositionChoice::clicked, this, &TfrmGrund::onTankPosition);
    connect(Eckenposition, &PositionChoice::clicked, this, &TfrmGrund::onEckePosition);
    connect(Kesselposition, &PositionChoice::clicked, this, &TfrmGrund::onHeizraumPosition);
    FPlan = new PlanView(PlanView::Kind::Main, *Tankposition, *Eckenposition, *Kesselposition,
                         QSize(kGrafikWidth, kGrafikHeight), pnlZeichnungsebene);
    layout->addWidget(FPlan);
    return pnlZeichnungsebene;
}

QGroupBox* TfrmGrund::erstelleZubehoer() {
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
    connect(clbZubAuswahl, &QListWidget::itemChanged, this, &TfrmGrund::onZubItemChanged);
    return gboZubehoer;
}

QWidget* TfrmGrund::erstellePrint() {
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

void TfrmGrund::ordneImpressumAn() {
    const QRect vorgaben = FVorgaben->geometry();
    FImpressum->ordneAn(QRect(vorgaben.left(), vorgaben.top(), vorgaben.width(),
                              pnlLoesung->geometry().bottom() - vorgaben.top() + 1));
    // Version and imprint link inside the logo's right corners.
    lblVersionsNr->adjustSize();
    lblVersionsNr->move(imgLogo->width() - lblVersionsNr->width() - 5,
                        imgLogo->height() - lblVersionsNr->height() - 5);
    lblImpressum->adjustSize();
    lblImpressum->move(imgLogo->width() - lblImpressum->width() - 5, 5);
}

void TfrmGrund::closeEvent(QCloseEvent* event) {
    FBewegung->cancel();
    if (!host().askWarningYesNo(schliessenFrage())) {
        event->ignore();
        return;
    }
    event->accept();
    // The preview, the help and the price windows belong to this one: they go with it, and
    // with the last window the program ends.
    for (QWidget* fenster : findChildren<QWidget*>()) {
        if (fenster->isWindow() && fenster->isVisible()) {
            fenster->close();
        }
    }
}

}  // namespace velmora
