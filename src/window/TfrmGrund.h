#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>

#include <memory>
#include <string>

#include "window/EventFilterFunction.h"

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

class HelpWindow;
class PlanImageView;
class PositionButtonGroup;
class UpdateCheck;
struct PlanFile;
struct PlanFileDialogs;
class TAlignEdit;
class TDaten;
class TGrafik;
class TMoveTank;
class TProdukt;

// The program's main window: the inputs, the search, the solution list, the shown solution
// with its installation and material, the plan and the imprint. It holds no planning logic;
// every step goes through the core. Sources by concern: construction and layout here,
// inputs and search (TfrmGrundVorgaben.cpp), solutions and material (TfrmGrundLoesung.cpp),
// keyboard (TfrmGrundTasten.cpp), imprint (TfrmGrundImpressum.cpp), plan view, enlarged view
// and free positioning (TfrmGrundGrafik.cpp), plan files, material export, help and update
// check (TfrmGrundPlanDatei.cpp).
class TfrmGrund : public QWidget {
    Q_OBJECT

public:
    // appPath: the directory of the catalogue files and images/ (a trailing "/" is added).
    // Loads the catalogue; a missing file is reported through the host, which then ends the
    // program.
    explicit TfrmGrund(const std::string& appPath, QWidget* parent = nullptr);
    ~TfrmGrund() override;

    TDaten& daten() { return *Daten; }
    // The file dialogs of the plan commands and the material export; tests put in answers.
    void setPlanFileDialogs(PlanFileDialogs dialogs);

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
    // Shows the solution area in place of the start panel.
    void zeigeLoesungsanzeige();
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

    // --- plan view, enlarged view and free positioning (TfrmGrundGrafik.cpp) ---
    void erstelleGrafikGross();
    void verbindeBild(PlanImageView* bild);
    bool isGrafikGrossOpen() const;
    void oeffneGrafikGross();
    void closeGrafikGross();
    void zeichneGrafikGross();
    // A position button of the enlarged view: acts through its twin of the main view.
    void onGrafikGrossPosition(PositionButtonGroup& gruppe, const std::string& ecke);
    // The drawing surface of a plan image: the core's for imgGrafik, else the enlarged one.
    TGrafik* grafikVon(const PlanImageView* bild) const;
    void onImgGrafikClick();
    void onTankPositioningToggled(bool down);
    void onImgMouseDown(PlanImageView* bild, Qt::MouseButton button,
                        Qt::KeyboardModifiers modifiers);
    void onImgMouseMove(PlanImageView* bild, QPoint position);
    // The click handling of a move on bild; false when no move runs there.
    bool bewegungsKlick(PlanImageView* bild);
    // Ends the running move: absetzen puts the battery down (where valid), otherwise it
    // stays where it was.
    void beendeTankBewegung(bool absetzen);

    // --- plan files, material export, help, update check (TfrmGrundPlanDatei.cpp) ---
    void erstellePlanDateiUndHilfe();
    void onPlanSpeichern();
    void onPlanOeffnen();
    void onMaterialExportieren();
    void onHilfe();
    // The plan the window shows: its inputs and the core's choice.
    PlanFile aktuellerPlan() const;
    // Puts a plan's inputs into the controls; returns a note when its type is unknown.
    std::string setzePlanVorgaben(const PlanFile& plan);
    // A solution is shown that differs from the last saved or opened plan.
    bool planUngespeichert() const;
    std::string schliessenFrage() const;
    void merkePlanDatei(const QString& path, PlanFile plan);
    // A file name in the plan's directory named after the project, with the suffix.
    QString vorschlag(const QString& suffix) const;

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

    // Plan files, help and update check.
    std::unique_ptr<PlanFileDialogs> FDateiDialoge;
    std::unique_ptr<PlanFile> FGespeicherterPlan;
    QString FPlanDatei;
    HelpWindow* FHilfe = nullptr;
    UpdateCheck* FUpdateCheck = nullptr;
    QPushButton* bbnPlanOeffnen = nullptr;
    QPushButton* bbnPlanSpeichern = nullptr;
    QPushButton* bbnHilfe = nullptr;
    QPushButton* bbnZubExport = nullptr;
    // Enlarged view and free positioning.
    std::unique_ptr<TGrafik> GrafikGross;
    std::unique_ptr<TMoveTank> FMoveTank;
    bool ignoreMoveTank = false;
    bool FMoveTankFromStrg = false;
    QString FImgOldHint;
    QString FImgOldHint2;
    // The image the running move was started on.
    PlanImageView* FMoveBild = nullptr;
    QLabel* imgLupe = nullptr;
    QGroupBox* gboGrafikGross = nullptr;
    PlanImageView* imgGrafikGross = nullptr;
    QPushButton* bbnGrafikGross = nullptr;
    QGroupBox* gboDarstGross = nullptr;
    PositionButtonGroup* spbDarstPositionGross = nullptr;
    PositionButtonGroup* spbDarstEckeGross = nullptr;
    PositionButtonGroup* spbDarstHeizraumGross = nullptr;
    // Owned here, not by the Qt parent, so that they go with the window's members: the
    // controls they watch still send events while Qt destroys them.
    std::unique_ptr<EventFilterFunction> lupenBeobachter;
    // Installed on the application while a move runs.
    std::unique_ptr<EventFilterFunction> bewegungsFilter;

    // Imprint.
    QFrame* pnlImpressum = nullptr;
    QLabel* lblImpHeader = nullptr;
    QGroupBox* gboImpHersteller = nullptr;
    QGroupBox* gboImpSoftware = nullptr;
    QPushButton* btnImpOK = nullptr;
};

}  // namespace velmora
