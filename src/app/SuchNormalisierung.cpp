#include "app/SuchNormalisierung.h"

#include <cmath>
#include <string>

#include "base/LenientNumber.h"
#include "base/Rounding.h"
#include "catalogue/TTempData.h"

namespace velmora {

namespace {

// One input field: its text (rewritten when corrected) and the decimals it shows.
struct Eingabe {
    std::string& text;
    int dec;

    double wert() const { return parseLenient(text); }
    // Whole millimetres of a text in metres, 0 for an empty one; huge values are clamped by
    // the rounding instead of overflowing.
    int mm() const { return text.empty() ? 0 : roundHalfAwayFromZero(wert() * 1000); }
    void setze(double value) { text = TTempData::setzeNachkommastellen(value, dec); }
    void fuelleStandard(double standard) {
        if (text.empty() || wert() == 0) {
            setze(standard);
        }
    }
    void entferneVorzeichen() {
        if (wert() < 0) {
            setze(std::fabs(wert()));
        }
    }
    void begrenze(double max) {
        if (wert() > max) {
            setze(max);
        }
    }
    // Sets the field to Meter and records the millimetres the field then says.
    void setzeMeter(double Meter, int& recorded) {
        setze(Meter);
        recorded = mm();
    }
};

// 0.8 of the free space, whole millimetres with halves to even.
int verkleinert(int frei) {
    return roundHalfToEven(0.8 * frei);
}

void entferne(Ecke& Position, int& Breite, int& Laenge) {
    Position = Ecke::Keine;
    Breite = 0;
    Laenge = 0;
}

void setzeEcke(Suchvorgaben& v, Ecke Position) {
    v.EckePosition = Position;
    if (v.EckeBreite == 0 || v.EckeLaenge == 0 || Position == Ecke::Keine) {
        entferne(v.EckePosition, v.EckeBreite, v.EckeLaenge);
    }
}

// Call after setzeEcke: the boiler is fitted against this search's cut-out.
void setzeHeizraum(Suchvorgaben& v, Ecke Position, bool& HeizraumFehler) {
    v.HeizraumPosition = Position;
    if (v.HeizraumBreite == 0 || v.HeizraumLaenge == 0 || Position == Ecke::Keine ||
        Position == v.EckePosition) {
        entferne(v.HeizraumPosition, v.HeizraumBreite, v.HeizraumLaenge);
        return;
    }
    const bool ecke = v.EckePosition != Ecke::Keine;
    const int freiBreite = v.RaumBreite - v.EckeBreite;
    const int freiLaenge = v.RaumLaenge - v.EckeLaenge;
    if (ecke && nebeneinander(v.EckePosition, Position)) {
        if (v.HeizraumBreite > freiBreite) {
            HeizraumFehler = true;
            v.HeizraumBreite = verkleinert(freiBreite);
        }
    } else if (ecke && untereinander(v.EckePosition, Position)) {
        if (v.HeizraumLaenge > freiLaenge) {
            HeizraumFehler = true;
            v.HeizraumLaenge = verkleinert(freiLaenge);
        }
    } else if (ecke && diagonal(v.EckePosition, Position)) {
        if (v.HeizraumLaenge > freiLaenge && v.HeizraumBreite > freiBreite) {
            HeizraumFehler = true;
            v.HeizraumBreite = verkleinert(freiBreite);
            v.HeizraumLaenge = verkleinert(freiLaenge);
        }
    }
    // A boiler left without size is removed entirely, so no stale size outlives it.
    if (v.HeizraumBreite <= 0 || v.HeizraumLaenge <= 0) {
        entferne(v.HeizraumPosition, v.HeizraumBreite, v.HeizraumLaenge);
    }
}

TPoint punkt(double x, double y) {
    return TPoint{roundHalfAwayFromZero(x), roundHalfAwayFromZero(y)};
}

// The free floor, anticlockwise from the top left: a corner holding the boiler room (when
// the battery stands in it) or the cut-out is stepped around; for the tanks the boiler is
// grown by its clearance.
void berechneUmrisse(Suchvorgaben& v) {
    v.TopLeft = {-1, v.RaumLaenge + 1.0};
    const TMyVec BottomRight{v.RaumBreite + 1.0, -1};
    const int g = v.HeizraumAbstand;
    const auto ecke = [&v, g](Ecke position, double x, double y) {
        // Signs of the steps from the corner into the room along x and y.
        const double sx = x < 0 ? 1 : -1;
        const double sy = y < 0 ? 1 : -1;
        // At OL and UR the outline leaves the corner along x first, at UL and OR along y.
        const bool xZuerst = position == Ecke::OL || position == Ecke::UR;
        const auto dreiPunkte = [&](TPoints& ziel, double dx, double dy) {
            if (xZuerst) {
                ziel.push_back(punkt(x + sx * dx, y));
                ziel.push_back(punkt(x + sx * dx, y + sy * dy));
                ziel.push_back(punkt(x, y + sy * dy));
            } else {
                ziel.push_back(punkt(x, y + sy * dy));
                ziel.push_back(punkt(x + sx * dx, y + sy * dy));
                ziel.push_back(punkt(x + sx * dx, y));
            }
        };
        if (v.Heizraum && v.HeizraumPosition == position) {
            dreiPunkte(v.Raum, v.HeizraumBreite, v.HeizraumLaenge);
            dreiPunkte(v.HeizraumGeprueft, v.HeizraumBreite + g, v.HeizraumLaenge + g);
        } else if (v.EckePosition == position) {
            dreiPunkte(v.Raum, v.EckeBreite, v.EckeLaenge);
            dreiPunkte(v.HeizraumGeprueft, v.EckeBreite, v.EckeLaenge);
        } else {
            v.Raum.push_back(punkt(x, y));
            v.HeizraumGeprueft.push_back(punkt(x, y));
        }
    };
    ecke(Ecke::OL, v.TopLeft.X, v.TopLeft.Y);
    ecke(Ecke::UL, v.TopLeft.X, BottomRight.Y);
    ecke(Ecke::UR, BottomRight.X, BottomRight.Y);
    ecke(Ecke::OR, BottomRight.X, v.TopLeft.Y);
}

}  // namespace

NormalisierteSuche normalisiereSuche(const SuchAuftrag& Auftrag, const Suchgrenzen& Grenzen) {
    NormalisierteSuche ergebnis;
    PlanInputs& texte = ergebnis.Eingaben;
    texte = {Auftrag.RaumBreite.text,    Auftrag.RaumLaenge.text,    Auftrag.RaumHoehe.text,
             Auftrag.SollVolumen.text,   Auftrag.EinbringHoehe.text, Auftrag.EinbringBreite.text,
             Auftrag.EckeBreite.text,    Auftrag.EckeLaenge.text,    Auftrag.HeizraumBreite.text,
             Auftrag.HeizraumLaenge.text};
    Eingabe raumBreite{texte.roomWidth, Auftrag.RaumBreite.dec};
    Eingabe raumLaenge{texte.roomLength, Auftrag.RaumLaenge.dec};
    Eingabe raumHoehe{texte.roomHeight, Auftrag.RaumHoehe.dec};
    Eingabe sollVolumen{texte.volume, Auftrag.SollVolumen.dec};
    Eingabe einbringHoehe{texte.openingHeight, Auftrag.EinbringHoehe.dec};
    Eingabe einbringBreite{texte.openingWidth, Auftrag.EinbringBreite.dec};
    Eingabe eckeBreite{texte.cornerWidth, Auftrag.EckeBreite.dec};
    Eingabe eckeLaenge{texte.cornerLength, Auftrag.EckeLaenge.dec};
    Eingabe heizraumBreite{texte.boilerWidth, Auftrag.HeizraumBreite.dec};
    Eingabe heizraumLaenge{texte.boilerLength, Auftrag.HeizraumLaenge.dec};

    raumBreite.fuelleStandard(Grenzen.StandardRaumBreite);
    raumLaenge.fuelleStandard(Grenzen.StandardRaumLaenge);
    raumHoehe.fuelleStandard(Grenzen.StandardRaumHoehe);
    sollVolumen.fuelleStandard(Grenzen.StandardVolumen);
    einbringHoehe.fuelleStandard(Grenzen.StandardEinbringHoehe);
    einbringBreite.fuelleStandard(Grenzen.StandardEinbringBreite);

    for (Eingabe* eingabe : {&sollVolumen, &raumBreite, &raumLaenge, &raumHoehe, &eckeBreite,
                             &eckeLaenge, &einbringHoehe, &einbringBreite}) {
        eingabe->entferneVorzeichen();
    }
    for (Eingabe* eingabe : {&heizraumBreite, &heizraumLaenge}) {
        if (!eingabe->text.empty()) {
            eingabe->entferneVorzeichen();
        }
    }

    raumBreite.begrenze(Grenzen.MaxRaumBreite);
    raumLaenge.begrenze(Grenzen.MaxRaumLaenge);
    raumHoehe.begrenze(Grenzen.MaxRaumHoehe);
    if (Auftrag.VorgHeizraum && sollVolumen.wert() > Grenzen.MaxVolumenBeiHeizraum) {
        sollVolumen.setze(Grenzen.MaxVolumenBeiHeizraum);
    }

    Suchvorgaben& v = ergebnis.Vorgaben;
    v.Tankart = Auftrag.Tankart;
    v.SollVolumen = roundHalfAwayFromZero(sollVolumen.wert());
    v.RaumBreite = raumBreite.mm();
    v.RaumLaenge = raumLaenge.mm();
    v.RaumHoehe = raumHoehe.mm();
    v.EinbringBreite = einbringBreite.mm();
    v.EinbringHoehe = einbringHoehe.mm();
    v.EckeBreite = eckeBreite.mm();
    v.EckeLaenge = eckeLaenge.mm();
    v.HeizraumBreite = heizraumBreite.mm();
    v.HeizraumLaenge = heizraumLaenge.mm();

    // A corner of no size is no corner: there is nothing to correct.
    const auto begrenzeEcke = [&ergebnis](Eingabe& eingabe, int& recorded, int raum) {
        if (recorded > 0 && recorded >= raum) {
            eingabe.setzeMeter(raum / 1000.0 * 4 / 5, recorded);
            ergebnis.EckeFehler = true;
        }
    };
    begrenzeEcke(eckeBreite, v.EckeBreite, v.RaumBreite);
    begrenzeEcke(eckeLaenge, v.EckeLaenge, v.RaumLaenge);

    const auto begrenzeHeizraum = [&ergebnis](Eingabe& eingabe, int& recorded, int raum) {
        if (recorded > raum) {
            eingabe.setzeMeter(raum / 1000.0, recorded);
            ergebnis.HeizraumFehler = true;
        }
    };
    begrenzeHeizraum(heizraumBreite, v.HeizraumBreite, v.RaumBreite);
    begrenzeHeizraum(heizraumLaenge, v.HeizraumLaenge, v.RaumLaenge);

    if (v.EinbringBreite > v.RaumBreite && v.EinbringBreite > v.RaumLaenge) {
        einbringBreite.setzeMeter(v.RaumBreite / 1000.0, v.EinbringBreite);
        ergebnis.EinbringFehler = true;
    }
    if (v.EinbringHoehe > v.RaumHoehe) {
        einbringHoehe.setzeMeter(v.RaumHoehe / 1000.0, v.EinbringHoehe);
        ergebnis.EinbringFehler = true;
    }

    const Ecke tank = eckeAusKuerzel(Auftrag.TankPosition);
    v.TankPosition = tank == Ecke::Keine ? Ecke::OL : tank;
    setzeEcke(v, eckeAusKuerzel(Auftrag.EckePosition));
    setzeHeizraum(v, eckeAusKuerzel(Auftrag.HeizraumPosition), ergebnis.HeizraumFehler);

    eckeBreite.setze(v.EckeBreite / 1000.0);
    eckeLaenge.setze(v.EckeLaenge / 1000.0);
    heizraumBreite.setze(v.HeizraumBreite / 1000.0);
    heizraumLaenge.setze(v.HeizraumLaenge / 1000.0);

    v.Heizraum = Auftrag.VorgHeizraum;
    v.SafeKessel = Auftrag.VorgKessel;
    v.ZehnCm = Auftrag.VorgKessel10;
    v.MaxVolumenBeiHeizraum = Grenzen.MaxVolumenBeiHeizraum;
    v.VolumenVarianz = Grenzen.VolumenVarianz;
    v.TankAufEcke = v.TankPosition == v.EckePosition || v.TankPosition == v.HeizraumPosition;
    v.HeizraumAbstand = abstandHeizraum(v.Heizraum, v.SafeKessel, v.ZehnCm);
    berechneUmrisse(v);
    return ergebnis;
}

}  // namespace velmora
