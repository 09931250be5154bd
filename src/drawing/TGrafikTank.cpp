// The tank battery: dimension lines, both rows of tank pictures, the invalid-place hatch.
#include <algorithm>
#include <string>

#include "base/Rounding.h"
#include "catalogue/TAufstellung.h"
#include "catalogue/TAufstellvariante.h"
#include "catalogue/TProdukt.h"
#include "drawing/PlanPosition.h"
#include "drawing/TGrafik.h"

namespace velmora {

namespace {

using plan::imRaum;
using plan::linksSeite;
using plan::meterText;
using plan::obenSeite;
using plan::rechtsSeite;
using plan::untenSeite;

int R(double value) {
    return roundHalfToEven(value);
}

std::string gespiegeltLinksRechts(const std::string& P) {
    if (P == "OL")
        return "OR";
    if (P == "OR")
        return "OL";
    if (P == "UL")
        return "UR";
    if (P == "UR")
        return "UL";
    return P;
}

// The clearances between the placed tank outline and clearance outline (left, top, right,
// bottom). They are the variant's gaps, except where a second row's inner gap is wider than
// the outer gap beside it: its clearance outline then reaches past that gap, and the
// placement keeps the tanks that much further from the wall. Without outlines: `Varianten`.
TRect umrissAbstaende(const TPoints& Tanks, const TPoints& Gaps, const TRect& Varianten) {
    if (Tanks.empty() || Gaps.empty()) {
        return Varianten;
    }
    const auto box = [](const TPoints& punkte) {
        TRect r{punkte.front().X, punkte.front().Y, punkte.front().X, punkte.front().Y};
        for (const TPoint& p : punkte) {
            r = TRect{std::min(r.Left, p.X), std::min(r.Top, p.Y), std::max(r.Right, p.X),
                      std::max(r.Bottom, p.Y)};
        }
        return r;
    };
    // Room frame: Y grows upward, so Top holds the smallest and Bottom the largest Y here.
    const TRect t = box(Tanks);
    const TRect g = box(Gaps);
    return TRect{t.Left - g.Left, g.Bottom - t.Bottom, g.Right - t.Right, t.Top - g.Top};
}

}  // namespace

void TGrafik::zeichneTank(const std::string& Position, const std::string& HeizraumPosition,
                          const TProdukt& Produkt, bool /*Heizraum*/, bool /*SafeKessel*/,
                          bool /*ZehnCm*/, bool EckeVorhanden, bool EckeDaneben, bool EckeDarunter,
                          double RaumBreite, double RaumLaenge, double EckeBreite,
                          double EckeLaenge, bool AIsMoving, bool AIsPositionValid) {
    FCanvas->setBrush(Brush{FBackgroundColor, BrushStyle::Solid});
    setzeTankAusrichtung(Produkt);
    const TAufstellung* aufstellung = Produkt.getAktuelleAufstellVariante();
    const TAufstellvariante* variante = aufstellung ? aufstellung->getVariante() : nullptr;
    if (!variante) {
        // A product without an arrangement has no battery to draw.
        return;
    }
    const double V = Verhaeltnis;
    const bool horizontal = aufstellung->getHorizontal();
    const bool links = linksSeite(Position);
    const bool oben = obenSeite(Position);

    const TPoint offset =
        AIsMoving ? aufstellung->CurrentOffsetMoving() : aufstellung->CurrentOffset();
    const TPoint D{R(offset.X * V), -R(offset.Y * V)};

    gap = AIsMoving ? umrissAbstaende(aufstellung->TankPositionMoving(),
                                      aufstellung->GapPositionMoving(), aufstellung->GapReal())
                    : umrissAbstaende(aufstellung->getTankPosition(), aufstellung->getGapPosition(),
                                      aufstellung->GapReal());
    if (links) {
        gap.Left = R(gap.Left + aufstellung->getAbstandWaagerecht());
    } else {
        gap.Right = R(gap.Right + aufstellung->getAbstandWaagerecht());
    }
    if (oben) {
        gap.Top = R(gap.Top + aufstellung->getAbstandSenkrecht());
    } else {
        gap.Bottom = R(gap.Bottom + aufstellung->getAbstandSenkrecht());
    }

    const double gesamtX = horizontal ? Produkt.getGesamtBreite() : Produkt.getGesamtLaenge();
    const double gesamtY = horizontal ? Produkt.getGesamtLaenge() : Produkt.getGesamtBreite();
    const int EX = R(gesamtX * V);
    const int EY = R(gesamtY * V);
    zeichneBreitenMass(gesamtX, EX, EY, links, oben, D, EckeVorhanden && EckeDarunter, RaumLaenge,
                       EckeBreite, EckeLaenge);
    zeichneLaengenMass(gesamtY, EX, EY, links, oben, D, EckeVorhanden && EckeDaneben, RaumBreite,
                       EckeBreite, EckeLaenge);

    const std::string W = "images/graphics/" + TankAusrichtung + "/" + Produkt.getGrafik();
    TempTankStart.X =
        links ? RaumTopLeft.X + R(gap.Left * V) : RaumBottomRight.X - R((gesamtX + gap.Right) * V);
    TempTankStart.Y =
        oben ? RaumTopLeft.Y + R(gap.Top * V) : RaumBottomRight.Y - R((gesamtY + gap.Bottom) * V);
    TempTankStart.X += D.X;
    TempTankStart.Y += D.Y;

    std::string P = zeichenPosition(Position, HeizraumPosition, EckeDaneben, EckeDarunter);
    setzeFuellUhr(P, horizontal);
    TankMasse M;
    M.Horizontal = horizontal;
    M.B = R(Produkt.getBreite() * V);
    M.L = R(Produkt.getLaenge() * V);
    M.SB = R(Produkt.getZusBreite() * V);
    M.Reihe1 = variante->getReihe1();
    M.Reihe2 = variante->getReihe2();
    M.ZwReihWaag = variante->getZwReihWaag();
    M.SL = R((M.ZwReihWaag ? Produkt.getZusSpezLaenge() : Produkt.getZusLaenge()) * V);
    M.SBGedreht = R(Produkt.getZusLaenge() * V);
    if (horizontal && (M.Reihe2 == 0 || (M.Reihe1 == M.Reihe2 && !M.ZwReihWaag))) {
        P = gespiegeltLinksRechts(P);
    }

    std::string bild1;
    if (M.ZwReihWaag && M.Reihe1 <= 1) {
        bild1 = horizontal
                    ? "images/graphics/v/" + Produkt.getGrafik() + (rechtsSeite(P) ? "l" : "r")
                    : "images/graphics/h/" + Produkt.getGrafik() + (untenSeite(P) ? "o" : "u");
    } else {
        bild1 = W + (horizontal ? (obenSeite(P) ? "o" : "u") : (linksSeite(P) ? "l" : "r"));
    }
    if (const Picture* bild = FStored.getJpeg(AppPath + bild1 + ".jpg")) {
        zeichneReihe1(P, Produkt, *bild, M, D);
        if (M.Reihe2 > 0) {
            std::string bild2;
            const bool gegenueber = Produkt.getAufsatzGegenueber();
            if (!M.ZwReihWaag || M.Reihe1 == 1) {
                bild2 = W + (horizontal ? ((untenSeite(P) == gegenueber) ? "u" : "o")
                                        : ((rechtsSeite(P) == gegenueber) ? "r" : "l"));
            } else {
                bild2 =
                    horizontal
                        ? "images/graphics/v/" + Produkt.getGrafik() + (linksSeite(P) ? "r" : "l")
                        : "images/graphics/h/" + Produkt.getGrafik() + (obenSeite(P) ? "u" : "o");
            }
            if (const Picture* zweites = FStored.getJpeg(AppPath + bild2 + ".jpg")) {
                const TPoint ende = zeichneReihe2(P, Produkt, *zweites, M);
                TempTankEnd.X = std::max(TempTankEnd.X, ende.X);
                TempTankEnd.Y = std::max(TempTankEnd.Y, ende.Y);
            }
        }
    }

    if (!AIsPositionValid) {
        TPoints punkte;
        for (const TPoint& p :
             AIsMoving ? aufstellung->GapPositionMoving() : aufstellung->getGapPosition()) {
            punkte.push_back(TPoint{pixelX(p.X), pixelY(p.Y)});
        }
        FCanvas->setBrush(Brush{colors::red, BrushStyle::CrossHatch});
        FCanvas->polygon(punkte);
        FCanvas->setBrush(Brush{colors::red, BrushStyle::Solid});
    }
}

void TGrafik::zeichneBreitenMass(double Mass, int EX, int EY, bool LinksSeite, bool ObenSeite,
                                 TPoint D, bool EckeAmWeg, double RaumLaenge, double EckeBreite,
                                 double EckeLaenge) {
    const double V = Verhaeltnis;
    const std::string text = meterText(Mass);
    const int tw = FCanvas->textWidth(text);
    const int th = FCanvas->textHeight(text);
    if (EX < tw || EY < th) {
        return;
    }
    const int k = R((EX - tw) / 2.0);
    TRect r;
    if (LinksSeite) {
        r.Left = RaumTopLeft.X + R(gap.Left * V) + k;
        r.Right = r.Left + tw;
    } else {
        r.Right = RaumBottomRight.X - R(gap.Right * V) - k;
        r.Left = r.Right - tw;
    }
    if (ObenSeite) {
        r.Bottom = RaumTopLeft.Y + R(gap.Top * V) + EY + th + 1;
        r.Top = r.Bottom - th;
    } else {
        r.Top = RaumBottomRight.Y - R(gap.Bottom * V) - EY - th - 1;
        r.Bottom = r.Top + th;
    }
    r = TRect{r.Left + D.X, r.Top + D.Y, r.Right + D.X, r.Bottom + D.Y};
    if (!imRaum(r, RaumTopLeft, RaumBottomRight)) {
        return;
    }
    if (EckeAmWeg && R(EckeBreite * V) >= tw && R(EckeLaenge * V) >= th) {
        const double w = (RaumLaenge - EckeLaenge) * V;
        const bool imEck = ObenSeite ? r.Bottom > RaumTopLeft.Y + w : r.Top < RaumBottomRight.Y - w;
        if (imEck) {
            if (!Ausdruck) {
                return;
            }
            if (ObenSeite) {
                r.Top = RaumTopLeft.Y + R(w) + 1;
                r.Bottom = r.Top + th;
            } else {
                r.Bottom = RaumBottomRight.Y - R(w) - 1;
                r.Top = r.Bottom - th;
            }
        }
    }
    schreibeText(r, text);
    FCanvas->setBrush(Brush{colors::white, BrushStyle::Solid});
    const int mid = r.Top + R((r.Bottom - r.Top) / 2.0);
    const int q = R((r.Bottom - r.Top) / 4.0);
    zeichneLinie(TPoint{r.Left - k, mid}, TPoint{r.Left - 1, mid}, true);
    zeichneLinie(TPoint{r.Left - k, r.Top + q}, TPoint{r.Left - k, r.Bottom - q}, false);
    zeichneLinie(TPoint{r.Right + 1, mid}, TPoint{r.Right + k, mid}, true);
    zeichneLinie(TPoint{r.Right + k, r.Top + q}, TPoint{r.Right + k, r.Bottom - q}, false);
}

void TGrafik::zeichneLaengenMass(double Mass, int EX, int EY, bool LinksSeite, bool ObenSeite,
                                 TPoint D, bool EckeAmWeg, double RaumBreite, double EckeBreite,
                                 double EckeLaenge) {
    const double V = Verhaeltnis;
    const std::string text = meterText(Mass);
    const int tw = FCanvas->textWidth(text);
    const int th = FCanvas->textHeight(text);
    if (EX < th || EY < tw) {
        return;
    }
    const int k = R((EY - tw) / 2.0);
    TRect r;
    if (ObenSeite) {
        r.Top = RaumTopLeft.Y + R(gap.Top * V) + k;
        r.Bottom = r.Top + tw;
    } else {
        r.Bottom = RaumBottomRight.Y - R(gap.Bottom * V) - k;
        r.Top = r.Bottom - tw;
    }
    if (LinksSeite) {
        r.Left = RaumTopLeft.X + R(gap.Left * V) + EX + 1;
        r.Right = r.Left + th;
    } else {
        r.Right = RaumBottomRight.X - R(gap.Right * V) - EX - 1;
        r.Left = r.Right - th;
    }
    r = TRect{r.Left + D.X, r.Top + D.Y, r.Right + D.X, r.Bottom + D.Y};
    if (!imRaum(r, RaumTopLeft, RaumBottomRight)) {
        return;
    }
    if (EckeAmWeg) {
        const double w = (RaumBreite - EckeBreite) * V;
        const bool imEck =
            LinksSeite ? r.Right > RaumTopLeft.X + w : r.Left < RaumBottomRight.X - w;
        if (imEck) {
            if (!Ausdruck || R(EckeBreite * V) < th || R(EckeLaenge * V) < tw) {
                return;
            }
            if (LinksSeite) {
                r.Left = RaumTopLeft.X + R(w) + 1;
                r.Right = r.Left + th;
            } else {
                r.Right = RaumBottomRight.X - R(w) - 1;
                r.Left = r.Right - th;
            }
        }
    }
    schreibeTextGedreht(r, text);
    const int mid = r.Left + R((r.Right - r.Left) / 2.0);
    const int q = R((r.Right - r.Left) / 4.0);
    zeichneLinie(TPoint{mid, r.Top - k}, TPoint{mid, r.Top - 1}, true);
    zeichneLinie(TPoint{r.Left + q, r.Top - k}, TPoint{r.Right - q, r.Top - k}, false);
    zeichneLinie(TPoint{mid, r.Bottom + 1}, TPoint{mid, r.Bottom + k}, true);
    zeichneLinie(TPoint{r.Left + q, r.Bottom + k}, TPoint{r.Right - q, r.Bottom + k}, false);
}

void TGrafik::zeichneReihe1(const std::string& P, const TProdukt& Produkt, const Picture& Bild,
                            const TankMasse& M, TPoint D) {
    TPoint start = TempTankStart;
    // Row 1 carries the start piece and always runs along the wall.
    const int querVersatz = (M.ZwReihWaag && M.Reihe1 > 1 ? M.B : M.L) + M.SL;
    if (M.Reihe2 > 0) {
        if (M.Horizontal && untenSeite(P)) {
            start.Y += querVersatz;
        } else if (!M.Horizontal && rechtsSeite(P)) {
            start.X += querVersatz;
        }
    }
    if (M.ZwReihWaag && M.Reihe1 > 1) {
        const int reihenLaenge = M.Reihe1 * M.B + (M.Reihe1 - 1) * M.SB;
        if (M.Horizontal && rechtsSeite(P)) {
            start.X = RaumBottomRight.X + D.X - R(gap.Right * Verhaeltnis) - reihenLaenge;
        } else if (!M.Horizontal && untenSeite(P)) {
            start.Y = RaumBottomRight.Y + D.Y - R(gap.Bottom * Verhaeltnis) - reihenLaenge;
        }
    }
    const bool gedreht = M.ZwReihWaag && M.Reihe1 <= 1;
    // Extent of one tank along X and Y of the plan.
    const bool entlangX = M.Horizontal != gedreht;
    const int w = entlangX ? M.B : M.L;
    const int h = entlangX ? M.L : M.B;
    TPoint p = start;
    for (int i = 0; i < M.Reihe1; ++i) {
        FCanvas->stretchDraw(TRect{p.X, p.Y, p.X + w, p.Y + h}, Bild);
        if (M.Horizontal) {
            p.X += w + M.SB;
        } else {
            p.Y += h + M.SB;
        }
    }
    TempTankEnd = M.Horizontal ? TPoint{p.X - M.SB, start.Y + h} : TPoint{start.X + w, p.Y - M.SB};
    zeichneRohreReihe1(P, Produkt, M, start);
}

TPoint TGrafik::zeichneReihe2(const std::string& P, const TProdukt& Produkt, const Picture& Bild,
                              const TankMasse& M) {
    TPoint start = TempTankStart;
    // Turned tanks (crosswise second row) lie along the row as the battery's measures lay
    // them out: their length along the row, the row spacing between them.
    const bool gedreht = M.ZwReihWaag && M.Reihe1 != 1;
    const int entlang = gedreht ? M.L : M.B;
    const int abstand = gedreht ? M.SBGedreht : M.SB;
    const int reihenLaenge = M.Reihe2 * entlang + (M.Reihe2 - 1) * abstand;
    const int querVersatz = (M.ZwReihWaag && M.Reihe1 == 1 ? M.B : M.L) + M.SL;
    if (M.Horizontal) {
        if (rechtsSeite(P)) {
            start.X = TempTankEnd.X - reihenLaenge;
        }
        if (obenSeite(P)) {
            start.Y += querVersatz;
        }
    } else {
        if (untenSeite(P)) {
            start.Y = TempTankEnd.Y - reihenLaenge;
        }
        if (linksSeite(P)) {
            start.X += querVersatz;
        }
    }
    // Extent of one tank along X and Y of the plan.
    const bool entlangX = M.Horizontal != gedreht;
    const int w = entlangX ? M.B : M.L;
    const int h = entlangX ? M.L : M.B;
    TPoint p = start;
    TPoint ende = start;
    for (int i = 0; i < M.Reihe2; ++i) {
        FCanvas->stretchDraw(TRect{p.X, p.Y, p.X + w, p.Y + h}, Bild);
        ende = TPoint{std::max(ende.X, p.X + w), std::max(ende.Y, p.Y + h)};
        if (M.Horizontal) {
            p.X += w + abstand;
        } else {
            p.Y += h + abstand;
        }
    }
    zeichneRohreReihe2(P, Produkt, M, start);
    return ende;
}

}  // namespace velmora
