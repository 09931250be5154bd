#include "window/TfrmGrund.h"

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
#include "app/TMoveTank.h"
#include "base/Host.h"
#include "drawing/TGrafik.h"
#include "printing/TAusdruck.h"
#include "printing/ui/Tfrm_prnpreview.h"
#include "window/PlanFileDialogs.h"
#include "window/PlanImageView.h"
#include "window/PositionButtonGroup.h"
#include "window/TAlignEdit.h"

namespace velmora {

namespace {

constexpr int kClientWidth = 978;
constexpr int kClientHeight = 732;
constexpr int kLogoHeight = 60;
constexpr int kLeftColumnWidth = 300;
constexpr int kGrafikWidth = 636;
constexpr int kGrafikHeight = 318;
constexpr int kEditWidth = 62;

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
    setWindowTitle(QStringLiteral("Velmora"));
    setWindowIcon(QIcon(QString::fromStdString(AppPath) + QStringLiteral("images/velmora.png")));
    setFont(QFont(QStringLiteral("Arial"), 9));
    setFixedSize(kClientWidth, kClientHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(erstelleLogoLeiste());
    layout->addWidget(erstelleVorgaben());
    layout->addWidget(erstelleLoesung(), 1);

    Daten = std::make_unique<TDaten>(AppPath, &imgGrafik->canvas(), imgGrafik->width(),
                                     imgGrafik->height(), true);
    // Every printout opens a fresh preview window of its own.
    Daten->getAusdruck().setDruckvorschau([] { return std::make_unique<Tfrm_prnpreview>(); });

    cboVorgTankart->addItem(QStringLiteral("Alle Tanks"));
    for (std::size_t index = 0; index < Daten->getAnzahlProduktgruppen(); ++index) {
        cboVorgTankart->addItem(QString::fromStdString(Daten->getProduktgruppenBezeichnung(index)));
    }
    cboVorgTankart->setCurrentIndex(0);
    rboVorgKessel40->setChecked(true);
    // The sort-key column keeps its place but takes no room (Qt's minimum would show a stub).
    lviLoesungsanzeige->header()->setMinimumSectionSize(0);
    lviLoesungsanzeige->setColumnWidth(0, 0);
    selectCounter = 0;

    setzeStandardwerte();

    lblVersionsNr->setText(QString::fromStdString(TDaten::getAktuelleVersion()));
    erstelleImpressum();
    erstelleGrafikGross();
    layout->activate();
    ordneImpressumAn();
    loescheAnzeige();
    zeigeGrafik();
    erstellePlanDateiUndHilfe();
    installiereTastenfilter();
    bbnVorgLoesungen->setFocus();
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

TAlignEdit* TfrmGrund::neuesEdit(const char* name) {
    auto* edit = new TAlignEdit(gboVorgaben);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFixedWidth(kEditWidth);
    edit->installEventFilter(this);
    return edit;
}

QGroupBox* TfrmGrund::erstelleVorgaben() {
    gboVorgaben = groupBox("gboVorgaben", QStringLiteral("Vorgaben: "), this);
    auto* outer = new QHBoxLayout(gboVorgaben);
    outer->setContentsMargins(10, 6, 10, 8);
    outer->setSpacing(24);

    edtVorgRaumBreite = neuesEdit("edtVorgRaumBreite");
    edtVorgRaumLaenge = neuesEdit("edtVorgRaumLaenge");
    edtVorgRaumHoehe = neuesEdit("edtVorgRaumHoehe");
    edtVorgEckeBreite = neuesEdit("edtVorgEckeBreite");
    edtVorgEckeLaenge = neuesEdit("edtVorgEckeLaenge");
    edtVorgSollVolumen = neuesEdit("edtVorgSollVolumen");
    edtVorgHeizraumBreite = neuesEdit("edtVorgHeizraumBreite");
    edtVorgheizraumLaenge = neuesEdit("edtVorgheizraumLaenge");
    edtVorgEinbringHoehe = neuesEdit("edtVorgEinbringHoehe");
    edtVorgEinbringBreite = neuesEdit("edtVorgEinbringBreite");

    // Measures: one row per thing, the edits of a column aligned.
    auto* masse = new QGridLayout;
    masse->setHorizontalSpacing(6);
    masse->setVerticalSpacing(4);
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    masse->addWidget(label(QStringLiteral("Raum:"), gboVorgaben), 0, 0);
    masse->addWidget(label(QStringLiteral("Breite"), gboVorgaben), 0, 1, right);
    masse->addWidget(edtVorgRaumBreite, 0, 2);
    masse->addWidget(label(QStringLiteral("Länge"), gboVorgaben), 0, 3, right);
    masse->addWidget(edtVorgRaumLaenge, 0, 4);
    masse->addWidget(label(QStringLiteral("Höhe"), gboVorgaben), 0, 5, right);
    masse->addWidget(edtVorgRaumHoehe, 0, 6);
    masse->addWidget(label(QStringLiteral("m"), gboVorgaben), 0, 7);
    masse->addWidget(label(QStringLiteral("Ecke:"), gboVorgaben), 1, 0);
    masse->addWidget(edtVorgEckeBreite, 1, 2);
    masse->addWidget(label(QStringLiteral("x"), gboVorgaben), 1, 3, Qt::AlignCenter);
    masse->addWidget(edtVorgEckeLaenge, 1, 4);
    masse->addWidget(label(QStringLiteral("m"), gboVorgaben), 1, 5);
    masse->addWidget(label(QStringLiteral("Kesselmaße:"), gboVorgaben), 2, 0);
    masse->addWidget(label(QStringLiteral("Breite"), gboVorgaben), 2, 1, right);
    masse->addWidget(edtVorgHeizraumBreite, 2, 2);
    masse->addWidget(label(QStringLiteral("Länge"), gboVorgaben), 2, 3, right);
    masse->addWidget(edtVorgheizraumLaenge, 2, 4);
    masse->addWidget(label(QStringLiteral("m"), gboVorgaben), 2, 5);
    masse->addWidget(label(QStringLiteral("Einbringmaße:"), gboVorgaben), 3, 0);
    masse->addWidget(label(QStringLiteral("Höhe"), gboVorgaben), 3, 1, right);
    masse->addWidget(edtVorgEinbringHoehe, 3, 2);
    masse->addWidget(label(QStringLiteral("Breite"), gboVorgaben), 3, 3, right);
    masse->addWidget(edtVorgEinbringBreite, 3, 4);
    masse->addWidget(label(QStringLiteral("m"), gboVorgaben), 3, 5);
    outer->addLayout(masse);

    // Tank type, volume and the boiler room.
    cboVorgTankart = new QComboBox(gboVorgaben);
    cboVorgTankart->setObjectName(QStringLiteral("cboVorgTankart"));
    cboVorgTankart->setMinimumWidth(220);
    chkVorgHeizraum = new QCheckBox(QStringLiteral("Aufstellung Heizraum"), gboVorgaben);
    chkVorgHeizraum->setObjectName(QStringLiteral("chkVorgHeizraum"));
    chkVorgKessel = new QCheckBox(QStringLiteral("Strahlungsgeschützter Kessel"), gboVorgaben);
    chkVorgKessel->setObjectName(QStringLiteral("chkVorgKessel"));
    rboVorgKessel40 = new QRadioButton(QStringLiteral("40 cm"), gboVorgaben);
    rboVorgKessel40->setObjectName(QStringLiteral("rboVorgKessel40"));
    rboVorgKessel10 = new QRadioButton(QStringLiteral("10 cm"), gboVorgaben);
    rboVorgKessel10->setObjectName(QStringLiteral("rboVorgKessel10"));

    auto* auswahl = new QGridLayout;
    auswahl->setHorizontalSpacing(6);
    auswahl->setVerticalSpacing(4);
    auswahl->addWidget(label(QStringLiteral("Tankart:"), gboVorgaben), 0, 0);
    auswahl->addWidget(cboVorgTankart, 0, 1, 1, 3);
    auswahl->addWidget(label(QStringLiteral("Soll-Volumen:"), gboVorgaben), 1, 0);
    auswahl->addWidget(edtVorgSollVolumen, 1, 1);
    auswahl->addWidget(label(QStringLiteral("Liter"), gboVorgaben), 1, 2, 1, 2);
    auswahl->addWidget(chkVorgHeizraum, 2, 0, 1, 4);
    auswahl->addWidget(chkVorgKessel, 3, 0, 1, 2);
    auswahl->addWidget(rboVorgKessel40, 3, 2);
    auswahl->addWidget(rboVorgKessel10, 3, 3);
    outer->addLayout(auswahl);
    outer->addStretch(1);

    bbnVorgLoesungen = button("bbnVorgLoesungen", QStringLiteral("Lösungen"), gboVorgaben);
    bbnVorgLoeschen = button("bbnVorgLoeschen", QStringLiteral("Werte löschen"), gboVorgaben);
    bbnVorgLoesungen->setDefault(true);
    auto* befehle = new QVBoxLayout;
    befehle->setSpacing(6);
    befehle->addStretch(1);
    for (QPushButton* command : {bbnVorgLoesungen, bbnVorgLoeschen}) {
        command->setFixedSize(130, 30);
        befehle->addWidget(command);
    }
    befehle->addStretch(1);
    outer->addLayout(befehle);

    // Enter and Tab walk the inputs as they are read: the room and what is cut from it, the
    // opening, then the wanted storage and the boiler.
    const QList<QWidget*> reihenfolge{
        edtVorgRaumBreite,     edtVorgRaumLaenge,     edtVorgRaumHoehe,      edtVorgEckeBreite,
        edtVorgEckeLaenge,     edtVorgHeizraumBreite, edtVorgheizraumLaenge, edtVorgEinbringHoehe,
        edtVorgEinbringBreite, cboVorgTankart,        edtVorgSollVolumen,    chkVorgHeizraum,
        chkVorgKessel,         rboVorgKessel40,       rboVorgKessel10,       bbnVorgLoesungen,
        bbnVorgLoeschen};
    for (qsizetype index = 1; index < reihenfolge.size(); ++index) {
        setTabOrder(reihenfolge[index - 1], reihenfolge[index]);
    }

    connect(bbnVorgLoesungen, &QPushButton::clicked, this, &TfrmGrund::onLoesungen);
    connect(bbnVorgLoeschen, &QPushButton::clicked, this, &TfrmGrund::onLoeschen);
    connect(chkVorgHeizraum, &QCheckBox::clicked, this, &TfrmGrund::onHeizraumClicked);
    connect(chkVorgKessel, &QCheckBox::clicked, this, &TfrmGrund::onKesselClicked);
    connect(rboVorgKessel40, &QRadioButton::clicked, this, &TfrmGrund::automatischeSuche);
    connect(rboVorgKessel10, &QRadioButton::clicked, this, &TfrmGrund::automatischeSuche);
    connect(cboVorgTankart, &QComboBox::activated, this, &TfrmGrund::onTankartChanged);
    return gboVorgaben;
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

    connect(bbnVarianteLeft, &QPushButton::clicked, this, &TfrmGrund::onVarianteLeft);
    connect(bbnVarianteRight, &QPushButton::clicked, this, &TfrmGrund::onVarianteRight);
    connect(btnDrehen, &QPushButton::clicked, this, &TfrmGrund::onDrehen);
    connect(btnZubehoer, &QPushButton::clicked, this, &TfrmGrund::onZubehoer);
    connect(bbnEditPrice, &QPushButton::clicked, this, &TfrmGrund::onEditPrice);
    return column;
}

QWidget* TfrmGrund::erstelleZeichnungsebene() {
    pnlZeichnungsebene = new QWidget(pnlLoesungsanzeige);
    pnlZeichnungsebene->setObjectName(QStringLiteral("pnlZeichnungsebene"));
    auto* layout = new QVBoxLayout(pnlZeichnungsebene);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);

    gboDarstellung =
        groupBox("gboDarstellung", QStringLiteral("Darstellung: "), pnlZeichnungsebene);
    auto* darstellung = new QHBoxLayout(gboDarstellung);
    darstellung->setContentsMargins(10, 2, 10, 6);
    spbDarstPosition = new PositionButtonGroup(QStringLiteral("Tankposition"),
                                               QStringLiteral("spbDarstPosition"), gboDarstellung);
    spbDarstEcke = new PositionButtonGroup(QStringLiteral("Eckenposition"),
                                           QStringLiteral("spbDarstEcke"), gboDarstellung);
    spbDarstHeizraum = new PositionButtonGroup(QStringLiteral("Kesselposition"),
                                               QStringLiteral("spbDarstHeizraum"), gboDarstellung);
    darstellung->addStretch(1);
    for (PositionButtonGroup* group : {spbDarstPosition, spbDarstEcke, spbDarstHeizraum}) {
        darstellung->addWidget(group);
        darstellung->addStretch(1);
    }
    layout->addWidget(gboDarstellung);
    spbDarstPosition->press("OL");
    spbDarstEcke->setButtonsEnabled(false);
    spbDarstHeizraum->setButtonsEnabled(false);
    connect(spbDarstPosition, &PositionButtonGroup::cornerClicked, this,
            &TfrmGrund::onTankPosition);
    connect(spbDarstEcke, &PositionButtonGroup::cornerClicked, this, &TfrmGrund::onEckePosition);
    connect(spbDarstHeizraum, &PositionButtonGroup::cornerClicked, this,
            &TfrmGrund::onHeizraumPosition);

    gboGrafik = groupBox("gboGrafik", QStringLiteral("Grafik: "), pnlZeichnungsebene);
    auto* grafik = new QVBoxLayout(gboGrafik);
    grafik->setContentsMargins(6, 4, 6, 6);
    imgGrafik = new PlanImageView(kGrafikWidth, kGrafikHeight, gboGrafik);
    imgGrafik->setObjectName(QStringLiteral("imgGrafik"));
    imgGrafik->setToolTip(QStringLiteral("Zum Vergrößern bitte klicken."));
    grafik->addWidget(imgGrafik, 0, Qt::AlignCenter);
    layout->addWidget(gboGrafik, 1);
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
    connect(bbnZubOK, &QPushButton::clicked, this, &TfrmGrund::onZubOK);
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
    connect(bbnDrucken, &QPushButton::clicked, this, &TfrmGrund::onDrucken);
    connect(bbnDatanormDrucken, &QPushButton::clicked, this, &TfrmGrund::onDatanormDrucken);
    return pnlPrint;
}

void TfrmGrund::installiereTastenfilter() {
    // Keys reach the window from every control except the input fields and the type list,
    // where they are typed; the four installation buttons act when the key goes down.
    for (QWidget* pressed :
         {static_cast<QWidget*>(btnZubehoer), static_cast<QWidget*>(btnDrehen),
          static_cast<QWidget*>(bbnVarianteLeft), static_cast<QWidget*>(bbnVarianteRight)}) {
        pressed->installEventFilter(this);
    }
    installEventFilter(this);
}

void TfrmGrund::closeEvent(QCloseEvent* event) {
    if (host().askWarningYesNo(schliessenFrage())) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace velmora
