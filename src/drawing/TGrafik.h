#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/GeometryTypes.h"
#include "canvas/Canvas.h"
#include "drawing/TGrafikStoredData.h"

namespace velmora {

class TProdukt;

// The plan view of one installation on one canvas of fixed pixel size: the room with its
// dimensions, the corner cut-out, the boiler room and the tank battery with its pipework.
// Room millimetres (origin bottom left, Y up) map to canvas pixels (origin top left, Y
// down) with the scale fixed by the last beginneZeichnung.
class TGrafik {
public:
    // AppPath: the program directory with a trailing separator; pictures are looked up below
    // it. The canvas is not owned and must outlive the surface. Ausdruck: a printout surface
    // of 0.1 mm per pixel (labels sized for paper, corner labels moved instead of left out).
    TGrafik(std::string AppPath, Canvas& ACanvas, int Breite, int Laenge, bool Ausdruck,
            Color Hintergrund, Color Stift);
    TGrafik(const TGrafik&) = delete;
    TGrafik& operator=(const TGrafik&) = delete;

    // Clears the surface, fixes the scale and draws the room.
    void beginneZeichnung(double RaumBreite, double RaumLaenge);
    // Draws the room again with a corner cut-out at Position ("OL", "OR", "UL", "UR").
    void zeichneEcke(const std::string& Position, double EckeBreite, double EckeLaenge,
                     double RaumBreite, double RaumLaenge);
    // The boiler room picture at Position, its two labels and, while AIsMoving, the
    // hatched clearance band of width AHeizraumGap (mm).
    void zeichneHeizraum(const std::string& Position, double HeizraumBreite, double HeizraumLaenge,
                         bool EckeVorhanden, bool EckeDaneben, bool EckeDarunter, double RaumBreite,
                         double RaumLaenge, double EckeBreite, double EckeLaenge,
                         double AHeizraumGap, bool AIsMoving);
    // The product's current arrangement at Position with its dimension lines, tanks and
    // pipework; an invalid place (AIsPositionValid false) hatches its clearance red.
    // Heizraum, SafeKessel and ZehnCm do not affect the drawing.
    void zeichneTank(const std::string& Position, const std::string& HeizraumPosition,
                     const TProdukt& Produkt, bool Heizraum, bool SafeKessel, bool ZehnCm,
                     bool EckeVorhanden, bool EckeDaneben, bool EckeDarunter, double RaumBreite,
                     double RaumLaenge, double EckeBreite, double EckeLaenge, bool AIsMoving,
                     bool AIsPositionValid);

    // Lines of text centred in the room, where a battery would stand.
    void zeichneHinweis(const std::vector<std::string>& Zeilen);

    // Pixel to room millimetres, unclamped; 0 when the scale is 0.
    TPointF getPositionAtCoord(int AX, int AY) const;
    // Room millimetres to pixels.
    int pixelX(double xMm) const;
    int pixelY(double yMm) const;

    double getVerhaeltnis() const { return Verhaeltnis; }
    TPoint getRaumTopLeft() const { return RaumTopLeft; }
    TPoint getRaumBottomRight() const { return RaumBottomRight; }
    TPoint getTempTankStart() const { return TempTankStart; }
    TPoint getTempTankEnd() const { return TempTankEnd; }
    const TRect& getGap() const { return gap; }
    const std::string& getTankAusrichtung() const { return TankAusrichtung; }
    bool getFuellUhr() const { return Fuell_Uhr; }
    bool isAusdruck() const { return Ausdruck; }
    int getBreite() const { return Breite; }
    int getLaenge() const { return Laenge; }
    Canvas& getCanvas() const { return *FCanvas; }

    // "o"<->"u", "l"<->"r", "h"<->"v" when Fuell_Uhr is set; anything else unchanged.
    std::string spiegelKuerzel(const std::string& Kuerzel) const;
    // The drawing position P' of a battery at Position: the corner whose pictures and
    // pipework it uses (before the left-right mirroring of single-row batteries).
    static std::string zeichenPosition(const std::string& Position,
                                       const std::string& HeizraumPosition, bool EckeDaneben,
                                       bool EckeDarunter);
    static bool istFuellUhr(const std::string& Position, bool Horizontal);

private:
    // Pixel sizes of the current arrangement, fixed once per zeichneTank.
    struct TankMasse {
        bool Horizontal = true;
        int B = 0;          // tank along the row
        int L = 0;          // tank across the row
        int SB = 0;         // spacing within a row
        int SL = 0;         // spacing between the rows
        int SBGedreht = 0;  // spacing between the turned tanks of a crosswise second row
        int Reihe1 = 0;
        int Reihe2 = 0;
        bool ZwReihWaag = false;
    };

