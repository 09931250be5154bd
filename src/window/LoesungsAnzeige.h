#pragma once

#include <QPixmap>
#include <QWidget>

#include <map>
#include <string>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTreeWidget;

namespace velmora {

class CoreSession;

// The solution area: the start panel until the first search, then the solution list, the
// shown solution with its installation figures and variant commands, the material with its
// ticks and installation price, the place of the plan view and the print commands. It shows
// what the core holds and follows its changes; what the buttons do is the window's.
class LoesungsAnzeige : public QWidget {
    Q_OBJECT

public:
    // The start panel only: the solution display comes with verbinde.
    explicit LoesungsAnzeige(QWidget* parent = nullptr);

    // Builds the solution display, which shows the core's solutions and its shown product from
    // now on; pictures under appPath.
    void verbinde(CoreSession& session, const std::string& appPath);

    // The solution display (not the start panel) is showing.
    bool isLoesungsanzeigeSichtbar() const;
    // The solution display with its print commands, or the start panel.
    void zeigeLoesungsanzeige(bool sichtbar);
    // The plan in place of the material.
    void zeigeZeichnungsebene();
    // The material in place of the plan; false when it was showing already.
    bool zeigeMaterial();
    // Selects the core's shown product in the list, as the user sees it sorted.
    void zeigeAktuelleLoesungErneut();
    // The next selection of the same row shows it again (after a reset).
    void setzeAuswahlZurueck();
    void loescheAnzeige();
    // The shown product's figures, picture and material, as the core has them.
    void fuelleAnzeige();

    // The controls, by the names the user's documentation uses.
    QWidget* pnlStartanzeige = nullptr;
    QWidget* pnlLoesungsanzeige = nullptr;
    QTreeWidget* lviLoesungsanzeige = nullptr;
    QGroupBox* gboLoesung = nullptr;
    QLabel* imgLoesungProdukt = nullptr;
    QLabel* lblLoesTankart = nullptr;
    QGroupBox* gboLoesungsInfos = nullptr;
    QLabel* lblLoesAnzahl = nullptr;
    QLabel* lblLoesVolumen = nullptr;
    // "Batteriemaße:", or "Tankmaße:" for a single tank.
    QLabel* lblLoesTankmasseTitel = nullptr;
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
    // Holds the plan view.
    QWidget* pnlZeichnungsebene = nullptr;
    QWidget* pnlPrint = nullptr;
    QPushButton* bbnDrucken = nullptr;
    QPushButton* bbnDatanormDrucken = nullptr;
    QPushButton* spbTankPositioning = nullptr;
    QLabel* lblLabel39 = nullptr;
    QLabel* lblInfoTankposition = nullptr;
    QLabel* lblPreise = nullptr;

signals:
    // The user chose another solution in the list.
    void loesungGewaehlt(const std::string& artNr);

private:
    void erstelleLoesungsanzeige();
    QWidget* erstelleLoesungsauswahl();
    QGroupBox* erstelleZubehoer();
    QWidget* erstellePrint();
    void fuelleLoesungsliste();
    void sortiere(int column);
    void onLoesungSelected();
    void onZubItemChanged(QListWidgetItem* item);
    void aktualisiereAnlagenpreis();
    // The product picture of the catalogue, scaled for the display; null when there is none.
    const QPixmap& produktBild(const std::string& datei);

    CoreSession* session_ = nullptr;
    std::string appPath_;
    std::map<std::string, QPixmap> produktBilder_;
    // Article number of the row shown and the selection bookkeeping of the list.
    std::string lviTmp;
    int selectCounter = 0;
    // Set while the panel fills controls, so their change signals do not act.
    bool fuelltAnzeige = false;
};

}  // namespace velmora
