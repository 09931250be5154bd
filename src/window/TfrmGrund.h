#pragma once

#include <QWidget>

#include <memory>
#include <string>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmora {

class PlanImageView;
class PositionButtonGroup;
class TAlignEdit;
class TDaten;
class TProdukt;

// The program's main window: the inputs, the search, the solution list, the shown solution
// with its installation and material, the plan and the imprint. It holds no planning logic;
// every step goes through the core. Sources by concern: construction and layout here,
// inputs and search (TfrmGrundVorgaben.cpp), solutions and material (TfrmGrundLoesung.cpp),
// keyboard (TfrmGrundTasten.cpp), imprint (TfrmGrundImpressum.cpp).
class TfrmGrund : public QWidget {
    Q_OBJECT

public:
    // appPath: the directory of the catalogue files and images/ (a trailing "/" is added).
    // Loads the catalogue; a missing file is reported through the host, which then ends the
    // program.
    explicit TfrmGrund(const std::string& appPath, QWidget* parent = nullptr);
    ~TfrmGrund() override;

    TDaten& daten() { return *Daten; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // --- construction (TfrmGrund.cpp) ---
    QWidget* erstelleLogoLeiste();
    QGroupBox* erstelleVorgaben();
    QWidget* erstelleLoesung();
    QWidget* erstelleLoesungsauswahl();
    QWidget* erstelleZeichnungsebene();
    QGroupBox* erstelleZubehoer();
    QWidget* erstellePrint();
    void erstelleImpressum();
    void ordneImpressumAn();
    void installiereTastenfilter();
    TAlignEdit* neuesEdit(const char* name);

    // --- inputs and search (TfrmGrundVorgaben.cpp) ---
    void onLoesungen();
    void onLoeschen();
    void onHeizraumClicked();
    void onKesselClicked();
    void onTankartChanged();
    // The catalogue's defaults in the inputs, no corner, no boiler room.
    void setzeStandardwerte();
    // Enabling, colours and the boiler edits' values for a boiler-room state.
    void zeigeHeizraum(bool checked);
    void aktualisiereKesselRadios();
    // The common search routine.
    void sucheLoesung(bool ZurueckSetzen, bool ARefreshGraphic);
    // Re-search after an input change, when a search has been run; re-shows the solution.
    void automatischeSuche();
    // Leaving edit: re-search when its value differs from the one of the last search.
    void pruefeAenderung(TAlignEdit* edit);
    // The default corner for a group: the first of OL, OR, UR that neither other thing uses.
    static std::string standardEcke(const std::string& belegt1, const std::string& belegt2);

    // --- solutions and material (TfrmGrundLoesung.cpp) ---
    void fuelleLoesungsliste();
    void onLoesungSelected();
    void onLoesungColumnClicked(int column);
    void zeigeLoesung(const std::string& ArtNr);
    void zeigeAktuelleLoesungErneut();
    void fuelleAnzeige();
    void loescheAnzeige();
    void onVarianteLeft();
    void onVarianteRight();
    void onDrehen();
    // Makes installation Index of the shown product current; ignored past the list's end.
    void waehleAufstellung(std::size_t Index);
    void onZubehoer();
    void onZubOK();
    void onZubItemChanged(QListWidgetItem* item);
    void onEditPrice();
    void onDrucken();
    void onDatanormDrucken();
    void onTankPosition(const std::string& corner);
    void onEckePosition(const std::string& corner);
    void onHeizraumPosition(const std::string& corner);
    void zeigeZeichnungsebene();
    // The solution display (not the start panel) is showing.
    bool loesungsanzeigeSichtbar() const;
    void aktualisiereAnlagenpreis();
    void zeigeGrafik();

    // --- keyboard (TfrmGrundTasten.cpp) ---
    // True when the key was a window command.
    bool behandleTaste(int key, Qt::KeyboardModifiers modifiers);
    void waehleNachbarzeile(int schritt);

    // --- enlarged view (filled by the plan view's own source) ---
    bool isGrafikGrossOpen() const;
    void closeGrafikGross();
    void zeichneGrafikGross();

    // --- imprint (TfrmGrundImpressum.cpp) ---
    void onImpressumClicked();
    void oeffneLink(const QString& link);

    std::unique_ptr<TDaten> Daten;
    std::string AppPath;
    std::string VorgRaumBreite, VorgRaumLaenge, VorgRaumHoehe, VorgSollVolumen, VorgEinbringHoehe,
        VorgEinbringBreite, VorgEckeBreite, VorgEckeLaenge, VorgheizraumBreite, VorgHeizraumLaenge;
    bool loesungVorhanden = false;
    std::string lviTmp;
    int selectCounter = 0;
    std::size_t VarianteIndex = 0;
    // Set while a handler fills controls, so their change signals do not act.
    bool fuelltAnzeige = false;
    // A key that acted when it went down; its release does nothing more.
    int tasteBeimDruecken = 0;

    // Logo strip.
    QLabel* imgLogo = nullptr;
    QLabel* imgHeader = nullptr;
    QLabel* lblVersionsNr = nullptr;
    QLabel* lblImpressum = nullptr;

    // Inputs.
    QGroupBox* gboVorgaben = nullptr;
    TAlignEdit* edtVorgRaumBreite = nullptr;
    TAlignEdit* edtVorgRaumLaenge = nullptr;
    TAlignEdit* edtVorgRaumHoehe = nullptr;
    TAlignEdit* edtVorgEckeBreite = nullptr;
    TAlignEdit* edtVorgEckeLaenge = nullptr;
    QComboBox* cboVorgTankart = nullptr;
    TAlignEdit* edtVorgSollVolumen = nullptr;
    QCheckBox* chkVorgHeizraum = nullptr;
    QCheckBox* chkVorgKessel = nullptr;
    QRadioButton* rboVorgKessel40 = nullptr;
    QRadioButton* rboVorgKessel10 = nullptr;
    TAlignEdit* edtVorgHeizraumBreite = nullptr;
    TAlignEdit* edtVorgheizraumLaenge = nullptr;
    TAlignEdit* edtVorgEinbringHoehe = nullptr;
    TAlignEdit* edtVorgEinbringBreite = nullptr;
    QPushButton* bbnVorgLoesungen = nullptr;
    QPushButton* bbnVorgLoeschen = nullptr;

    // Solution area.
    QWidget* pnlLoesung = nullptr;
    QWidget* pnlStartanzeige = nullptr;
    QWidget* pnlLoesungsanzeige = nullptr;
    QTreeWidget* lviLoesungsanzeige = nullptr;
    QGroupBox* gboLoesung = nullptr;
    QLabel* imgLoesungProdukt = nullptr;
    QLabel* lblLoesTankart = nullptr;
    QGroupBox* gboLoesungsInfos = nullptr;
    QLabel* lblLoesAnzahl = nullptr;
    QLabel* lblLoesVolumen = nullptr;
    QLabel* lblLoesTankmasse = nullptr;
    QLabel* lblLoesRichtpreis = nullptr;
    QLabel* lblVariante = nullptr;
    QLabel* pnlVariante = nullptr;
    QPushButton* bbnVarianteLeft = nullptr;
    QPushButton* bbnVarianteRight = nullptr;
    QPushButton* btnDrehen = nullptr;
    QPushButton* btnZubehoer = nullptr;
    QPushButton* bbnEditPrice = nullptr;
    QGroupBox* gboZubehoer = nullptr;
    QListWidget* clbZubAuswahl = nullptr;
    QPushButton* bbnZubOK = nullptr;
    QLineEdit* edtZubAnlagenpreis = nullptr;
    QWidget* pnlZeichnungsebene = nullptr;
    QGroupBox* gboDarstellung = nullptr;
    PositionButtonGroup* spbDarstPosition = nullptr;
    PositionButtonGroup* spbDarstEcke = nullptr;
    PositionButtonGroup* spbDarstHeizraum = nullptr;
    QGroupBox* gboGrafik = nullptr;
    PlanImageView* imgGrafik = nullptr;
    QWidget* pnlPrint = nullptr;
    QPushButton* bbnDrucken = nullptr;
    QPushButton* bbnDatanormDrucken = nullptr;
    QPushButton* spbTankPositioning = nullptr;
    QLabel* lblLabel39 = nullptr;
    QLabel* lblInfoTankposition = nullptr;
    QLabel* lblPreise = nullptr;

    // Imprint.
    QFrame* pnlImpressum = nullptr;
    QLabel* lblImpHeader = nullptr;
    QGroupBox* gboImpHersteller = nullptr;
    QGroupBox* gboImpSoftware = nullptr;
    QPushButton* btnImpOK = nullptr;
};

}  // namespace velmora
