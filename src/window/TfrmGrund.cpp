#include "window/TfrmGrund.h"
#include "window/LoesungsAnzeige.h"
#include "window/VorgabenGruppe.h"
#include "window/ZuletztGeoeffnet.h"

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
#include <QIcon>
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
#include "window/FensterBilder.h"
#include "window/ImpressumAnzeige.h"
#include "window/PlanFileDialogs.h"
#include "window/PlanImageView.h"
#include "window/PlanVerlauf.h"
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

// Runs its action at the first input anywhere in the application.
class VorEingabe : public QObject {
public:
    VorEingabe(std::function<void()> aktion, QObject* parent)
        : QObject(parent), aktion_(std::move(aktion)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
            case QEvent::KeyPress:
            case QEvent::ShortcutOverride:
            case QEvent::Wheel:
            case QEvent::ContextMenu:
            case QEvent::DragEnter:
            case QEvent::Drop:
            case QEvent::TouchBegin:
            case QEvent::TabletPress:
            case QEvent::InputMethod:
                aktion_();
                break;
            default:
                break;
        }
        return false;
    }

private:
    std::function<void()> aktion_;
};

QLabel* namedLabel(const char* name, QWidget* parent) {
    auto* result = new QLabel(parent);
    result->setObjectName(QString::fromLatin1(name));
    return result;
}

}  // namespace

std::future<std::unique_ptr<TDaten>> TfrmGrund::ladeKatalog(const std::string& appPath) {
    return std::async(std::launch::async | std::launch::deferred, [appPath] {
        const NoHostOnThisThread ohneFenster;
        return std::make_unique<TDaten>(appPath, TDaten::LadefehlerSpaeter{});
    });
}

TfrmGrund::TfrmGrund(const std::string& appPath, QWidget* parent)
    : TfrmGrund(appPath, ladeKatalog(appPath), Aufbau::Sofort, parent) {}

