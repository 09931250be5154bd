#include <algorithm>

#include "base/AsciiCase.h"
#include "catalogue/TProdukt.h"
#include "catalogue/TZubehoerItem.h"
#include "catalogue/VariantFittings.h"

namespace velmora {

double TProdukt::getPreis() const {
    return FCustomPrice.preis(ArtNr, Preis);
}

bool TProdukt::hatPreis() const {
    return !FPreisFehlt || FCustomPrice.eigenerPreisGilt(ArtNr, Preis);
}

TTankCustomPrice* TProdukt::CustomPriceElem() const {
    return FCustomPrice.elem(ArtNr, Preis);
}

std::vector<TTankCustomPrice*> TProdukt::CustomPriceElems() const {
    std::vector<TTankCustomPrice*> entries;
    if (TTankCustomPrice* own = CustomPriceElem()) {
        entries.push_back(own);
    }
    for (const auto& line : ZubehoerOptional) {
        if (TTankCustomPrice* entry = line->getZubehoer()->CustomPriceElem()) {
            entries.push_back(entry);
        }
    }
    return entries;
}

double TProdukt::getZubehoerPreis(const std::string& ArtNr1, const std::string& ArtNr2) const {
    const std::string& zweite = ArtNr2.empty() ? ArtNr1 : ArtNr2;
    for (const TZubehoer* zubehoer : tempZubehoer) {
        if (equalsIgnoringAsciiCase(zubehoer->getArtNr(), ArtNr1) ||
            equalsIgnoringAsciiCase(zubehoer->getArtNr(), zweite)) {
            return zubehoer->getPreis();
        }
    }
    return 0;
}

const TAufstellvariante* TProdukt::varianteOderAktuelle(const TAufstellvariante* Variante) const {
    if (Variante != nullptr || MoeglicheAufstellVariante == nullptr) {
        return Variante;
    }
    return MoeglicheAufstellVariante->getVariante();
}

const TZubehoer* TProdukt::fittingArtikel(FittingKind kind) const {
    // Of two articles of one kind, the first in the working list sets the price.
    for (const TZubehoer* zubehoer : tempZubehoer) {
        if (zubehoer->getFittingKind() == kind) {
            return zubehoer;
        }
    }
    return nullptr;
}

double TProdukt::getVariantenZubehoerPreis(const TAufstellvariante* Variante) const {
    Variante = varianteOderAktuelle(Variante);
    if (Variante == nullptr) {
        return 0;
    }
    double summe = 0;
    for (const FittingKind kind : kFittingKinds) {
        if (const TZubehoer* zubehoer = fittingArtikel(kind)) {
            summe += fittingCount(*Variante, kind) * zubehoer->getPreis();
        }
    }
    return summe;
}

bool TProdukt::hatVariantenZubehoerPreis(const TAufstellvariante* Variante) const {
    Variante = varianteOderAktuelle(Variante);
    if (Variante == nullptr) {
        return true;
    }
    for (const FittingKind kind : kFittingKinds) {
        // A fitting the variant needs but the catalogue lacks is a price lacking too.
        const TZubehoer* zubehoer = fittingArtikel(kind);
        if (fittingCount(*Variante, kind) > 0 && (zubehoer == nullptr || !zubehoer->hatPreis())) {
            return false;
        }
    }
    return true;
}

double TProdukt::getGesamtPreis() const {
    if (!Aufstellvariationen || MoeglicheAufstellVariante == nullptr) {
        return getPreis();
    }
    const TAufstellvariante* variante = MoeglicheAufstellVariante->getVariante();
    return variante->getAnzahlTanks() * getPreis() + getVariantenZubehoerPreis(variante);
}

bool TProdukt::hatGesamtPreis() const {
    if (!Aufstellvariationen || MoeglicheAufstellVariante == nullptr) {
        return hatPreis();
    }
    return hatPreis() && hatVariantenZubehoerPreis(MoeglicheAufstellVariante->getVariante());
}

namespace {

// A line the user ticked and may untick: its accessory adds to the installation's price.
bool istGewaehlt(const TZubehoerItem& zeile) {
    return zeile.isChecked() && zeile.isEnabled();
}

}  // namespace

double TProdukt::getOptZubehoerPreis() const {
    double summe = 0.0;
    for (const auto& zeile : ZubehoerOptional) {
        if (istGewaehlt(*zeile)) {
            summe += zeile->getZubehoer()->getPreis();
        }
    }
    return summe;
}

bool TProdukt::hatOptZubehoerPreis() const {
    return std::ranges::all_of(ZubehoerOptional, [](const auto& zeile) {
        return !istGewaehlt(*zeile) || zeile->getZubehoer()->hatPreis();
    });
}

}  // namespace velmora