    void zeichneRaum(const std::string& Position, double RaumBreite, double RaumLaenge);
    void loescheFlaeche();
    double berechneVerhaeltnis(double RaumBreite, double RaumLaenge) const;
    void setzeTankAusrichtung(const TProdukt& Produkt);
    void setzeFuellUhr(const std::string& Position, bool Horizontal);

    // Labels: a text with a transparent background, and one rotated to read top to bottom.
    void schreibeText(const TRect& Rect, const std::string& Text);
    void schreibeTextGedreht(const TRect& Rect, const std::string& Text);
    void zeichneLinie(TPoint A, TPoint B, bool Gestrichelt);

    // Battery parts (TGrafikTank.cpp).
    void zeichneBreitenMass(double Mass, int EX, int EY, bool LinksSeite, bool ObenSeite, TPoint D,
                            bool EckeAmWeg, double RaumLaenge, double EckeBreite,
                            double EckeLaenge);
    void zeichneLaengenMass(double Mass, int EX, int EY, bool LinksSeite, bool ObenSeite, TPoint D,
                            bool EckeAmWeg, double RaumBreite, double EckeBreite,
                            double EckeLaenge);
    void zeichneReihe1(const std::string& P, const TProdukt& Produkt, const Picture& Bild,
                       const TankMasse& M, TPoint D);
    TPoint zeichneReihe2(const std::string& P, const TProdukt& Produkt, const Picture& Bild,
                         const TankMasse& M);

    // Pipework (TGrafikRohre.cpp). Start is the row's top-left pixel.
    void zeichneRohreReihe1(const std::string& P, const TProdukt& Produkt, const TankMasse& M,
                            TPoint Start);
    void zeichneRohreReihe2(const std::string& P, const TProdukt& Produkt, const TankMasse& M,
                            TPoint Start);
    // Pixels along the row covered by a junction run.
    struct Lauf {
        int Von = 0;
        int Bis = 0;
    };
    // Widens the band at one end and draws the run across to the other row; with
    // Gegenlauf the run lies where the other row's run does. Gezeichnet, when given,
    // receives the run drawn.
    TRect zeichneVerbindung(const std::string& dir, TRect Band, bool AmHohenEnde,
                            bool AndereReiheDanach, int ReiheVon, int ReiheBis, int SL,
                            const std::optional<Lauf>& Gegenlauf, Lauf* Gezeichnet);
    void zeichneRohr(const std::string& dir, const std::string& lauf, TPoint A, TPoint B,
                     const std::string& k);
    void zeichneEpMitte(const std::string& dir, const std::string& quer, TPoint A, TPoint B,
                        const std::string& k);
    void zeichneUp(const std::string& dir, const std::string& quer, TPoint A, TPoint B,
                   const std::string& k);
    void zeichneHpStart(const std::string& dir, const std::string& quer, TPoint A, TPoint B,
                        const std::string& ende, bool Steigend);
    void zeichneHpEnde(const std::string& dir, const std::string& quer, TPoint A, TPoint B,
                       const std::string& ende, bool Steigend);
    void zeichneEpPaar(const std::string& dir, const std::string& quer, TPoint A, TPoint B);
    void zeichneEpUp(const std::string& dir, const std::string& quer, TPoint A, TPoint B,
                     const std::string& k);
    const Picture* rohrBitmap(const std::string& dir, const std::string& Name);

    TRect gap;
    Canvas* FCanvas;
    int Breite;
    int Laenge;
    TPoint RaumTopLeft;
    TPoint RaumBottomRight;
    TPoint TempTankStart;
    TPoint TempTankEnd;
    double Verhaeltnis = 1.0;
    bool Ausdruck;
    bool Fuell_Uhr = false;
    std::string TankAusrichtung;
    std::string AppPath;
    TGrafikStoredData FStored;
    // The first row's junction run, which the second row's run meets.
    std::optional<Lauf> FVerbindungReihe1;
    Color FBackgroundColor;
};

}  // namespace velmora
