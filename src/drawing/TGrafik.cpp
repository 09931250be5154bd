#include "drawing/TGrafik.h"

#include <utility>

#include "base/NumberFormat.h"
#include "base/Rounding.h"
#include "catalogue/TAufstellung.h"
#include "catalogue/TProdukt.h"
#include "drawing/PlanFont.h"
#include "drawing/PlanPosition.h"
#include "printing/printcontrols.h"

namespace velmora {

namespace {

constexpr int dashLength = 5;

using plan::meterText;

}  // namespace

TGrafik::TGrafik(std::string AppPath, Canvas& ACanvas, int Breite, int Laenge, bool Ausdruck,
                 Color Hintergrund, Color Stift)
    : FCanvas(&ACanvas),
      Breite(Breite),
      Laenge(Laenge),
      Ausdruck(Ausdruck),
      AppPath(std::move(AppPath)),
      FStored(ACanvas.pictureLoader()),
      FBackgroundColor(Hintergrund) {
    FCanvas->setBrush(Brush{Hintergrund, BrushStyle::Solid});
    FCanvas->setPen(Pen{Stift, 1});
    FCanvas->setFont(planLabelFont(*FCanvas, Ausdruck));
}

void TGrafik::beginneZeichnung(double RaumBreite, double RaumLaenge) {
    FCanvas->setBrush(Brush{FBackgroundColor, BrushStyle::Solid});
    zeichneRaum("", RaumBreite, RaumLaenge);
    TempTankStart = TPoint{};
    TempTankEnd = TPoint{};
}

TPointF TGrafik::getPositionAtCoord(int AX, int AY) const {
    if (Verhaeltnis == 0.0) {
        return TPointF{};
    }
    return TPointF{static_cast<float>((AX - RaumTopLeft.X) / Verhaeltnis),
                   static_cast<float>((RaumBottomRight.Y - AY) / Verhaeltnis)};
}

int TGrafik::pixelX(double xMm) const {
    return roundHalfToEven(xMm * Verhaeltnis) + RaumTopLeft.X;
}

int TGrafik::pixelY(double yMm) const {
    return RaumTopLeft.Y + (RaumBottomRight.Y - RaumTopLeft.Y) - roundHalfToEven(yMm * Verhaeltnis);
}

void TGrafik::loescheFlaeche() {
    FCanvas->fillRect(TRect{0, 0, Breite, Laenge});
}

double TGrafik::berechneVerhaeltnis(double RaumBreite, double RaumLaenge) const {
    const double h = (Breite - 2.0 * RaumTopLeft.X) / RaumBreite;
    const double v = (Laenge - 2.0 * RaumTopLeft.Y) / RaumLaenge;
    return v < h ? v : h;
}

void TGrafik::zeichneRaum(const std::string& Position, double RaumBreite, double RaumLaenge) {
    loescheFlaeche();
    RaumTopLeft.X = FCanvas->textHeight(formatFixed(RaumLaenge, 0));
    RaumTopLeft.Y = FCanvas->textHeight(formatFixed(RaumBreite, 0));
    Verhaeltnis = berechneVerhaeltnis(RaumBreite, RaumLaenge);
    RaumBottomRight.X = roundHalfToEven(Verhaeltnis * RaumBreite) + RaumTopLeft.X;
    RaumBottomRight.Y = roundHalfToEven(Verhaeltnis * RaumLaenge) + RaumTopLeft.Y;

    const Brush brush = FCanvas->brush();
    FCanvas->setBrush(Brush{colors::silver, BrushStyle::Solid});
    FCanvas->rectangle(TRect{RaumTopLeft.X, RaumTopLeft.Y, RaumBottomRight.X, RaumBottomRight.Y});
    FCanvas->setBrush(brush);

    const int raumW = RaumBottomRight.X - RaumTopLeft.X;
    const int raumH = RaumBottomRight.Y - RaumTopLeft.Y;
    // The labels stand on the two room sides that a corner at Position leaves whole.
    const std::string breitenText = meterText(RaumBreite);
    int tw = FCanvas->textWidth(breitenText);
    int th = FCanvas->textHeight(breitenText);
    if (raumW >= tw && raumH >= th) {
        const int left = RaumTopLeft.X + roundHalfToEven((raumW - tw) / 2.0);
        const bool oben = Position.empty() || Position == "UL" || Position == "UR";
        const int top = oben ? RaumTopLeft.Y - th - 1 : RaumBottomRight.Y + 1;
        schreibeText(TRect{left, top, left + tw, top + th}, breitenText);
    }

    const std::string laengenText = meterText(RaumLaenge);
    tw = FCanvas->textWidth(laengenText);
    th = FCanvas->textHeight(laengenText);
    if (raumW >= th && raumH >= tw) {
        const int top = RaumTopLeft.Y + roundHalfToEven((raumH - tw) / 2.0);
        const bool rechts = Position.empty() || Position == "OL" || Position == "UL";
        const int left = rechts ? RaumBottomRight.X + 1 : RaumTopLeft.X - th - 1;
        schreibeTextGedreht(TRect{left, top, left + th, top + tw}, laengenText);
    }
}

void TGrafik::zeichneHinweis(const std::vector<std::string>& Zeilen) {
    int hoehe = 0;
    for (const std::string& zeile : Zeilen) {
        hoehe += FCanvas->textHeight(zeile);
    }
    const int mitteX = (RaumTopLeft.X + RaumBottomRight.X) / 2;
    int top = (RaumTopLeft.Y + RaumBottomRight.Y - hoehe) / 2;
    for (const std::string& zeile : Zeilen) {
        const int tw = FCanvas->textWidth(zeile);
        const int th = FCanvas->textHeight(zeile);
        const int left = mitteX - tw / 2;
        schreibeText(TRect{left, top, left + tw, top + th}, zeile);
        top += th;
    }
}

void TGrafik::schreibeText(const TRect& Rect, const std::string& Text) {
    FCanvas->setBrush(Brush{FCanvas->brush().color, BrushStyle::Clear});
    FCanvas->textRect(Rect, TPoint{Rect.Left, Rect.Top}, Text);
    FCanvas->setBrush(Brush{FCanvas->brush().color, BrushStyle::Solid});
}

void TGrafik::schreibeTextGedreht(const TRect& Rect, const std::string& Text) {
    // Rotated text comes from the print items, which know how to turn a font.
    const Font& font = FCanvas->font();
    {
        TPrintSheet sheet(*FCanvas);
        sheet.AddPrintText(Text, Rect, Rect.Right, Rect.Top, font.height, colors::black.toBgr(),
                           font.name, font.style, clNoColor, false, -900);
        sheet.Draw();
    }
    FCanvas->setPen(Pen{colors::black, FCanvas->pen().width});
    FCanvas->setBrush(Brush{colors::white, BrushStyle::Solid});
}

void TGrafik::zeichneLinie(TPoint A, TPoint B, bool Gestrichelt) {
    if (A.X > B.X || A.Y > B.Y) {
        return;
    }
    if (!Gestrichelt) {
        FCanvas->moveTo(A);
        FCanvas->lineTo(B);
        return;
    }
    const bool waagerecht = B.X > A.X;
    const int ende = waagerecht ? B.X : B.Y;
    for (int s = waagerecht ? A.X : A.Y; s < ende; s += 2 * dashLength) {
        const int bis = s + dashLength < ende ? s + dashLength : ende;
        FCanvas->moveTo(waagerecht ? TPoint{s, A.Y} : TPoint{A.X, s});
        FCanvas->lineTo(waagerecht ? TPoint{bis, A.Y} : TPoint{A.X, bis});
    }
}

void TGrafik::setzeTankAusrichtung(const TProdukt& Produkt) {
    const TAufstellung* aufstellung = Produkt.getAktuelleAufstellVariante();
    // A character, not a literal: gcc 12 warns falsely (-Wrestrict) on the literal's copy.
    TankAusrichtung.assign(1, aufstellung && aufstellung->getHorizontal() ? 'h' : 'v');
}

bool TGrafik::istFuellUhr(const std::string& Position, bool Horizontal) {
    return (Horizontal && (Position == "OL" || Position == "UR")) ||
           (!Horizontal && (Position == "OR" || Position == "UL"));
}

void TGrafik::setzeFuellUhr(const std::string& Position, bool Horizontal) {
    Fuell_Uhr = istFuellUhr(Position, Horizontal);
}

std::string TGrafik::spiegelKuerzel(const std::string& Kuerzel) const {
    if (!Fuell_Uhr) {
        return Kuerzel;
    }
    if (Kuerzel == "o")
        return "u";
    if (Kuerzel == "u")
        return "o";
    if (Kuerzel == "l")
        return "r";
    if (Kuerzel == "r")
        return "l";
    if (Kuerzel == "h")
        return "v";
    if (Kuerzel == "v")
        return "h";
    return Kuerzel;
}

std::string TGrafik::zeichenPosition(const std::string& Position,
                                     const std::string& HeizraumPosition, bool EckeDaneben,
                                     bool EckeDarunter) {
    const auto paar = [&](const char* p, const char* h) {
        return Position == p && HeizraumPosition == h;
    };
    const bool daneben =
        paar("OL", "OR") || paar("OR", "OL") || paar("UL", "UR") || paar("UR", "UL") || EckeDaneben;
    const bool darunter = paar("OL", "UL") || paar("OR", "UR") || paar("UL", "OL") ||
                          paar("UR", "OR") || EckeDarunter;
    if (Position == "OL" && daneben)
        return "UL";
    if (Position == "UR" && darunter)
        return "UL";
    if (Position == "OR" && daneben)
        return "UR";
    if (Position == "UL" && darunter)
        return "UR";
    if (Position == "UL" && daneben)
        return "OL";
    if (Position == "OR" && darunter)
        return "OL";
    if (Position == "UR" && daneben)
        return "OR";
    if (Position == "OL" && darunter)
        return "OR";
    return Position;
}

}  // namespace velmora