TfrmGrund::TfrmGrund(const std::string& appPath, std::future<std::unique_ptr<TDaten>> katalog,
                     Aufbau aufbau, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      AppPath(appPath) {
    if (AppPath.empty() || AppPath.back() != '/') {
        AppPath += '/';
    }
    // Decoded while the widgets are built: the logo and the header for the first frame.
    FBilder = std::make_unique<FensterBilderLaden>(AppPath, QSize(kLeftColumnWidth, kLogoHeight));
    setObjectName(QStringLiteral("TfrmGrund"));
    setFont(schrift());
    setFixedSize(kClientWidth, kClientHeight);
    setAcceptDrops(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(erstelleLogoLeiste());
    FVorgaben = new VorgabenGruppe(this);
    layout->addWidget(FVorgaben);
    FLoesung = new LoesungsAnzeige(this);
    layout->addWidget(FLoesung, 1);

    Daten = katalog.get();
    Daten->meldeLadefehler();
    FSitzung = new CoreSession(*Daten, this);

    FVorgaben->cboVorgTankart->addItem(QStringLiteral("Alle Tanks"));
    for (std::size_t index = 0; index < Daten->getAnzahlProduktgruppen(); ++index) {
        FVorgaben->cboVorgTankart->addItem(
            QString::fromStdString(Daten->getProduktgruppenBezeichnung(index)));
    }
    FVorgaben->cboVorgTankart->setCurrentIndex(0);
    FVorgaben->rboVorgKessel40->setChecked(true);
    setzeStandardwerte();

    lblVersionsNr->setText(QString::fromStdString(TDaten::getAktuelleVersion()));
    FImpressum = new ImpressumAnzeige(this);
    layout->activate();
    ordneImpressumAn();
    erstellePlanDateiUndHilfe();
    zeigeTitel();
    FVorgaben->bbnVorgLoesungen->setFocus();
    zeigeFensterBilder(FBilder->bilder());

    if (aufbau == Aufbau::Sofort) {
        vervollstaendige();
    } else {
        // Input that comes before then finds the window complete.
        FVorEingabe = new VorEingabe([this] { vervollstaendige(); }, this);
        qApp->installEventFilter(FVorEingabe);
    }
}

void TfrmGrund::vervollstaendige() {
    if (FVollstaendig) {
        return;
    }
    FVollstaendig = true;
    if (FVorEingabe != nullptr) {
        qApp->removeEventFilter(FVorEingabe);
        FVorEingabe->deleteLater();
        FVorEingabe = nullptr;
    }
    FLoesung->verbinde(*FSitzung, AppPath);
    erstellePlan();
    PlanImageView& plan = FPlan->image();
    Daten->zeichneIn(plan.canvas(), plan.width(), plan.height());
    FPlan->attach(*FSitzung, AppPath);
    FBewegung = new TankMoveMode(*FSitzung, *this, this);
    // Every printout opens a fresh preview window of its own, which goes with the window.
    Daten->getAusdruck().setDruckvorschau([this] { return neueDruckvorschau(); });
    // The sort-key column keeps its place but takes no room (Qt's minimum would show a stub).
    FLoesung->lviLoesungsanzeige->header()->setMinimumSectionSize(0);
    FLoesung->lviLoesungsanzeige->setColumnWidth(0, 0);
    erstelleMaterialExport();
    erstelleGrafikGross();
    erstelleVerlauf();
    erstelleBefehle();
    verbindeAnzeigen();
    FLoesung->loescheAnzeige();
    FPlan->draw();
    befehleAktualisieren();
    zeigeFensterSymbol(FBilder->symbol());
    FBilder.reset();
}

void TfrmGrund::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // The rest follows the first frame.
    if (!FVollstaendig) {
        QMetaObject::invokeMethod(this, &TfrmGrund::vervollstaendige, Qt::QueuedConnection);
    }
}

QFont TfrmGrund::schrift() {
    return QFont(QStringLiteral("Arial"), 9);
}

void TfrmGrund::zeigeFensterSymbol(const std::vector<QImage>& groessen) {
    QIcon symbol;
    for (const QImage& groesse : groessen) {
        symbol.addPixmap(QPixmap::fromImage(groesse));
    }
    setWindowIcon(symbol);
}

void TfrmGrund::zeigeFensterBilder(const FensterBilder& bilder) {
    imgLogo->setPixmap(QPixmap::fromImage(bilder.logo));
    imgHeader->setPixmap(QPixmap::fromImage(bilder.kopf));
}

void TfrmGrund::verbindeAnzeigen() {
    connect(FVorgaben, &VorgabenGruppe::eingabeVerlassen, this, &TfrmGrund::pruefeAenderung);
    connect(FVorgaben, &VorgabenGruppe::heizraumGeklickt, this, &TfrmGrund::automatischeSuche);
    connect(FVorgaben, &VorgabenGruppe::kesselGeklickt, this, &TfrmGrund::automatischeSuche);
    connect(FVorgaben, &VorgabenGruppe::tankartGewaehlt, this, &TfrmGrund::onTankartChanged);
    connect(FLoesung, &LoesungsAnzeige::loesungGewaehlt, this, &TfrmGrund::zeigeLoesung);
    connect(FSitzung, &CoreSession::planFileChanged, this, &TfrmGrund::zeigeTitel);
    // A search announces its installation change too: one update per change.
    for (auto signal : {&CoreSession::installationChanged, &CoreSession::modeChanged}) {
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
    imgLogo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    layout->addWidget(imgLogo);

    imgHeader = namedLabel("imgHeader", strip);
    imgHeader->setFixedHeight(kLogoHeight);
    imgHeader->setScaledContents(true);
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
    lblImpressum->installEventFilter(this);
    for (QLabel* corner : {lblVersionsNr, lblImpressum}) {
        QFont small = corner->font();
        small.setPointSize(8);
        corner->setFont(small);
    }
    return strip;
}

void TfrmGrund::erstellePlan() {
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
                         QSize(kGrafikWidth, kGrafikHeight), FLoesung->pnlZeichnungsebene);
    FLoesung->pnlZeichnungsebene->layout()->addWidget(FPlan);
}

void TfrmGrund::ordneImpressumAn() {
    const QRect vorgaben = FVorgaben->geometry();
    FImpressum->ordneAn(QRect(vorgaben.left(), vorgaben.top(), vorgaben.width(),
                              FLoesung->geometry().bottom() - vorgaben.top() + 1));
    // Version and imprint link inside the logo's right corners.
    lblVersionsNr->adjustSize();
    lblVersionsNr->move(imgLogo->width() - lblVersionsNr->width() - 5,
                        imgLogo->height() - lblVersionsNr->height() - 5);
    lblImpressum->adjustSize();
    lblImpressum->move(imgLogo->width() - lblImpressum->width() - 5, 5);
}

void TfrmGrund::closeEvent(QCloseEvent* event) {
    vervollstaendige();
    FVerlauf->merkeJetzt();
    // Unsaved work gets the question that can save it; otherwise the plain close question.
    const bool schliessen =
        planUngespeichert()
            ? sichereUngespeichertes("HALVEX Velmora geschlossen wird")
            : host().askWarningYesNo("Möchten Sie HALVEX Velmora wirklich schließen?");
    if (!schliessen) {
        // Everything stays as it was, a move in progress too.
        event->ignore();
        return;
    }
    FBewegung->cancel();
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
