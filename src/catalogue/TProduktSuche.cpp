#include <string>
#include <utility>

#include "catalogue/BatteryOutline.h"
#include "catalogue/PolygonContainment.h"
#include "catalogue/TProdukt.h"

namespace velmora {

// The inputs of one search that every variant is checked against.
struct TProdukt::SearchInput {
    double AMinInhalt;
    double AHoehe;
    double AEinbringHoehe;
    double AEinbringBreite;
    double AMaxVolumenBeiHeizraum;
    const std::string& ATankPosition;
    const std::string& AHeizraumPosition;
    double AVolumenVarianz;
    bool AGedreht;
    bool AHeizraum;
    double AHeizraumAbstand;
    const TPoints& ARoom;
    const TPoints& AHzRoom;
    TMyVec TopLeft;
};

bool TProdukt::istVarianteMoeglich2(double AMinInhalt, double /*ABreite*/, double /*ALaenge*/,
                                    double AHoehe, double AEinbringHoehe, double AEinbringBreite,
                                    double AMaxVolumenBeiHeizraum, const std::string& ATankPosition,
                                    const std::string& AHeizraumPosition, double AVolumenVarianz,
                                    bool AGedreht, bool AHeizraum, double AHeizraumAbstand,
                                    const TPoints& ARoom, const TPoints& AHzRoom, TMyVec TopLeft,
                                    TMyVec /*BottomRight*/) {
    const SearchInput in{AMinInhalt,
                         AHoehe,
                         AEinbringHoehe,
                         AEinbringBreite,
                         AMaxVolumenBeiHeizraum,
                         ATankPosition,
                         AHeizraumPosition,
                         AVolumenVarianz,
                         AGedreht,
                         AHeizraum,
                         AHeizraumAbstand,
                         ARoom,
                         AHzRoom,
                         TopLeft};
    MoeglicheAufstellVariante = nullptr;
    bool gefunden = false;
    for (TAufstellvariante* variante : tempAufstellvariantenListe) {
        if (pruefeVariante(*variante, false, in)) {
            gefunden = true;
        } else if (variante->isNormrelevant() && variante->HasNormAlternative() &&
                   pruefeVariante(*variante, true, in)) {
            gefunden = true;
        }
    }
    if (gefunden) {
        sortiereMoeglicheAufstellungen();
        entferneKleinereAufstellungen(AMinInhalt);
        setMoeglicheAufstellvariante(0);
    }
    return gefunden;
}

std::unique_ptr<TAufstellung> TProdukt::erzeugeAufstellung(TAufstellvariante* Variante,
                                                           bool Horizontal, bool Gedreht,
                                                           bool IgnoreNorm) const {
    return std::make_unique<TAufstellung>(Variante, Horizontal, Gedreht, IgnoreNorm);
}

bool TProdukt::pruefeVariante(TAufstellvariante& Variante, bool ANormIgnore,
                              const SearchInput& in) {
    const double volumen = getGesamtInhaltVariante(Variante);
    if (volumen < in.AMinInhalt - in.AVolumenVarianz ||
        volumen > in.AMinInhalt + in.AVolumenVarianz) {
        return false;
    }
    if (in.AHeizraum && volumen > in.AMaxVolumenBeiHeizraum) {
        return false;
    }
    auto waagerecht = erzeugeAufstellung(&Variante, true, in.AGedreht, ANormIgnore);
    if (getGesamtHoeheAufstellung(*waagerecht) > in.AHoehe) {
        return false;
    }
    if (!passtDurchEinbringung(in.AEinbringHoehe, in.AEinbringBreite)) {
        return false;
    }
    const bool waagerechtPasst = platziereAufstellung(std::move(waagerecht), in);
    const bool senkrechtPasst =
        platziereAufstellung(erzeugeAufstellung(&Variante, false, in.AGedreht, ANormIgnore), in);
    return waagerechtPasst || senkrechtPasst;
}

bool TProdukt::platziereAufstellung(std::unique_ptr<TAufstellung> Aufstellung,
                                    const SearchInput& in) {
    TAufstellung* aufstellung = Aufstellung.get();
    if (!addMoeglicheAufstellung(std::move(Aufstellung))) {
        return false;
    }
    MoeglicheAufstellVariante = aufstellung;

    const TAufstellvariante& variante = *aufstellung->getVariante();
    const bool normIgnore = aufstellung->getIgnoreNorm();
    OutlineRequest request;
    request.masse = getMasse(variante);
    request.Reihe1 = variante.getReihe1();
    request.Reihe2 = variante.getReihe2();
    request.ZwReihWaag = variante.getZwReihWaag();
    request.gapOut = variante.getGapOut(normIgnore);
    request.gapIn = variante.getGapIn(normIgnore);
    request.horizontal = aufstellung->getHorizontal();
    request.tankPosition = in.ATankPosition;
    request.topLeft = in.TopLeft;
    request.heizraum = in.AHeizraum;
    request.heizraumPosition = in.AHeizraumPosition;
    request.heizraumAbstand = in.AHeizraumAbstand;
    PlacedOutline umriss = berechneUmriss(request, in.ARoom);

    if (liegtPolygonImPolygon(umriss.gaps, in.ARoom) &&
        liegtPolygonImPolygon(umriss.tanks, in.AHzRoom)) {
        aufstellung->setzePositionen(std::move(umriss.tanks), std::move(umriss.gaps),
                                     umriss.gapReal, umriss.abstandWaagerecht,
                                     umriss.abstandSenkrecht);
        return true;
    }
    loescheMoeglicheAufstellung(MoeglicheAufstellVarianten.size() - 1);
    return false;
}

bool TProdukt::addMoeglicheAufstellung(std::unique_ptr<TAufstellung> Aufstellung) {
    for (const auto& vorhanden : MoeglicheAufstellVarianten) {
        if (vorhanden->getVariante() == Aufstellung->getVariante() &&
            vorhanden->getHorizontal() == Aufstellung->getHorizontal() &&
            vorhanden->getGedreht() == Aufstellung->getGedreht()) {
            return false;
        }
    }
    MoeglicheAufstellVarianten.push_back(std::move(Aufstellung));
    return true;
}

void TProdukt::loescheMoeglicheAufstellung(std::size_t Index) {
    if (MoeglicheAufstellVarianten.at(Index).get() == MoeglicheAufstellVariante) {
        MoeglicheAufstellVariante = nullptr;
    }
    MoeglicheAufstellVarianten.erase(MoeglicheAufstellVarianten.begin() +
                                     static_cast<std::ptrdiff_t>(Index));
}

void TProdukt::sortiereMoeglicheAufstellungen() {
    // Fewest tanks first, then the cheapest fittings, then the second row's count as text;
    // the horizontal arrangement of a variant before its vertical one. The bubble sort and
    // its swap on equal texts decide the order of otherwise equal variants.
    const auto tauschen = [this](const TAufstellung& a, const TAufstellung& b) {
        const TAufstellvariante* va = a.getVariante();
        const TAufstellvariante* vb = b.getVariante();
        if (va == vb) {
            return b.getHorizontal() && !a.getHorizontal();
        }
        if (vb->getAnzahlTanks() != va->getAnzahlTanks()) {
            return vb->getAnzahlTanks() < va->getAnzahlTanks();
        }
        const double preisA = getVariantenZubehoerPreis(va);
        const double preisB = getVariantenZubehoerPreis(vb);
        if (preisA != preisB) {
            return preisA > preisB;
        }
        return std::to_string(va->getReihe2()) >= std::to_string(vb->getReihe2());
    };
    auto& liste = MoeglicheAufstellVarianten;
    const std::size_t n = liste.size();
    for (std::size_t p = 0; p < n; ++p) {
        for (std::size_t k = 0; k + p + 1 < n; ++k) {
            if (tauschen(*liste[k], *liste[k + 1])) {
                std::swap(liste[k], liste[k + 1]);
            }
        }
    }
}

void TProdukt::entferneKleinereAufstellungen(double AMinInhalt) {
    // The list ascends in volume. For every arrangement that meets the target exactly, one
    // smaller arrangement of the same orientation before it is dropped.
    const auto volumen = [this](std::size_t i) {
        return getGesamtInhaltVariante(*MoeglicheAufstellVarianten[i]->getVariante());
    };
    long long treffer = -1;
    std::size_t c = 0;
    while (c < MoeglicheAufstellVarianten.size()) {
        const std::size_t anzahl = MoeglicheAufstellVarianten.size();
        bool gefunden = false;
        while (c < anzahl) {
            const double v = volumen(c);
            if (v == AMinInhalt && static_cast<long long>(c) > treffer) {
                treffer = static_cast<long long>(c);
                gefunden = true;
                break;
            }
            if (v > AMinInhalt) {
                c = anzahl;
                break;
            }
            ++c;
        }
        if (gefunden && treffer > 0) {
            const TAufstellung& exakt =
                *MoeglicheAufstellVarianten[static_cast<std::size_t>(treffer)];
            for (std::size_t j = 0; j < static_cast<std::size_t>(treffer); ++j) {
                const TAufstellung& kleiner = *MoeglicheAufstellVarianten[j];
                if (volumen(j) < AMinInhalt && kleiner.getHorizontal() == exakt.getHorizontal() &&
                    kleiner.getGedreht() == exakt.getGedreht()) {
                    loescheMoeglicheAufstellung(j);
                    // Only after a removal: the match moved down by one, and counting down
                    // without one would find the same match again and never end.
                    --treffer;
                    --c;
                    break;
                }
            }
        }
        if (c < MoeglicheAufstellVarianten.size()) {
            c = 0;
        }
    }
}

}  // namespace velmora
