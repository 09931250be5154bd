#include <array>
#include <charconv>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/BatteryOutline.h"
#include "catalogue/PolygonContainment.h"
#include "catalogue/TProdukt.h"

namespace velmora {

// The inputs of one search that every variant is checked against.
struct TProdukt::SearchInput {
    double AMinInhalt;
    double AHoehe;
    double AMaxVolumenBeiHeizraum;
    double AVolumenVarianz;
    bool AGedreht;
    bool AHeizraum;
    bool einbringungPasst;
    RoomCorner ecke;
    VorbereitetesPolygon Raum;
    VorbereitetesPolygon Heizraum;
};

bool TProdukt::istVarianteMoeglich2(const Suchvorgaben& Vorgaben) {
    const SearchInput in{static_cast<double>(Vorgaben.SollVolumen),
                         static_cast<double>(Vorgaben.RaumHoehe),
                         Vorgaben.MaxVolumenBeiHeizraum,
                         Vorgaben.VolumenVarianz,
                         Vorgaben.TankAufEcke,
                         Vorgaben.Heizraum,
                         passtDurchEinbringung(Vorgaben.EinbringHoehe, Vorgaben.EinbringBreite),
                         roomCorner(Vorgaben),
                         VorbereitetesPolygon(Vorgaben.Raum),
                         VorbereitetesPolygon(Vorgaben.HeizraumGeprueft)};
    MoeglicheAufstellVariante = nullptr;
    PlacedOutline umriss;
    bool gefunden = false;
    for (TAufstellvariante* variante : tempAufstellvariantenListe) {
        if (pruefeVariante(*variante, false, in, umriss)) {
            gefunden = true;
        } else if (variante->isNormrelevant() && variante->HasNormAlternative() &&
                   pruefeVariante(*variante, true, in, umriss)) {
            gefunden = true;
        }
    }
    if (gefunden) {
        sortiereMoeglicheAufstellungen();
        entferneKleinereAufstellungen(in.AMinInhalt);
        setMoeglicheAufstellvariante(0);
    }
    return gefunden;
}

std::unique_ptr<TAufstellung> TProdukt::erzeugeAufstellung(TAufstellvariante* Variante,
                                                           bool Horizontal, bool Gedreht,
                                                           bool IgnoreNorm) {
    if (FFreieAufstellungen.empty()) {
        return std::make_unique<TAufstellung>(Variante, Horizontal, Gedreht, IgnoreNorm);
    }
    std::unique_ptr<TAufstellung> aufstellung = std::move(FFreieAufstellungen.back());
    FFreieAufstellungen.pop_back();
    aufstellung->neuBelegen(Variante, Horizontal, Gedreht, IgnoreNorm);
    return aufstellung;
}

bool TProdukt::pruefeVariante(TAufstellvariante& Variante, bool ANormIgnore, const SearchInput& in,
                              PlacedOutline& umriss) {
    const double volumen = getGesamtInhaltVariante(Variante);
    if (volumen < in.AMinInhalt - in.AVolumenVarianz ||
        volumen > in.AMinInhalt + in.AVolumenVarianz) {
        return false;
    }
    if (in.AHeizraum && volumen > in.AMaxVolumenBeiHeizraum) {
        return false;
    }
    if (getGesamtHoeheAufstellung(Variante, ANormIgnore) > in.AHoehe) {
        return false;
    }
    if (!in.einbringungPasst) {
        return false;
    }
    OutlineRequest request;
    request.masse = getMasse(Variante);
    request.Reihe1 = Variante.getReihe1();
    request.Reihe2 = Variante.getReihe2();
    request.ZwReihWaag = Variante.getZwReihWaag();
    request.gapOut = Variante.getGapOut(ANormIgnore);
    request.gapIn = Variante.getGapIn(ANormIgnore);
    request.horizontal = true;
    const bool waagerechtPasst = platziereAufstellung(Variante, request, ANormIgnore, in, umriss);
    request.horizontal = false;
    const bool senkrechtPasst = platziereAufstellung(Variante, request, ANormIgnore, in, umriss);
    return waagerechtPasst || senkrechtPasst;
}

bool TProdukt::platziereAufstellung(TAufstellvariante& Variante, const OutlineRequest& request,
                                    bool NormIgnore, const SearchInput& in, PlacedOutline& umriss) {
    if (hatAufstellung(Variante, request.horizontal, in.AGedreht)) {
        return false;
    }
    berechneUmriss(request, in.ecke, umriss);
    if (!in.Raum.enthaelt(umriss.gaps) || !in.Heizraum.enthaelt(umriss.tanks)) {
        return false;
    }
    // Only an arrangement that fits is created: most of those tried do not.
    auto aufstellung = erzeugeAufstellung(&Variante, request.horizontal, in.AGedreht, NormIgnore);
    aufstellung->setzePositionen(umriss.tanks, umriss.gaps, umriss.gapReal,
                                 umriss.abstandWaagerecht, umriss.abstandSenkrecht);
    MoeglicheAufstellVarianten.push_back(std::move(aufstellung));
    return true;
}

bool TProdukt::hatAufstellung(const TAufstellvariante& Variante, bool Horizontal,
                              bool Gedreht) const {
    for (const auto& vorhanden : MoeglicheAufstellVarianten) {
        if (vorhanden->getVariante() == &Variante && vorhanden->getHorizontal() == Horizontal &&
            vorhanden->getGedreht() == Gedreht) {
            return true;
        }
    }
    return false;
}

void TProdukt::loescheMoeglicheAufstellung(std::size_t Index) {
    if (MoeglicheAufstellVarianten.at(Index).get() == MoeglicheAufstellVariante) {
        MoeglicheAufstellVariante = nullptr;
    }
    FFreieAufstellungen.push_back(std::move(MoeglicheAufstellVarianten[Index]));
    MoeglicheAufstellVarianten.erase(MoeglicheAufstellVarianten.begin() +
                                     static_cast<std::ptrdiff_t>(Index));
}

namespace {

// The decimal text of a number as one integer that orders as the texts do: a character per
// four bits from the left, the end of the text below '-', and '-' below every digit.
std::uint64_t textReihenfolge(int zahl) {
    std::array<char, 11> text{};
    const char* ende = std::to_chars(text.data(), text.data() + text.size(), zahl).ptr;
    std::uint64_t schluessel = 0;
    for (const char* zeichen = text.data(); zeichen != ende; ++zeichen) {
        const unsigned wert = *zeichen == '-' ? 1U : static_cast<unsigned>(*zeichen - '0') + 2U;
        schluessel = schluessel << 4U | wert;
    }
    return schluessel << (4 * (text.data() + text.size() - ende));
}

}  // namespace

void TProdukt::sortiereMoeglicheAufstellungen() {
    // Fewest tanks first, then the cheapest fittings, then the second row's count as text;
    // the horizontal arrangement of a variant before its vertical one. The bubble sort and
    // its swap on equal texts decide the order of otherwise equal variants. The keys are
    // taken once: the sort compares each arrangement many times.
    struct Schluessel {
        const TAufstellvariante* variante;
        bool horizontal;
        int tanks;
        double fittingsPreis;
        std::uint64_t reihe2;
    };
    const std::size_t n = MoeglicheAufstellVarianten.size();
    std::vector<Schluessel> schluessel;
    schluessel.reserve(n);
    for (const auto& aufstellung : MoeglicheAufstellVarianten) {
        const TAufstellvariante* variante = aufstellung->getVariante();
        schluessel.push_back({variante, aufstellung->getHorizontal(), variante->getAnzahlTanks(),
                              getVariantenZubehoerPreis(variante),
                              textReihenfolge(variante->getReihe2())});
    }
    const auto tauschen = [](const Schluessel& a, const Schluessel& b) {
        if (a.variante == b.variante) {
            return b.horizontal && !a.horizontal;
        }
        if (b.tanks != a.tanks) {
            return b.tanks < a.tanks;
        }
        if (a.fittingsPreis != b.fittingsPreis) {
            return a.fittingsPreis > b.fittingsPreis;
        }
        return a.reihe2 >= b.reihe2;
    };
    // A pass without a swap leaves nothing for the later passes, which compare less.
    bool getauscht = true;
    for (std::size_t p = 0; p < n && getauscht; ++p) {
        getauscht = false;
        for (std::size_t k = 0; k + p + 1 < n; ++k) {
            if (tauschen(schluessel[k], schluessel[k + 1])) {
                std::swap(schluessel[k], schluessel[k + 1]);
                std::swap(MoeglicheAufstellVarianten[k], MoeglicheAufstellVarianten[k + 1]);
                getauscht = true;
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
