#pragma once

#include <QFont>
#include <QKeySequence>
#include <QList>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAbstractButton;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QImage;
class QLabel;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace velmora {

struct AufstellungsArt;
class CoreSession;
struct FensterBilder;
class FensterBilderLaden;
class HelpWindow;
class ImpressumAnzeige;
class LoesungsAnzeige;
class NummernblockTasten;
class PlanVerlauf;
class PlanView;
class PositionChoice;
class TankMoveMode;
struct PlanFile;
struct PlanInputs;
struct PlanStand;
struct PlanFileDialogs;
class TAlignEdit;
class VorgabenGruppe;
class TDaten;
class Tfrm_prnpreview;
class ZuletztGeoeffnet;

// The program's main window: the inputs, the search, the solution list, the shown solution
// with its installation and material, the plan and the imprint. It holds no planning logic;
// every step goes through the core, and every command is an action whose enabled state
// follows from the core's state (befehleAktualisieren). Views redraw themselves when the
// core says what changed (CoreSession). Sources by concern: construction and layout here,
// commands and keys (TfrmGrundBefehle.cpp), inputs and search (TfrmGrundVorgaben.cpp),
// solutions and material (TfrmGrundLoesung.cpp), plan
// views and free positioning (TfrmGrundGrafik.cpp), plan files, material export, help and
// update check (TfrmGrundPlanDatei.cpp).
class TfrmGrund : public QWidget {
    Q_OBJECT

public:
    // appPath: the directory of the catalogue files and images/ (a trailing "/" is added).
    // Loads the catalogue; a missing file is reported through the host, which then ends the
    // program.
    explicit TfrmGrund(const std::string& appPath, QWidget* parent = nullptr);
    // When the window is built whole.
    enum class Aufbau {
        Sofort,
        // What the first frame shows before the window is; the solution display, the plan
        // and the commands after its first frame, or before the first input if that is
        // sooner. The program's start.
        NachErstemBild,
    };
    // As above, with the catalogue of ladeKatalog: a program starts loading it before its
    // application object, which takes a while to connect to the display.
    TfrmGrund(const std::string& appPath, std::future<std::unique_ptr<TDaten>> katalog,
              Aufbau aufbau = Aufbau::Sofort, QWidget* parent = nullptr);
    // Loads the catalogue in appPath on a thread of its own; its start-up message waits for
    // the window.
    static std::future<std::unique_ptr<TDaten>> ladeKatalog(const std::string& appPath);
    ~TfrmGrund() override;

    // The font of the window's texts.
    static QFont schrift();

