#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/GeometryTypes.h"
#include "canvas/PrintTarget.h"
#include "catalogue/Artikeltext.h"
#include "printing/printcontrols.h"

namespace velmora {

class TProdukt;
class TTempData;

// Builds the two printouts of the current solution as print items, page by page: the
// planning sheet (inputs, installation, tank, accessories, prices, plan, side view, wall
// distances) and the DATANORM article list with the article texts. Both share one page
// frame: header with logo, page number and project, footer with the maker's addresses and
// the date.
// Page units are 0.1 mm on A4.
class TAusdruck {
public:
    // AppPath: the program directory with a trailing separator (logo and product pictures).
    explicit TAusdruck(std::string AppPath);
    ~TAusdruck();
    TAusdruck(const TAusdruck&) = delete;
    TAusdruck& operator=(const TAusdruck&) = delete;

    // Where LoesungDruck and DatanormDruck without a target print: a fresh target per
    // printout (the preview window). Without a factory they print nothing.
    void setDruckvorschau(PrintTargetFactory Fabrik);
    // The target of the last printout, kept until the next one or the end of this object.
    PrintTarget* getDruckvorschau() const { return FVorschau.get(); }

    // The planning sheet of Produkt's current installation into a new preview target.
    // OptZubehoerPreis: the sum of the ticked optional accessories' prices (euros).
    void LoesungDruck(const std::string& ProjektName, double OptZubehoerPreis,
                      const TProdukt& Produkt, const TTempData& TempData);
    // The DATANORM printout of Produkt into a new preview target.
    void DatanormDruck(const std::string& ProjektName, const TProdukt& Produkt);

    // The same two printouts into a given target, from beginDoc to endDoc.
    void LoesungDruck(PrintTarget& Ziel, const std::string& ProjektName, double OptZubehoerPreis,
                      const TProdukt& Produkt, const TTempData& TempData);
    void DatanormDruck(PrintTarget& Ziel, const std::string& ProjektName, const TProdukt& Produkt);

    // Footer texts.
    static const std::string EMailZeile;
    static const std::string InternetZeile;

private:
    // One page's print items and how many of its top-level items are already drawn.
    struct Seite {
        std::unique_ptr<TPrintSheet> Blatt;
        int gezeichnet = 0;
    };

    // Page frame (TAusdruck.cpp).
    void neueSeite(PrintTarget& Ziel, const std::string& ProjektName);
    void zeichneNeueElemente();
    void druckeSeitenkopf(TPrintSheet& Blatt, const std::string& ProjektName);
    void druckeSeitenfuss(TPrintSheet& Blatt);
    // The dashed rule across the content width at height y.
    void druckeTrennlinie(int y);
    static std::string heutigesDatum();
    // A fresh page when a block ending at Unten does not fit above Grenze; returns the y
    // where the block starts (y, or druckTop on the fresh page).
    int passeSeiteAn(PrintTarget& Ziel, const std::string& ProjektName, int y, int Unten,
                     int Grenze);
    // Shared building blocks.
    TPrintBox& ueberschrift(int y, const std::string& Text);
    TPrintBox& balken(int y, int Rechts, const std::string& Titel);
    static TPrintBox& zelle(TPrintItem& Eltern, const TRect& Rect, const std::string& Text,
                            int Ausrichtung, int Hoehe, FontStyles Stil);
    // Label and value rows 60 apart in a block of the given width.
    static void zeilenpaare(TPrintItem& Block, int Breite,
                            const std::vector<std::pair<std::string, std::string>>& Zeilen);
    // Cuts a description to 1400 units of Arial 40 with "...".
    std::string kuerzeBezeichnung(const std::string& Text);
    // The table of article number, description and quantity with its header and lines;
    // Zeilen empty leaves one empty row. Returns the table box.
    TPrintBox& artikeltabelle(int y, const std::vector<std::vector<std::string>>& Zeilen);

    // The planning sheet (TAusdruckLoesung.cpp).
    void druckeLoesungsblatt(PrintTarget& Ziel, const std::string& ProjektName,
                             double OptZubehoerPreis, const TProdukt& Produkt,
                             const TTempData& TempData);
    // A picture across the content width and Hoehe units high at y: Zeichnung draws it
    // onto an off-screen image of one pixel per page unit (0.1 mm).
    void zeichneBild(PrintTarget& Ziel, int y, int Hoehe,
                     const std::function<void(Canvas&)>& Zeichnung);
    void druckeAbstaendeUndHinweis(int y, const TProdukt& Produkt);

    // The DATANORM printout (TAusdruckDatanorm.cpp).
    void druckeDatanormblatt(PrintTarget& Ziel, const std::string& ProjektName,
                             const TProdukt& Produkt);
    int druckeMaterialliste(PrintTarget& Ziel, const std::string& ProjektName, int y,
                            const TProdukt& Produkt);
    int druckeProduktblock(PrintTarget& Ziel, const std::string& ProjektName, int y,
                           const std::string& Text1, const std::string& Text2, int Abstand);
    int druckeProduktbeschreibung(PrintTarget& Ziel, const std::string& ProjektName, int y,
                                  const Artikeltext& Text, int Abstand);
    int druckeDimensionstext(PrintTarget& Ziel, const std::string& ProjektName, int y,
                             const Artikeltext& Text, int Abstand);
    // A section's bar at y + Abstand (or on a fresh page) and its white box below it with
    // the given height; returns the box.
    TPrintBox& abschnitt(PrintTarget& Ziel, const std::string& ProjektName, int y, int Abstand,
                         const std::string& Titel, int BoxHoehe);

    int druckTop = 0;
    int seitenAnzahl = 0;
    const int footerSize = 30;
    const int footerAbstand = 10;
    const TPoint Start{200, 60};
    const TPoint Ende{1970, 2780};
    std::string AppPath;

    Seite FSeite;
    PrintTargetFactory FFabrik;
    std::unique_ptr<PrintTarget> FVorschau;
};

}  // namespace velmora
