#include "app/VariantenSchritt.h"

#include <map>

#include "catalogue/TAufstellung.h"
#include "catalogue/TProdukt.h"

namespace velmora {

namespace {

// No variant matches an index past the list.
constexpr int kKeineVariante = -1;

int varianteAn(const std::vector<AufstellungsArt>& Liste, std::size_t Index) {
    return Index < Liste.size() ? Liste[Index].variante : kKeineVariante;
}

std::optional<std::size_t> inListe(const std::vector<AufstellungsArt>& Liste, std::size_t Index) {
    return Index < Liste.size() ? std::optional<std::size_t>(Index) : std::nullopt;
}

}  // namespace

std::vector<AufstellungsArt> aufstellungsArten(const TProdukt& Produkt) {
    std::map<const TAufstellvariante*, int> nummern;
    std::vector<AufstellungsArt> arten;
    for (const auto& aufstellung : Produkt.getMoeglicheAufstellVarianten()) {
        const auto [eintrag, neu] =
            nummern.emplace(aufstellung->getVariante(), static_cast<int>(nummern.size()));
        arten.push_back({eintrag->second, aufstellung->getHorizontal()});
    }
    return arten;
}

std::optional<std::size_t> naechsteVariante(const std::vector<AufstellungsArt>& Liste,
                                            std::size_t Index) {
    if (Index >= Liste.size()) {
        return std::nullopt;
    }
    const AufstellungsArt& aktuell = Liste[Index];
    std::size_t i = Index;
    if (varianteAn(Liste, i + 1) == aktuell.variante) {
        i += 2;
    } else {
        i += 1;
        if (i < Liste.size() && Liste[i].horizontal != aktuell.horizontal &&
            varianteAn(Liste, i + 1) == Liste[i].variante) {
            i += 1;
        }
    }
    return inListe(Liste, i);
}

std::optional<std::size_t> vorherigeVariante(const std::vector<AufstellungsArt>& Liste,
                                             std::size_t Index) {
    if (Index == 0 || Index >= Liste.size()) {
        return std::nullopt;
    }
    const AufstellungsArt& aktuell = Liste[Index];
    std::size_t i = Index;
    if (Liste[i - 1].variante == aktuell.variante) {
        if (i == 1) {
            return std::nullopt;
        }
        i -= 2;
    } else {
        i -= 1;
        if (Liste[i].horizontal != aktuell.horizontal && i > 0 &&
            Liste[i - 1].variante == Liste[i].variante) {
            i -= 1;
        }
    }
    return i;
}

std::optional<std::size_t> gedrehteAufstellung(const std::vector<AufstellungsArt>& Liste,
                                               std::size_t Index) {
    std::size_t i = Index;
    if (i > 0 && i < Liste.size() && Liste[i].variante == Liste[i - 1].variante) {
        i -= 1;
    } else {
        i += 1;
    }
    return inListe(Liste, i);
}

VariantenBefehle variantenBefehle(const std::vector<AufstellungsArt>& Liste, std::size_t Index) {
    const std::size_t n = Liste.size();
    const int variante = varianteAn(Liste, Index);
    const auto hatVariante = [&](std::size_t i) {
        return variante != kKeineVariante && varianteAn(Liste, i) == variante;
    };
    VariantenBefehle befehle;
    befehle.zurueck = !(Index == 0 || (Index == 1 && hatVariante(0)));
    befehle.weiter = !(Index + 1 >= n || (n == Index + 2 && hatVariante(Index + 1)));
    befehle.drehen = (Index > 0 && hatVariante(Index - 1)) || hatVariante(Index + 1);
    return befehle;
}

int nachbarzeile(int Zeile, int Schritt, int Anzahl) {
    if (Anzahl <= 0) {
        return -1;
    }
    if (Zeile < 0) {
        return Schritt > 0 ? 0 : Anzahl - 1;
    }
    return ((Zeile + Schritt) % Anzahl + Anzahl) % Anzahl;
}

}  // namespace velmora