    TDaten& daten() { return *Daten; }
    // The file dialogs of the plan commands and the material export; tests put in answers.
    void setPlanFileDialogs(PlanFileDialogs dialogs);
    // Opens a plan file as "Plan öffnen…" does after its dialog, with the same checks and
    // messages (a plan named at start, a plan dropped on the window, a recent plan).
    void oeffnePlanDatei(const QString& path);
    // The steps that undo and redo walk through.
    PlanVerlauf& verlauf() { return *FVerlauf; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // A .velmora file dropped onto the window opens.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // --- construction (TfrmGrund.cpp) ---
    QWidget* erstelleLogoLeiste();
    // Builds what the first frame does not show; once.
    void vervollstaendige();
    // The position choices and the main plan view with its image, in the solution area.
    void erstellePlan();
    // The imprint over the input and solution areas, version and imprint link in the logo.
    void ordneImpressumAn();
    // Subscribes the controls to the core's changes.
    void verbindeAnzeigen();
    void zeigeFensterBilder(const FensterBilder& bilder);
    void zeigeFensterSymbol(const std::vector<QImage>& groessen);

    // --- commands and keys (TfrmGrundBefehle.cpp) ---
    void erstelleBefehle();
    // A command on the window, bound to a button when there is one; the shortcut keys act
    // anywhere in the window but in the input fields, where they are typed.
    QAction* befehl(const QString& text, const QList<QKeySequence>& tasten,
                    std::function<void()> handler, QAbstractButton* knopf = nullptr);
    // Every command's enabled state, from the core's state and the window's mode.
    void befehleAktualisieren();
    void waehleNachbarzeile(int schritt);
    // A number-block corner key: presses the choice's corner when offered and open.
    void eckeTaste(PositionChoice& wahl, const std::string& ecke);

    // --- inputs and search (TfrmGrundVorgaben.cpp) ---
    void onLoesungen();
    // Shows the solution area in place of the start panel.
    void zeigeLoesungsanzeige();
    void onLoeschen();
    // The start panel in place of the solution area, the search result gone; setzeVorgaben
    // puts the inputs it shows.
    void zeigeStartanzeige(const std::function<void()>& setzeVorgaben);
    void onTankartChanged();
    // The catalogue's defaults in the inputs, no corner, no boiler room.
    void setzeStandardwerte();
    // The position buttons made ready for a search of the inputs as they stand; the plan
    // to search, with the corners the buttons offer.
    PlanFile bereiteSucheVor();
    // The common search routine; returns the search's warnings, which the caller shows once
    // the result is on screen (empty while the core shows none).
    std::string sucheLoesung(bool ZurueckSetzen);
    // The inputs as the search rewrote them, and the position buttons after it.
    void zeigeGesuchteVorgaben(const PlanInputs& neu);
    void zeigeWarnungen(const std::string& warnungen);
    // The decimals of the input fields, with which the search writes its corrections.
    int dezimalen() const;
    // Re-search after an input change, when a search has been run; re-shows the solution.
    void automatischeSuche();
    // A value entered into edit (typed and left, or taken from the calculator): re-search
    // when it differs from the one of the last search.
    void pruefeAenderung(TAlignEdit* edit);

    // --- solutions and material (TfrmGrundLoesung.cpp) ---
    void zeigeLoesung(const std::string& ArtNr);
    void onVarianteLeft();
    void onVarianteRight();
    void onDrehen();
    // One of "<", ">" and turning: the installation the step leads to, when there is one.
    using VariantenSchritt = std::optional<std::size_t> (*)(const std::vector<AufstellungsArt>&,
                                                            std::size_t);
    void waehleSchritt(VariantenSchritt schritt);
    // Makes installation Index of the shown product current; ignored past the list's end.
    void waehleAufstellung(std::size_t Index);
    void onZubehoer();
    void onZubOK();
    void onEditPrice();
    void onDrucken();
    void onDatanormDrucken();
    // Records a printout into a preview; the print commands wait meanwhile.
    void drucke(void (TDaten::*druck)());
    void onTankPosition(const std::string& corner);
    void onEckePosition(const std::string& corner);
    void onHeizraumPosition(const std::string& corner);
    // A product is shown in the solution display.
    bool loesungGezeigt() const;

    // --- plan views and free positioning (TfrmGrundGrafik.cpp) ---
    void erstelleGrafikGross();
    void verbindePlan(PlanView& plan);
    bool isGrafikGrossOpen() const;
    void oeffneGrafikGross();
    void closeGrafikGross();
    void onImgGrafikClick();
    void onTankPositioningToggled(bool down);
    void onPlanMouseDown(PlanView& plan, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void onPlanMouseMove(PlanView& plan, QPoint position);

    // --- plan files, material export, help, update check (TfrmGrundPlanDatei.cpp) ---
    void erstellePlanDateiUndHilfe();
    // The export button in the solution display's material.
    void erstelleMaterialExport();
    // The menu of the recent plans, built when it opens.
    void zeigeZuletztGeoeffnet();
    void oeffneZuletztGeoeffnet(const QString& path);
    void onPlanOeffnen();
    // The plan in the file, or none after its error was shown.
    std::optional<PlanFile> liesPlan(const QString& path);
    // Replaces the shown plan by one read from path, as one undo step.
    void zeigeGeoeffnetenPlan(const QString& path, const PlanFile& plan);
    void onMaterialExportieren();
    // A preview window of its own for a printout; its PDF goes where the user says.
    std::unique_ptr<Tfrm_prnpreview> neueDruckvorschau();
    void onHilfe();
    // The plan the window shows: its inputs and the core's choice.
    PlanFile aktuellerPlan() const;
    // Puts a plan's inputs into the controls; returns a note when its type is unknown.
    std::string setzePlanVorgaben(const PlanFile& plan);
    // Brings a plan back into the window and the core; returns what could not be restored.
    std::string stellePlanHer(const PlanFile& plan);
    // The history holds steps since the plan was last saved or opened.
    bool planUngespeichert() const;
    // Before unsaved work is replaced or closed: asks whether to save it first, naming its
    // changes; bevor completes the question ("… speichern, bevor ein anderer Plan geöffnet
    // wird?"). True when the caller may go on: saved, discarded or nothing unsaved.
    bool sichereUngespeichertes(const std::string& bevor);
    // "Plan speichern": into the plan's file when it has one, else as "Speichern unter…"
    // (neuerName) does, after asking for a file. True when the plan was written.
    bool speicherePlan(bool neuerName);
    void merkePlanDatei(const QString& path);
    // The caption: the plan file's name, marked while the plan differs from it.
    void zeigeTitel();

    // --- undo and redo (TfrmGrundVerlauf.cpp) ---
    void erstelleVerlauf();
    // The plan as shown, as an undo step compares it.
    PlanStand angezeigterStand() const;
    void stelleStandHer(const PlanStand& stand);
    void onRueckgaengig();
    void onWiederholen();
    // A file name in the plan's directory named after the project, with the suffix.
    QString vorschlag(const QString& suffix) const;

    // vervollstaendige has run. Until then: the window's icon, still being decoded, and the
    // filter that completes the window at the first input.
    bool FVollstaendig = false;
    std::unique_ptr<FensterBilderLaden> FBilder;
    QObject* FVorEingabe = nullptr;
    std::unique_ptr<TDaten> Daten;
    CoreSession* FSitzung = nullptr;
    std::string AppPath;
    bool loesungVorhanden = false;
    // The inputs and positions as the last search left them, without a choice.
    std::unique_ptr<PlanFile> FGesuchterPlan;

    // Logo strip.
    QLabel* imgLogo = nullptr;
    QLabel* imgHeader = nullptr;
    QLabel* lblVersionsNr = nullptr;
    QLabel* lblImpressum = nullptr;

    VorgabenGruppe* FVorgaben = nullptr;

    LoesungsAnzeige* FLoesung = nullptr;

    // The three position choices, shown by the main and the enlarged view alike.
    PositionChoice* Tankposition = nullptr;
    PositionChoice* Eckenposition = nullptr;
    PositionChoice* Kesselposition = nullptr;
    PlanView* FPlan = nullptr;
    // The enlarged view over the input and solution areas; built when first opened.
    QGroupBox* gboGrafikGross = nullptr;
    PlanView* FPlanGross = nullptr;
    TankMoveMode* FBewegung = nullptr;
    QString FImgOldHint2;

    // Commands.
    QAction* aLoesungen = nullptr;
    QAction* aLoeschen = nullptr;
    QAction* aPlanOeffnen = nullptr;
    QAction* aPlanSpeichern = nullptr;
    QAction* aSpeichernUnter = nullptr;
    QAction* aHilfe = nullptr;
    QAction* aDrucken = nullptr;
    QAction* aDatanormDrucken = nullptr;
    QAction* aMaterial = nullptr;
    QAction* aMaterialOK = nullptr;
    QAction* aMaterialExport = nullptr;
    QAction* aPreise = nullptr;
    QAction* aVarianteLinks = nullptr;
    QAction* aVarianteRechts = nullptr;
    QAction* aDrehen = nullptr;
    QAction* aNaechsteZeile = nullptr;
    QAction* aVorherigeZeile = nullptr;
    QAction* aGrafikGross = nullptr;
    QAction* aGrafikKlein = nullptr;
    QAction* aRueckgaengig = nullptr;
    QAction* aWiederholen = nullptr;
    QList<QAction*> aEckTasten;
    NummernblockTasten* FNummernblock = nullptr;

    PlanVerlauf* FVerlauf = nullptr;
    QToolButton* bbnRueckgaengig = nullptr;
    QToolButton* bbnWiederholen = nullptr;

    // Plan files, help and update check.
    std::unique_ptr<PlanFileDialogs> FDateiDialoge;
    HelpWindow* FHilfe = nullptr;
    QPushButton* bbnPlanOeffnen = nullptr;
    QToolButton* bbnZuletztGeoeffnet = nullptr;
    std::unique_ptr<ZuletztGeoeffnet> FZuletzt;
    QPushButton* bbnPlanSpeichern = nullptr;
    QToolButton* bbnSpeichernUnter = nullptr;
    QPushButton* bbnHilfe = nullptr;
    QPushButton* bbnZubExport = nullptr;

    ImpressumAnzeige* FImpressum = nullptr;
};

}  // namespace velmora
