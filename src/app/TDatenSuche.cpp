#include <cmath>
#include <string>

#include "app/TDaten.h"
#include "base/LenientNumber.h"
#include "base/Rounding.h"

namespace velmora {

namespace {

// One input field of the window: its text (rewritten when the search corrects it) and the
// decimals it shows.
struct Eingabe {
    std::string& text;
    int dec;

    double wert() const { return parseLenient(text); }
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
};

// Whole millimetres (or litres) as recorded in the placement state; huge values are clamped
// by the rounding instead of overflowing.
std::string ganzzahlText(double value) {
    return std::to_string(roundHalfAwayFromZero(value));
}

std::string mmText(const Eingabe& eingabe) {
    return eingabe.text.empty() ? "0" : ganzzahlText(eingabe.wert() * 1000);
}

double mm(const std::string& recorded) {
    return parseLenient(recorded);
}

TPoint punkt(double x, double y) {
    return TPoint{roundHalfAwayFromZero(x), roundHalfAwayFromZero(y)};
}

}  // namespace

SuchErgebnis TDaten::sucheLoesung(const SuchAuftrag& Auftrag) {
    SuchErgebnis ergebnis;
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
    const std::string& Tankart = Auftrag.Tankart;
    const bool VorgHeizraum = Auftrag.VorgHeizraum;

    if (Auftrag.ZurueckSetzen) {
        TempData.tmpProdukt.clear();
        TempData.tmpHorizontal = false;
        TempData.tmpVariante = nullptr;
    }
    TempData.setzeZurueck();
    AktuellesProdukt = nullptr;
    TempData.error.clear();

    std::string wg;
    for (const auto& gruppe : ProduktgruppenListe) {
        if (gruppe->getBezeichnung() == Tankart) {
            wg = gruppe->getWGBezeichnung();
            break;
        }
    }

    raumBreite.fuelleStandard(StandardRaumBreite);
    raumLaenge.fuelleStandard(StandardRaumLaenge);
    raumHoehe.fuelleStandard(StandardRaumHoehe);
    sollVolumen.fuelleStandard(StandardVolumen);
    einbringHoehe.fuelleStandard(StandardEinbringHoehe);
    einbringBreite.fuelleStandard(StandardEinbringBreite);

    for (Eingabe* eingabe : {&sollVolumen, &raumBreite, &raumLaenge, &raumHoehe, &eckeBreite,
                             &eckeLaenge, &einbringHoehe, &einbringBreite}) {
        eingabe->entferneVorzeichen();
    }
    for (Eingabe* eingabe : {&heizraumBreite, &heizraumLaenge}) {
        if (!eingabe->text.empty()) {
            eingabe->entferneVorzeichen();
        }
    }

    raumBreite.begrenze(MaxRaumBreite);
    raumLaenge.begrenze(MaxRaumLaenge);
    raumHoehe.begrenze(MaxRaumHoehe);

    TempData.loesTankart = Tankart;
    TempData.loesRaumBreite = mmText(raumBreite);
    TempData.loesRaumLaenge = mmText(raumLaenge);
    TempData.loesRaumHoehe = mmText(raumHoehe);
    TempData.einbringHoehe = mmText(einbringHoehe);
    TempData.einbringBreite = mmText(einbringBreite);

    if (VorgHeizraum && sollVolumen.wert() > maxVolumenBeiHeizraum) {
        sollVolumen.setze(maxVolumenBeiHeizraum);
    }
    TempData.loesSollVolumen = ganzzahlText(sollVolumen.wert());

    TempData.loesEckeBreite = mmText(eckeBreite);
    TempData.loesEckeLaenge = mmText(eckeLaenge);
    TempData.loesHeizraumBreite = mmText(heizraumBreite);
    TempData.loesHeizraumLaenge = mmText(heizraumLaenge);

    const double raumBreiteMm = mm(TempData.loesRaumBreite);
    const double raumLaengeMm = mm(TempData.loesRaumLaenge);
    const double raumHoeheMm = mm(TempData.loesRaumHoehe);

    // A corner of no size is no corner: there is nothing to correct.
    const auto begrenzeEcke = [this](Eingabe& eingabe, std::string& recorded, double raumMm) {
        const double eckeMm = mm(recorded);
        if (eckeMm > 0 && eckeMm >= raumMm) {
            eingabe.setze(raumMm / 1000 * 4 / 5);
            recorded = mmText(eingabe);
            TempData.eckeFehler = true;
        }
    };
    begrenzeEcke(eckeBreite, TempData.loesEckeBreite, raumBreiteMm);
    begrenzeEcke(eckeLaenge, TempData.loesEckeLaenge, raumLaengeMm);

    const auto begrenzeHeizraum = [this](Eingabe& eingabe, std::string& recorded, double raumMm) {
        if (mm(recorded) > raumMm) {
            eingabe.setze(raumMm / 1000);
            recorded = mmText(eingabe);
            TempData.heizraumFehler = true;
        }
    };
    begrenzeHeizraum(heizraumBreite, TempData.loesHeizraumBreite, raumBreiteMm);
    begrenzeHeizraum(heizraumLaenge, TempData.loesHeizraumLaenge, raumLaengeMm);

    if (mm(TempData.einbringBreite) > raumBreiteMm && mm(TempData.einbringBreite) > raumLaengeMm) {
        einbringBreite.setze(raumBreiteMm / 1000);
        TempData.einbringBreite = mmText(einbringBreite);
        TempData.einbringFehler = true;
    }
    if (mm(TempData.einbringHoehe) > raumHoeheMm) {
        einbringHoehe.setze(raumHoeheMm / 1000);
        TempData.einbringHoehe = mmText(einbringHoehe);
        TempData.einbringFehler = true;
    }

    TempData.setTankPosition(Auftrag.TankPosition);
    TempData.setEckePosition(Auftrag.EckePosition);
    // The boiler is fitted against the cut-out of this search, so the cut-out must be known
    // before the boiler is placed.
    TempData.eckeVorhanden = TempData.loesEckeBreite != "0" && TempData.loesEckeLaenge != "0";
    TempData.setHeizraumPosition(Auftrag.HeizraumPosition);

    eckeBreite.setze(mm(TempData.loesEckeBreite) / 1000);
    eckeLaenge.setze(mm(TempData.loesEckeLaenge) / 1000);
    heizraumBreite.setze(mm(TempData.loesHeizraumBreite) / 1000);
    heizraumLaenge.setze(mm(TempData.loesHeizraumLaenge) / 1000);

    TempData.eckeVorhanden = TempData.loesEckeBreite != "0" && TempData.loesEckeLaenge != "0";
    TempData.heizraumVorhanden =
        VorgHeizraum && TempData.loesHeizraumBreite != "0" && TempData.loesHeizraumLaenge != "0";
    TempData.heizraum = VorgHeizraum;
    TempData.safeKessel = Auftrag.VorgKessel;
    TempData.zehnCm = Auftrag.VorgKessel10;

    berechneLoesungen(wg, TempData.TankPosition, mm(TempData.loesSollVolumen), raumBreiteMm,
                      raumLaengeMm, raumHoeheMm, mm(TempData.einbringHoehe),
                      mm(TempData.einbringBreite), mm(TempData.loesEckeBreite),
                      mm(TempData.loesEckeLaenge), mm(TempData.loesHeizraumBreite),
                      mm(TempData.loesHeizraumLaenge), maxVolumenBeiHeizraum, TempData.EckePosition,
                      TempData.HeizraumPosition, VolumenVarianz, TempData.getTankAufEcke(),
                      VorgHeizraum, TempData.getAbstandHeizraum());

    TempData.loesung = !LoesungsListe->empty();
    if (!TempData.loesung) {
        TempData.loesungFehler = true;
    }
    stelleAuswahlWiederHer(Auftrag.ARefreshGraphic);
    if (Auftrag.ARefreshGraphic && AktuellesProdukt == nullptr) {
        erstelleGrafik(nullptr, false, true);
    }
    TempData.fehlerMeldungen();
    ergebnis.Warnungen = TempData.getMeldungen();
    return ergebnis;
}

void TDaten::berechneLoesungen(const std::string& WG, const std::string& TankPosition,
                               double SollVolumen, double RaumBreite, double RaumLaenge,
                               double RaumHoehe, double EinbringHoehe, double EinbringBreite,
                               double EckeBreite, double EckeLaenge, double HeizraumBreite,
                               double HeizraumLaenge, double MaxVolumenBeiHeizraum,
                               const std::string& EckePosition, const std::string& HeizraumPosition,
                               double AVolumenVarianz, bool AGedreht, bool AHeizraum,
                               double AHeizraumAbstand) {
    const TMyVec TopLeft{-1, RaumLaenge + 1};
    const TMyVec BottomRight{RaumBreite + 1, -1};
    const double hb = HeizraumBreite;
    const double hl = HeizraumLaenge;
    const double g = AHeizraumAbstand;
    const double eb = EckeBreite;
    const double el = EckeLaenge;

    TPoints ARoom;
    TPoints AHzRoom;
    const auto ecke = [&](const std::string& position, double x, double y) {
        // Signs of the steps from the corner into the room along x and y.
        const double sx = x < 0 ? 1 : -1;
        const double sy = y < 0 ? 1 : -1;
        // Anticlockwise: at OL and UR the outline leaves the corner along x first, at UL and
        // OR along y.
        const bool xZuerst = position == "OL" || position == "UR";
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
        if (AHeizraum && HeizraumPosition == position) {
            dreiPunkte(ARoom, hb, hl);
            dreiPunkte(AHzRoom, hb + g, hl + g);
        } else if (EckePosition == position) {
            dreiPunkte(ARoom, eb, el);
            dreiPunkte(AHzRoom, eb, el);
        } else {
            ARoom.push_back(punkt(x, y));
            AHzRoom.push_back(punkt(x, y));
        }
    };
    ecke("OL", TopLeft.X, TopLeft.Y);
    ecke("UL", TopLeft.X, BottomRight.Y);
    ecke("UR", BottomRight.X, BottomRight.Y);
    ecke("OR", BottomRight.X, TopLeft.Y);
    FRoomPosition = ARoom;
    FHzValidated = AHzRoom;

    std::vector<TProdukt*> neueListe;
    for (const auto& gruppe : ProduktgruppenListe) {
        if (!WG.empty() && gruppe->getWGBezeichnung() != WG) {
            continue;
        }
        const std::vector<TProdukt*> produkte = gruppe->listProdukte2(
            SollVolumen, RaumBreite, RaumLaenge, RaumHoehe, EinbringHoehe, EinbringBreite,
            MaxVolumenBeiHeizraum, TankPosition, HeizraumPosition, AVolumenVarianz, AGedreht,
            AHeizraum, AHeizraumAbstand, ARoom, AHzRoom, TopLeft, BottomRight);
        neueListe.insert(neueListe.end(), produkte.begin(), produkte.end());
    }
    LoesungsListe = std::move(neueListe);
}

}  // namespace velmora
