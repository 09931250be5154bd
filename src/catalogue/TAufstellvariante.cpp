#include "catalogue/TAufstellvariante.h"

#include <charconv>
#include <limits>
#include <string_view>
#include <utility>

namespace velmora {

namespace {

// A plain non-negative whole number; anything else (also an overflow) gives 0.
int wholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    const bool plain = error == std::errc() && end == text.data() + text.size() && value >= 0;
    return plain ? value : 0;
}

}  // namespace

TAufstellvariante::TAufstellvariante(std::string Aufstellvariante, std::string ProduktArtNr, int Hp,
                                     int Ep, int Up, int UpSonder, bool ZwReihWaag,
                                     bool Normrelevant, bool HasNormAlternative, TRect GapOut,
                                     TRect GapOutNormIgnore, TPoint GapIn, TPoint GapInNormIgnore)
    : Aufstellvariante(std::move(Aufstellvariante)),
      FProduktArtNr(std::move(ProduktArtNr)),
      Hp(Hp),
      Ep(Ep),
      Up(Up),
      UpSonder(UpSonder),
      ZwReihWaag(ZwReihWaag),
      FNormrelevant(Normrelevant),
      FHasNormAlternative(HasNormAlternative),
      FGapOut(GapOut),
      FGapOutNormIgnore(GapOutNormIgnore),
      FGapIn(GapIn),
      FGapInNormIgnore(GapInNormIgnore) {
    const std::string_view name = this->Aufstellvariante;
    const auto plus = name.find('+');
    Reihe1 = wholeNumber(name.substr(0, plus));
    Reihe2 = plus == std::string_view::npos ? 0 : wholeNumber(name.substr(plus + 1));
}

int TAufstellvariante::getAnzahlTanks() const {
    // Both rows come from the catalogue; the sum must not overflow for absurd entries.
    const long long sum = static_cast<long long>(Reihe1) + Reihe2;
    constexpr long long largest = std::numeric_limits<int>::max();
    return static_cast<int>(sum > largest ? largest : sum);
}

bool TAufstellvariante::isGapEquals(const TAufstellvariante* v1, const TAufstellvariante* v2) {
    if (v1 == nullptr || v2 == nullptr) {
        return v1 == v2;
    }
    return v1->FGapOut == v2->FGapOut && v1->FGapOutNormIgnore == v2->FGapOutNormIgnore &&
           v1->FGapIn == v2->FGapIn && v1->FGapInNormIgnore == v2->FGapInNormIgnore;
}

}  // namespace velmora
