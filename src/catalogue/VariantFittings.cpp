#include "catalogue/VariantFittings.h"

#include <array>
#include <utility>

#include "base/AsciiCase.h"
#include "catalogue/TAufstellvariante.h"

namespace velmora {

namespace {

constexpr std::array<std::pair<std::string_view, FittingKind>, 6> kFittingArticles{{
    {"952400", FittingKind::Hp},
    {"952402", FittingKind::Ep},
    {"952403", FittingKind::Ep},
    {"952405", FittingKind::Up},
    {"952406", FittingKind::Up},
    {"952407", FittingKind::UpSonder},
}};

}  // namespace

std::optional<FittingKind> fittingKindOf(std::string_view ArtNr) {
    for (const auto& [number, kind] : kFittingArticles) {
        if (equalsIgnoringAsciiCase(ArtNr, number)) {
            return kind;
        }
    }
    return std::nullopt;
}

int fittingCount(const TAufstellvariante& Variante, FittingKind kind) {
    switch (kind) {
        case FittingKind::Hp:
            return Variante.getHp();
        case FittingKind::Ep:
            return Variante.getEp();
        case FittingKind::Up:
            return Variante.getUp();
        case FittingKind::UpSonder:
            return Variante.getUpSonder();
    }
    return 0;
}

}  // namespace velmora
