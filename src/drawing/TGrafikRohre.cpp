// The pipework of the battery: pipe bands, runs between tanks, end, middle and riser pieces.
// Positions are worked out in row coordinates (a along the row, c across it) and turned
// into pixels at the end, so horizontal and vertical arrangements share one scheme.
#include <algorithm>
#include <optional>
#include <string>

#include "base/Rounding.h"
#include "catalogue/TProdukt.h"
#include "drawing/PlanPosition.h"
#include "drawing/TGrafik.h"

namespace velmora {

namespace {

using plan::linksSeite;
using plan::obenSeite;

int R(double value) {
    return roundHalfToEven(value);
}

// The letters of the low and high end along the row of orientation dir.
std::string tiefesEnde(const std::string& dir) {
    return dir == "h" ? "l" : "o";
}
std::string hohesEnde(const std::string& dir) {
    return dir == "h" ? "r" : "u";
}
bool istTiefesEnde(const std::string& letter) {
    return letter == "l" || letter == "o";
}

// A band in row coordinates.
struct Band {
    int a1 = 0;
    int a2 = 0;
    int c1 = 0;
    int c2 = 0;
};

TPoint punkt(bool horizontal, int a, int c) {
    return horizontal ? TPoint{a, c} : TPoint{c, a};
}

TRect pixelRect(bool horizontal, const Band& b) {
    const TPoint p1 = punkt(horizontal, b.a1, b.c1);
    const TPoint p2 = punkt(horizontal, b.a2, b.c2);
    return TRect{p1.X, p1.Y, p2.X, p2.Y};
}

// Along-row and across-row parts of a pipe point; a turned tank exchanges them.
int entlang(TPoint p, bool gedreht) {
    return gedreht ? p.Y : p.X;
}
int quer(TPoint p, bool gedreht) {
    return gedreht ? p.X : p.Y;
}

// Across-row start of a tank's pipe band: on the row's first side ("o"/"l") from the
// row-1 start point, on the other side from the second-row start point, or measured from
// the far edge by the second-row end point when the fittings sit opposite.
int bandAnfangQuer(const TProdukt& Produkt, bool ersteSeite, bool gedreht, int cStart, int tankQuer,
                   double V) {
    if (ersteSeite) {
        return cStart + R(quer(Produkt.getRohrStart(), gedreht) * V);
    }
    if (Produkt.getAufsatzGegenueber()) {
        return cStart + tankQuer - R(quer(Produkt.getRohrEndeReihe2(), gedreht) * V);
    }
    return cStart + R(quer(Produkt.getRohrStartReihe2(), gedreht) * V);
}

}  // namespace

const Picture* TGrafik::rohrBitmap(const std::string& dir, const std::string& Name) {
    return FStored.getBitmap(AppPath + "images/graphics/" + dir + Name + ".bmp");
}

void TGrafik::zeichneRohr(const std::string& dir, const std::string& lauf, TPoint A, TPoint B,
                          const std::string& k) {
    const Picture* bild = rohrBitmap(dir, "/rohr_" + lauf + (dir == lauf ? spiegelKuerzel(k) : k));
    if (!bild) {
        return;
    }
    // One stretched copy per pixel line keeps the run's cross-section the same at any length.
    if (lauf == "h") {
        for (int y = A.Y; y < B.Y; ++y) {
            FCanvas->stretchDraw(TRect{A.X, y, B.X, y + 1}, *bild);
        }
    } else {
        for (int x = A.X; x < B.X; ++x) {
            FCanvas->stretchDraw(TRect{x, A.Y, x + 1, B.Y}, *bild);
        }
    }
}

void TGrafik::zeichneEpMitte(const std::string& dir, const std::string& quer, TPoint A, TPoint B,
                             const std::string& k) {
    if (const Picture* bild = rohrBitmap(dir, "/ep_middle_" + spiegelKuerzel(quer) + k)) {
        FCanvas->stretchDraw(TRect{A.X, A.Y, B.X, B.Y}, *bild);
    }
}

void TGrafik::zeichneUp(const std::string& dir, const std::string& quer, TPoint A, TPoint B,
                        const std::string& k) {
    if (const Picture* bild = rohrBitmap(dir, "/up_" + quer + k + spiegelKuerzel(quer))) {
        FCanvas->stretchDraw(TRect{A.X, A.Y, B.X, B.Y}, *bild);
    }
}

void TGrafik::zeichneHpStart(const std::string& dir, const std::string& quer, TPoint A, TPoint B,
                             const std::string& ende, bool Steigend) {
    if (!Steigend) {
        if (const Picture* bild = rohrBitmap(dir, "/hp_start_" + ende)) {
            FCanvas->stretchDraw(TRect{A.X, A.Y, B.X, B.Y}, *bild);
        }
        return;
    }
    const Picture* bild = rohrBitmap(dir, "/hp_start_up_" + quer + ende);
    if (!bild || bild->width() <= 0 || bild->height() <= 0) {
        return;
    }
    // The riser keeps its proportions: only the extent across the row is given.
    TRect r{A.X, A.Y, B.X, B.Y};
    if (dir == "h") {
        const int breite = R(static_cast<double>(B.Y - A.Y) / bild->height() * bild->width());
        if (ende == "l") {
            r.Left = B.X - breite;
        } else {
            r.Right = A.X + breite;
        }
    } else {
        const int hoehe = R(static_cast<double>(B.X - A.X) / bild->width() * bild->height());
        if (ende == "o") {
            r.Top = B.Y - hoehe;
        } else {
            r.Bottom = A.Y + hoehe;
        }
    }
    FCanvas->stretchDraw(r, *bild);
}

void TGrafik::zeichneHpEnde(const std::string& dir, const std::string& quer, TPoint A, TPoint B,
                            const std::string& ende, bool Steigend) {
    const bool horizontal = dir == "h";
    const std::string e = istTiefesEnde(ende) ? hohesEnde(dir) : tiefesEnde(dir);
    const int a1 = horizontal ? A.X : A.Y;
    const int a2 = horizontal ? B.X : B.Y;
    const int c1 = horizontal ? A.Y : A.X;
    const int c2 = horizontal ? B.Y : B.X;
    const int laenge = a2 - a1;
    const int split = a1 + (Steigend ? 2 * R(laenge / 3.0) : R(laenge / 2.0));
    const auto mitte = [&](int von, int bis, const std::string& k) {
        const TPoint p1 = punkt(horizontal, von, c1);
        const TPoint p2 = punkt(horizontal, bis, c2);
        if (Steigend) {
            zeichneUp(dir, quer, p1, p2, k);
        } else {
            zeichneEpMitte(dir, quer, p1, p2, k);
        }
    };
    const Picture* kappe = rohrBitmap(dir, "/hp_end_" + spiegelKuerzel(quer) + e);
    const auto zeichneKappe = [&](int von, int bis) {
        if (kappe) {
            FCanvas->stretchDraw(pixelRect(horizontal, Band{von, bis, c1, c2}), *kappe);
        }
    };
    if (!istTiefesEnde(e)) {
        mitte(a1, split, tiefesEnde(dir));
        zeichneKappe(split, a2);
    } else {
        const int kappenEnde = a1 + (a2 - split);
        zeichneKappe(a1, kappenEnde);
        mitte(kappenEnde, a2, hohesEnde(dir));
    }
}

void TGrafik::zeichneEpPaar(const std::string& dir, const std::string& quer, TPoint A, TPoint B) {
    const bool horizontal = dir == "h";
    const int a1 = horizontal ? A.X : A.Y;
    const int a2 = horizontal ? B.X : B.Y;
    const int split = a1 + R((a2 - a1) / 2.0);
    const int c1 = horizontal ? A.Y : A.X;
    const int c2 = horizontal ? B.Y : B.X;
    zeichneEpMitte(dir, quer, A, punkt(horizontal, split, c2), tiefesEnde(dir));
    zeichneEpMitte(dir, quer, punkt(horizontal, split, c1), B, hohesEnde(dir));
}

void TGrafik::zeichneEpUp(const std::string& dir, const std::string& quer, TPoint A, TPoint B,
                          const std::string& k) {
    const bool horizontal = dir == "h";
    const int a1 = horizontal ? A.X : A.Y;
    const int a2 = horizontal ? B.X : B.Y;
    const int c1 = horizontal ? A.Y : A.X;
    const int c2 = horizontal ? B.Y : B.X;
    const int drittel = R((a2 - a1) / 3.0);
    if (k == hohesEnde(dir)) {
        const int split = a1 + 2 * drittel;
        zeichneUp(dir, quer, A, punkt(horizontal, split, c2), tiefesEnde(dir));
        zeichneEpMitte(dir, quer, punkt(horizontal, split, c1), B, hohesEnde(dir));
    } else {
        const int split = a1 + drittel;
        zeichneEpMitte(dir, quer, A, punkt(horizontal, split, c2), tiefesEnde(dir));
        zeichneUp(dir, quer, punkt(horizontal, split, c1), B, hohesEnde(dir));
    }
}

TRect TGrafik::zeichneVerbindung(const std::string& dir, TRect Band, bool AmHohenEnde,
                                 bool AndereReiheDanach, int ReiheVon, int ReiheBis, int SL,
                                 const std::optional<Lauf>& Gegenlauf, Lauf* Gezeichnet) {
    const bool horizontal = dir == "h";
    int a1 = horizontal ? Band.Left : Band.Top;
    int a2 = horizontal ? Band.Right : Band.Bottom;
    const int c1 = horizontal ? Band.Top : Band.Left;
    const int c2 = horizontal ? Band.Bottom : Band.Right;
    const int halb = R((a2 - a1) / 2.0);
    if (AmHohenEnde) {
        a2 += halb;
    } else {
        a1 -= halb;
    }
    const int drittel = R((a2 - a1) / 3.0);
    Lauf lauf{AmHohenEnde ? a1 + drittel : a1, AmHohenEnde ? a2 : a2 - drittel};
    if (Gegenlauf) {
        // The other row's run is where the two must meet, so this run takes its place along
        // the row and the band reaches out to it (a crosswise row's band lies elsewhere).
        lauf = *Gegenlauf;
        a1 = std::min(a1, lauf.Von);
        a2 = std::max(a2, lauf.Bis);
    }
    const int querVon = AndereReiheDanach ? c2 : ReiheVon - SL;
    const int querBis = AndereReiheDanach ? ReiheBis + SL : c1;
    zeichneRohr(dir, horizontal ? "v" : "h", punkt(horizontal, lauf.Von, querVon),
                punkt(horizontal, lauf.Bis, querBis),
                AmHohenEnde ? hohesEnde(dir) : tiefesEnde(dir));
    if (Gezeichnet) {
        *Gezeichnet = lauf;
    }
    return pixelRect(horizontal, ::velmora::Band{a1, a2, c1, c2});
}

void TGrafik::zeichneRohreReihe1(const std::string& P, const TProdukt& Produkt, const TankMasse& M,
                                 TPoint Start) {
    const std::string& dir = TankAusrichtung;
    const bool h = M.Horizontal;
    const double V = Verhaeltnis;
    // quer: the side of the row facing the wall of P'; ende: the end away from its side wall.
    const std::string querK = h ? (obenSeite(P) ? "o" : "u") : (linksSeite(P) ? "l" : "r");
    const std::string ende = h ? (linksSeite(P) ? "r" : "l") : (obenSeite(P) ? "u" : "o");
    const bool ersteSeite = querK == "o" || querK == "l";
    const bool gedreht = M.ZwReihWaag && M.Reihe1 <= 1;
    const int tankEntlang = gedreht ? M.L : M.B;
    const int tankQuer = gedreht ? M.B : M.L;
    const int pitch = tankEntlang + M.SB;
    const int aStart = h ? Start.X : Start.Y;
    const int cStart = h ? Start.Y : Start.X;

    const TPoint rs = Produkt.getRohrStart();
    const TPoint re = Produkt.getRohrEnde();
    const int c1 = bandAnfangQuer(Produkt, ersteSeite, gedreht, cStart, tankQuer, V);
    const int c2 = c1 + R((quer(re, gedreht) - quer(rs, gedreht)) * V);
    const int bandStart = R(entlang(rs, gedreht) * V);
    const int bandLaenge = R((entlang(re, gedreht) - entlang(rs, gedreht)) * V);
    const int mitte =
        R((entlang(rs, gedreht) + (entlang(re, gedreht) - entlang(rs, gedreht)) / 2.0) * V);

    const bool startTief = istTiefesEnde(ende);
    FVerbindungReihe1.reset();
    for (int m = 1; m <= M.Reihe1; ++m) {
        const int am = aStart + (m - 1) * pitch;
        const Band band{am + bandStart, am + bandStart + bandLaenge, c1, c2};
        if (m < M.Reihe1) {
            zeichneRohr(dir, dir, punkt(h, am + mitte, c1), punkt(h, am + mitte + pitch, c2),
                        querK);
        }
        TRect r = pixelRect(h, band);
        const auto verbinde = [&]() {
            Lauf lauf;
            r = zeichneVerbindung(dir, r, startTief, ersteSeite, cStart, cStart + tankQuer, M.SL,
                                  std::nullopt, &lauf);
            FVerbindungReihe1 = lauf;
        };
        const TPoint A{r.Left, r.Top};
        const TPoint B{r.Right, r.Bottom};
        if (m == 1) {
            if (M.Reihe1 == 1 && M.Reihe2 == 1) {
                verbinde();
                zeichneHpStart(dir, querK, {r.Left, r.Top}, {r.Right, r.Bottom}, ende, true);
            } else if (startTief) {
                zeichneHpStart(dir, querK, A, B, ende, false);
            } else if (M.Reihe2 > 0) {
                verbinde();
                zeichneEpUp(dir, querK, {r.Left, r.Top}, {r.Right, r.Bottom}, ende);
            } else {
                zeichneHpEnde(dir, querK, A, B, ende, false);
            }
        } else if (m < M.Reihe1) {
            zeichneEpPaar(dir, querK, A, B);
        } else if (!startTief) {
            zeichneHpStart(dir, querK, A, B, ende, false);
        } else if (M.Reihe2 > 0) {
            verbinde();
            zeichneEpUp(dir, querK, {r.Left, r.Top}, {r.Right, r.Bottom}, ende);
        } else {
            zeichneHpEnde(dir, querK, A, B, ende, false);
        }
    }
}

void TGrafik::zeichneRohreReihe2(const std::string& P, const TProdukt& Produkt, const TankMasse& M,
                                 TPoint Start) {
    const std::string& dir = TankAusrichtung;
    const bool h = M.Horizontal;
    const double V = Verhaeltnis;
    // quer: the row's side away from row 1; e: the end at which row 2 is joined or capped.
    const std::string querK = h ? (obenSeite(P) ? "u" : "o") : (linksSeite(P) ? "r" : "l");
    const std::string e = h ? (linksSeite(P) ? "l" : "r") : (obenSeite(P) ? "o" : "u");
    const bool ersteReiheDavor = h ? obenSeite(P) : linksSeite(P);
    const bool ersteSeite = querK == "o" || querK == "l";
    const bool gedreht = M.ZwReihWaag && M.Reihe1 != 1;
    const int tankEntlang = gedreht ? M.L : M.B;
    const int tankQuer = gedreht ? M.B : M.L;
    const int pitch = tankEntlang + (gedreht ? M.SBGedreht : M.SB);
    const int aStart = h ? Start.X : Start.Y;
    const int cStart = h ? Start.Y : Start.X;

    const TPoint rs = Produkt.getRohrStartReihe2();
    const TPoint re = Produkt.getRohrEndeReihe2();
    const int c1 = bandAnfangQuer(Produkt, ersteSeite, gedreht, cStart, tankQuer, V);
    const int c2 = c1 + R((quer(re, gedreht) - quer(rs, gedreht)) * V);
    int bandStart = R(entlang(rs, gedreht) * V);
    const int bandLaenge = R((entlang(re, gedreht) - entlang(rs, gedreht)) * V);
    int mitte = R((entlang(rs, gedreht) + (entlang(re, gedreht) - entlang(rs, gedreht)) / 2.0) * V);
    // The turned tanks' picture shows the fittings at the low end of each tank at the right
    // (bottom) wall, and always when they sit opposite; the band then lies mirrored along
    // the tank.
    if (gedreht &&
        (Produkt.getAufsatzGegenueber() || (h ? plan::rechtsSeite(P) : plan::untenSeite(P)))) {
        bandStart = tankEntlang - bandStart - bandLaenge;
        mitte = tankEntlang - mitte;
    }

    const bool eTief = istTiefesEnde(e);
    for (int m = 1; m <= M.Reihe2; ++m) {
        const int am = aStart + (m - 1) * pitch;
        const Band band{am + bandStart, am + bandStart + bandLaenge, c1, c2};
        if (m < M.Reihe2) {
            zeichneRohr(dir, dir, punkt(h, am + mitte, c1), punkt(h, am + mitte + pitch, c2),
                        querK);
        }
        TRect r = pixelRect(h, band);
        const auto verbinde = [&](bool amHohenEnde) {
            r = zeichneVerbindung(dir, r, amHohenEnde, !ersteReiheDavor, cStart, cStart + tankQuer,
                                  M.SL, FVerbindungReihe1, nullptr);
        };
        if (m == 1) {
            if (M.Reihe2 == 1) {
                verbinde(!eTief);
                zeichneHpEnde(dir, querK, {r.Left, r.Top}, {r.Right, r.Bottom}, e, true);
            } else if (eTief) {
                verbinde(false);
                zeichneEpUp(dir, querK, {r.Left, r.Top}, {r.Right, r.Bottom}, hohesEnde(dir));
            } else {
                zeichneHpEnde(dir, querK, {r.Left, r.Top}, {r.Right, r.Bottom}, e, false);
            }
        } else if (m < M.Reihe2) {
            zeichneEpPaar(dir, querK, {r.Left, r.Top}, {r.Right, r.Bottom});
        } else if (eTief) {
            zeichneHpEnde(dir, querK, {r.Left, r.Top}, {r.Right, r.Bottom}, e, false);
        } else {
            verbinde(true);
            zeichneEpUp(dir, querK, {r.Left, r.Top}, {r.Right, r.Bottom}, tiefesEnde(dir));
        }
    }
}

}  // namespace velmora
