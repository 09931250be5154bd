// The fixed obstacles of the room: the corner cut-out and the boiler room.
#include <string>

#include "base/Rounding.h"
#include "drawing/PlanPosition.h"
#include "drawing/TGrafik.h"

namespace velmora {

namespace {

using plan::imRaum;
using plan::istEcke;
using plan::linksSeite;
using plan::meterText;
using plan::obenSeite;

bool disjunkt(const TRect& a, const TRect& b) {
    return a.Bottom < b.Top || b.Bottom < a.Top || a.Right < b.Left || b.Right < a.Left;
}

}  // namespace

void TGrafik::zeichneEcke(const std::string& Position, double EckeBreite, double EckeLaenge,
                          double RaumBreite, double RaumLaenge) {
    FCanvas->setBrush(Brush{FBackgroundColor, BrushStyle::Solid});
    zeichneRaum(Position, RaumBreite, RaumLaenge);
    if (!istEcke(Position)) {
        return;
    }
    const double V = Verhaeltnis;
    const int x =
        linksSeite(Position) ? RaumTopLeft.X : RaumBottomRight.X - roundHalfToEven(V * EckeBreite);
    const int y =
        obenSeite(Position) ? RaumTopLeft.Y : RaumBottomRight.Y - roundHalfToEven(V * EckeLaenge);
    const int x2 = x + roundHalfToEven(EckeBreite * V);
    const int y2 = y + roundHalfToEven(EckeLaenge * V);
    FCanvas->rectangle(TRect{x, y, x2, y2});

    // Only the two walls facing the room stay: the outline on the outer walls is erased.
    TRect innen{x, y, x2, y2};
    if (obenSeite(Position)) {
        innen.Bottom = y2 - 1;
    } else {
        innen.Top = y + 1;
    }
    if (linksSeite(Position)) {
        innen.Right = x2 - 1;
    } else {
        innen.Left = x + 1;
    }
    const Pen pen = FCanvas->pen();
    FCanvas->setPen(Pen{FCanvas->brush().color, pen.width});
    FCanvas->rectangle(innen);
    FCanvas->setPen(pen);

    const std::string breitenText = meterText(EckeBreite);
    int tw = FCanvas->textWidth(breitenText);
    int th = FCanvas->textHeight(breitenText);
    bool breiteGezeichnet = false;
    TRect breitenRect;
    if (x2 - x >= tw + 1 && y2 - y >= th) {
        breitenRect.Left = x + roundHalfToEven((x2 - x - tw) / 2.0);
        breitenRect.Right = breitenRect.Left + tw;
        breitenRect.Top = obenSeite(Position) ? y2 - th - 1 : y + 1;
        breitenRect.Bottom = breitenRect.Top + th;
        schreibeText(breitenRect, breitenText);
        breiteGezeichnet = true;
    }

    const std::string laengenText = meterText(EckeLaenge);
    tw = FCanvas->textWidth(laengenText);
    th = FCanvas->textHeight(laengenText);
    if (x2 - x >= th + 1 && y2 - y >= tw) {
        TRect laengenRect;
        laengenRect.Top = y + roundHalfToEven((y2 - y - tw) / 2.0);
        laengenRect.Bottom = laengenRect.Top + tw;
        laengenRect.Left = linksSeite(Position) ? x2 - th - 1 : x + 1;
        laengenRect.Right = laengenRect.Left + th;
        if (!breiteGezeichnet || disjunkt(laengenRect, breitenRect)) {
            schreibeTextGedreht(laengenRect, laengenText);
        }
    }
}

void TGrafik::zeichneHeizraum(const std::string& Position, double HeizraumBreite,
                              double HeizraumLaenge, bool EckeVorhanden, bool EckeDaneben,
                              bool EckeDarunter, double RaumBreite, double RaumLaenge,
                              double EckeBreite, double EckeLaenge, double AHeizraumGap,
                              bool AIsMoving) {
    FCanvas->setBrush(Brush{FBackgroundColor, BrushStyle::Solid});
    if (!istEcke(Position)) {
        return;
    }
    const char* bildName = Position == "OL"   ? "heizung-topleft"
                           : Position == "OR" ? "heizung-topright"
                           : Position == "UL" ? "heizung-bottomleft"
                                              : "heizung-bottomright";
    const Picture* bild =
        FStored.getJpeg(AppPath + "images/graphics/" + std::string(bildName) + ".jpg");

    const double V = Verhaeltnis;
    const int x0 = RaumTopLeft.X;
    const int y0 = RaumTopLeft.Y;
    const int x1 = RaumBottomRight.X;
    const int y1 = RaumBottomRight.Y;
    const int w = roundHalfToEven(V * HeizraumBreite) - 1;
    const int l = roundHalfToEven(V * HeizraumLaenge) - 1;
    const int L = linksSeite(Position) ? x0 + 1 : x1 - w;
    const int R = linksSeite(Position) ? x0 + w : x1 - 1;
    const int T = obenSeite(Position) ? y0 + 1 : y1 - l;
    const int B = obenSeite(Position) ? y0 + l : y1 - 1;

    if (bild) {
        FCanvas->stretchDraw(TRect{L, T, R, B}, *bild);
    }
    if (AIsMoving) {
        const int g = roundHalfToEven(V * AHeizraumGap);
        TPoints band;
        if (Position == "OL") {
            band = {{R, T}, {R + g, T}, {R + g, B + g}, {L, B + g}, {L, B}, {R, B}};
        } else if (Position == "OR") {
            band = {{L, T}, {L, B}, {R, B}, {R, B + g}, {L - g, B + g}, {L - g, T}};
        } else if (Position == "UL") {
            band = {{R + g, T - g}, {R + g, B}, {R, B}, {R, T}, {L, T}, {L, T - g}};
        } else {
            band = {{R, T - g}, {R, T}, {L, T}, {L, B}, {L - g, B}, {L - g, T - g}};
        }
        const Brush brush = FCanvas->brush();
        FCanvas->setBrush(Brush{colors::yellow, BrushStyle::CrossHatch});
        FCanvas->polygon(band);
        FCanvas->setBrush(Brush{brush.color, BrushStyle::Solid});
    }

    // A corner in the way pulls a label next to the corner's inner wall.
    const std::string breitenText = meterText(HeizraumBreite);
    int tw = FCanvas->textWidth(breitenText);
    int th = FCanvas->textHeight(breitenText);
    if (w >= tw) {
        TRect r;
        r.Left = L + roundHalfToEven((w - tw) / 2.0);
        r.Right = r.Left + tw;
        r.Top = obenSeite(Position) ? B + 1 : T - th - 1;
        r.Bottom = r.Top + th;
        if (imRaum(r, RaumTopLeft, RaumBottomRight)) {
            if (EckeVorhanden && EckeDarunter && roundHalfToEven(EckeBreite * V) >= tw &&
                roundHalfToEven(EckeLaenge * V) >= th) {
                const double k = (RaumLaenge - EckeLaenge) * V;
                if (obenSeite(Position) && r.Bottom > y0 + k) {
                    r.Top = y0 + roundHalfToEven(k) + 1;
                    r.Bottom = r.Top + th;
                } else if (!obenSeite(Position) && r.Top < y1 - k) {
                    r.Bottom = y1 - roundHalfToEven(k) - 1;
                    r.Top = r.Bottom - th;
                }
            }
            schreibeText(r, breitenText);
            FCanvas->setBrush(Brush{colors::white, BrushStyle::Solid});
        }
    }

    const std::string laengenText = meterText(HeizraumLaenge);
    tw = FCanvas->textWidth(laengenText);
    th = FCanvas->textHeight(laengenText);
    if (l >= tw) {
        TRect r;
        r.Top = T + roundHalfToEven((B - T - tw) / 2.0);
        r.Bottom = r.Top + tw;
        r.Left = linksSeite(Position) ? R + 1 : L - th - 1;
        r.Right = r.Left + th;
        if (imRaum(r, RaumTopLeft, RaumBottomRight)) {
            if (EckeVorhanden && EckeDaneben && roundHalfToEven(EckeBreite * V) >= th &&
                roundHalfToEven(EckeLaenge * V) >= tw) {
                const double k = (RaumBreite - EckeBreite) * V;
                if (linksSeite(Position) && r.Right > x0 + k) {
                    r.Left = x0 + roundHalfToEven(k) + 1;
                    r.Right = r.Left + th;
                } else if (!linksSeite(Position) && r.Left < x1 - k) {
                    r.Right = x1 - roundHalfToEven(k) - 1;
                    r.Left = r.Right - th;
                }
            }
            schreibeTextGedreht(r, laengenText);
        }
    }
}

}  // namespace velmora
